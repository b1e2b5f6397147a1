#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A JSON document read back: enough to check what the dumps write (scripted runs' expectations,
// tests). Texts stay UTF-8 as written.
struct JsonValue {
  enum class Kind { kNull, kBool, kNumber, kText, kArray, kObject };
  Kind kind = Kind::kNull;
  bool flag = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;             // an array's elements
  std::vector<std::string> keys;            // an object's keys, in document order
  std::map<std::string, JsonValue> fields;  // and their values
};

// Parses a whole document; nullopt with a message naming the offset when it is not JSON.
std::optional<JsonValue> ParseJson(std::string_view text, std::string* error = nullptr);

// Follows a path like `Ships[0].money`, `counts.Ships` or `MenuItems`: keys separated by dots,
// array elements by [index]. Nullptr when the path leads nowhere.
const JsonValue* FindJsonPath(const JsonValue& root, std::string_view path);

// The value as a script writes it: numbers without a needless fraction, texts quoted.
std::string JsonValueText(const JsonValue& value);
