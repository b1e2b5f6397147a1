#include "formats/json_writer.h"

#include <cstdio>
#include <string>

#include "formats/latin1.h"
#include "formats/text_rules.h"

namespace {

// Starts a value: a comma after the previous item and a new indented line, unless it follows
// its key.
void BeginValue(JsonWriter& json) {
  if (json.afterKey) {
    json.afterKey = false;
    return;
  }
  if (json.hasItems.empty()) return;
  if (json.hasItems.back()) json.out << ",";
  json.hasItems.back() = true;
  json.out << "\n" << std::string(2 * json.hasItems.size(), ' ');
}

void Close(JsonWriter& json, char bracket) {
  const bool hadItems = json.hasItems.back();
  json.hasItems.pop_back();
  if (hadItems) json.out << "\n" << std::string(2 * json.hasItems.size(), ' ');
  json.out << bracket;
  if (json.hasItems.empty()) json.out << "\n";
}

}  // namespace

std::string JsonQuote(std::string_view latin1) {
  std::string quoted = "\"";
  for (const char c : Latin1ToUtf8(latin1)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

void JsonBeginObject(JsonWriter& json) {
  BeginValue(json);
  json.out << "{";
  json.hasItems.push_back(false);
}

void JsonEndObject(JsonWriter& json) {
  Close(json, '}');
}

void JsonBeginArray(JsonWriter& json) {
  BeginValue(json);
  json.out << "[";
  json.hasItems.push_back(false);
}

void JsonEndArray(JsonWriter& json) {
  Close(json, ']');
}

void JsonKey(JsonWriter& json, std::string_view key) {
  BeginValue(json);
  json.out << JsonQuote(key) << ": ";
  json.afterKey = true;
}

void JsonText(JsonWriter& json, std::string_view latin1) {
  BeginValue(json);
  json.out << JsonQuote(latin1);
}

void JsonInt(JsonWriter& json, long long value) {
  BeginValue(json);
  json.out << value;
}

void JsonNumber(JsonWriter& json, double value) {
  BeginValue(json);
  json.out << FormatDecimal(value);
}

void JsonBool(JsonWriter& json, bool value) {
  BeginValue(json);
  json.out << (value ? "true" : "false");
}

void JsonField(JsonWriter& json, std::string_view key, std::string_view latin1) {
  JsonKey(json, key);
  JsonText(json, latin1);
}

void JsonField(JsonWriter& json, std::string_view key, const char* latin1) {
  JsonField(json, key, std::string_view(latin1));
}

void JsonField(JsonWriter& json, std::string_view key, long long value) {
  JsonKey(json, key);
  JsonInt(json, value);
}

void JsonField(JsonWriter& json, std::string_view key, int value) {
  JsonField(json, key, static_cast<long long>(value));
}

void JsonField(JsonWriter& json, std::string_view key, double value) {
  JsonKey(json, key);
  JsonNumber(json, value);
}

void JsonField(JsonWriter& json, std::string_view key, bool value) {
  JsonKey(json, key);
  JsonBool(json, value);
}
