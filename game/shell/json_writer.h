#pragma once

#include <string>
#include <string_view>

// A small JSON writer for state dumps: values are appended in order, commas are placed for the
// caller. Texts are Latin-1 and come out as UTF-8.
struct JsonWriter {
  std::string out;
  bool needComma = false;
};

void BeginObject(JsonWriter& json, std::string_view key = {});
void EndObject(JsonWriter& json);
void BeginArray(JsonWriter& json, std::string_view key);
void EndArray(JsonWriter& json);
void WriteValue(JsonWriter& json, std::string_view key, int value);
void WriteValue(JsonWriter& json, std::string_view key, float value);
void WriteValue(JsonWriter& json, std::string_view key, std::string_view latin1Text);
void WriteValue(JsonWriter& json, std::string_view key, const char* latin1Text);
