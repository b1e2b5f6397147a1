#include "game/shell/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "formats/latin1.h"

namespace {

void AppendString(std::string& out, std::string_view latin1) {
  out += '"';
  for (char c : Latin1ToUtf8(latin1)) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

// The separator and, inside an object, the key.
void Open(JsonWriter& json, std::string_view key) {
  if (json.needComma) json.out += ',';
  if (!key.empty()) {
    AppendString(json.out, key);
    json.out += ':';
  }
  json.needComma = true;
}

}  // namespace

void BeginObject(JsonWriter& json, std::string_view key) {
  Open(json, key);
  json.out += '{';
  json.needComma = false;
}

void EndObject(JsonWriter& json) {
  json.out += '}';
  json.needComma = true;
}

void BeginArray(JsonWriter& json, std::string_view key) {
  Open(json, key);
  json.out += '[';
  json.needComma = false;
}

void EndArray(JsonWriter& json) {
  json.out += ']';
  json.needComma = true;
}

void WriteValue(JsonWriter& json, std::string_view key, int value) {
  Open(json, key);
  json.out += std::to_string(value);
}

void WriteValue(JsonWriter& json, std::string_view key, float value) {
  Open(json, key);
  if (!std::isfinite(value)) {
    json.out += "null";
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  json.out.append(buffer, result.ptr);
}

void WriteValue(JsonWriter& json, std::string_view key, std::string_view latin1Text) {
  Open(json, key);
  AppendString(json.out, latin1Text);
}

void WriteValue(JsonWriter& json, std::string_view key, const char* latin1Text) {
  WriteValue(json, key, std::string_view(latin1Text));
}
