#pragma once

#include <ostream>
#include <string_view>
#include <vector>

// A small streaming JSON writer for dumps (the data tool's, the game's state): two-space
// indentation, texts given as Latin-1 bytes and written as UTF-8.
struct JsonWriter {
  std::ostream& out;
  std::vector<bool> hasItems;  // per open object or array
  bool afterKey = false;
};

void JsonBeginObject(JsonWriter& json);
void JsonEndObject(JsonWriter& json);
void JsonBeginArray(JsonWriter& json);
void JsonEndArray(JsonWriter& json);
void JsonKey(JsonWriter& json, std::string_view key);
void JsonText(JsonWriter& json, std::string_view latin1);
void JsonInt(JsonWriter& json, long long value);
void JsonNumber(JsonWriter& json, double value);
void JsonBool(JsonWriter& json, bool value);

// Shorthands for a key with a value.
void JsonField(JsonWriter& json, std::string_view key, std::string_view latin1);
void JsonField(JsonWriter& json, std::string_view key, const char* latin1);
void JsonField(JsonWriter& json, std::string_view key, long long value);
void JsonField(JsonWriter& json, std::string_view key, int value);
void JsonField(JsonWriter& json, std::string_view key, double value);
void JsonField(JsonWriter& json, std::string_view key, bool value);

// The text as a JSON string literal (quotes included), Latin-1 in, UTF-8 out.
std::string JsonQuote(std::string_view latin1);
