#include "formats/json_value.h"

#include <gtest/gtest.h>

#include <sstream>

#include "formats/json_writer.h"

// What the dump writer writes, the reader reads back, and paths find their values.
TEST(JsonValue, ReadsBackWhatTheWriterWrites) {
  std::ostringstream out;
  JsonWriter json{out, {}, false};
  JsonBeginObject(json);
  JsonField(json, "name", "Planet Neue Allianz \xFC");  // Latin-1 in, UTF-8 out
  JsonField(json, "money", 10000);
  JsonField(json, "heading", -2.5);
  JsonField(json, "docked", true);
  JsonKey(json, "Ships");
  JsonBeginArray(json);
  JsonBeginObject(json);
  JsonField(json, "x", 45001);
  JsonEndObject(json);
  JsonBeginObject(json);
  JsonField(json, "x", 12);
  JsonField(json, "pilotName", "a \"quoted\"\nline");
  JsonEndObject(json);
  JsonEndArray(json);
  JsonEndObject(json);

  std::string error;
  const auto value = ParseJson(out.str(), &error);
  ASSERT_TRUE(value) << error;
  EXPECT_EQ(FindJsonPath(*value, "name")->text, "Planet Neue Allianz \xC3\xBC");
  EXPECT_EQ(FindJsonPath(*value, "money")->number, 10000);
  EXPECT_EQ(FindJsonPath(*value, "heading")->number, -2.5);
  EXPECT_TRUE(FindJsonPath(*value, "docked")->flag);
  EXPECT_EQ(FindJsonPath(*value, "Ships[1].x")->number, 12);
  EXPECT_EQ(FindJsonPath(*value, "Ships[1].pilotName")->text, "a \"quoted\"\nline");
  EXPECT_EQ(value->keys.front(), "name");  // document order kept

  EXPECT_EQ(FindJsonPath(*value, "Ships[2].x"), nullptr);
  EXPECT_EQ(FindJsonPath(*value, "Ships[-1]"), nullptr);
  EXPECT_EQ(FindJsonPath(*value, "money.x"), nullptr);
  EXPECT_EQ(FindJsonPath(*value, "nothing"), nullptr);
  EXPECT_EQ(JsonValueText(*FindJsonPath(*value, "money")), "10000");
  EXPECT_EQ(JsonValueText(*FindJsonPath(*value, "heading")), "-2.5");
  EXPECT_EQ(JsonValueText(*FindJsonPath(*value, "Ships")), "[2 items]");
}

TEST(JsonValue, RefusesWhatIsNoDocument) {
  std::string error;
  EXPECT_FALSE(ParseJson("{\"a\": 1", &error));
  EXPECT_NE(error.find("offset"), std::string::npos);
  EXPECT_FALSE(ParseJson("{\"a\": 1} x"));
  EXPECT_FALSE(ParseJson("[1, 2,]"));
  EXPECT_FALSE(ParseJson("\"open"));
  EXPECT_FALSE(ParseJson(std::string(200, '[')));  // nesting is bounded
  EXPECT_FALSE(ParseJson(""));
}
