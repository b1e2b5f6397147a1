#include "formats/json_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

struct Reader {
  std::string_view text;
  size_t at = 0;
  std::string error;

  void SkipBlanks() {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '\n' || text[at] == '\r' || text[at] == '\t')) {
      ++at;
    }
  }
  bool Fail(const std::string& what) {
    if (error.empty()) error = what + " at offset " + std::to_string(at);
    return false;
  }
  bool Take(char c) {
    SkipBlanks();
    if (at < text.size() && text[at] == c) {
      ++at;
      return true;
    }
    return false;
  }
  bool Word(std::string_view word) {
    if (text.substr(at, word.size()) != word) return false;
    at += word.size();
    return true;
  }
};

bool ReadValue(Reader& r, JsonValue& value, int depth);

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool ReadText(Reader& r, std::string& out) {
  if (!r.Take('"')) return r.Fail("expected a text");
  while (r.at < r.text.size()) {
    const char c = r.text[r.at++];
    if (c == '"') return true;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (r.at >= r.text.size()) break;
    const char escape = r.text[r.at++];
    switch (escape) {
      case 'n':
        out += '\n';
        break;
      case 't':
        out += '\t';
        break;
      case 'r':
        out += '\r';
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'u': {
        if (r.at + 4 > r.text.size()) return r.Fail("short \\u escape");
        const std::string hex(r.text.substr(r.at, 4));
        r.at += 4;
        AppendUtf8(out, static_cast<unsigned>(std::strtoul(hex.c_str(), nullptr, 16)));
        break;
      }
      default:
        out += escape;
        break;
    }
  }
  return r.Fail("unterminated text");
}

bool ReadNumber(Reader& r, JsonValue& value) {
  const size_t start = r.at;
  while (r.at < r.text.size() &&
         std::string_view("+-0123456789.eE").find(r.text[r.at]) != std::string_view::npos) {
    ++r.at;
  }
  if (r.at == start) return r.Fail("expected a value");
  const std::string digits(r.text.substr(start, r.at - start));
  char* end = nullptr;
  value.kind = JsonValue::Kind::kNumber;
  value.number = std::strtod(digits.c_str(), &end);
  if (*end != '\0') return r.Fail("malformed number");
  return true;
}

bool ReadArray(Reader& r, JsonValue& value, int depth) {
  value.kind = JsonValue::Kind::kArray;
  if (r.Take(']')) return true;
  do {
    value.items.emplace_back();
    if (!ReadValue(r, value.items.back(), depth + 1)) return false;
  } while (r.Take(','));
  return r.Take(']') || r.Fail("expected , or ]");
}

bool ReadObject(Reader& r, JsonValue& value, int depth) {
  value.kind = JsonValue::Kind::kObject;
  if (r.Take('}')) return true;
  do {
    std::string key;
    if (!ReadText(r, key)) return false;
    if (!r.Take(':')) return r.Fail("expected :");
    JsonValue field;
    if (!ReadValue(r, field, depth + 1)) return false;
    if (!value.fields.count(key)) value.keys.push_back(key);
    value.fields[key] = std::move(field);
  } while (r.Take(','));
  return r.Take('}') || r.Fail("expected , or }");
}

bool ReadValue(Reader& r, JsonValue& value, int depth) {
  if (depth > 64) return r.Fail("nested too deeply");
  r.SkipBlanks();
  if (r.at >= r.text.size()) return r.Fail("unexpected end");
  const char c = r.text[r.at];
  if (c == '{') return ++r.at, ReadObject(r, value, depth);
  if (c == '[') return ++r.at, ReadArray(r, value, depth);
  if (c == '"') {
    value.kind = JsonValue::Kind::kText;
    return ReadText(r, value.text);
  }
  if (r.Word("true")) {
    value.kind = JsonValue::Kind::kBool;
    value.flag = true;
    return true;
  }
  if (r.Word("false")) {
    value.kind = JsonValue::Kind::kBool;
    return true;
  }
  if (r.Word("null")) return true;
  return ReadNumber(r, value);
}

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text, std::string* error) {
  Reader reader{text};
  JsonValue value;
  bool ok = ReadValue(reader, value, 0);
  reader.SkipBlanks();
  if (ok && reader.at != text.size()) ok = reader.Fail("text after the document");
  if (!ok) {
    if (error) *error = reader.error;
    return std::nullopt;
  }
  return value;
}

const JsonValue* FindJsonPath(const JsonValue& root, std::string_view path) {
  const JsonValue* value = &root;
  size_t at = 0;
  while (at < path.size() && value) {
    if (path[at] == '.') {
      ++at;
      continue;
    }
    if (path[at] == '[') {
      const size_t close = path.find(']', at);
      if (close == std::string_view::npos || value->kind != JsonValue::Kind::kArray) return nullptr;
      const std::string digits(path.substr(at + 1, close - at - 1));
      char* end = nullptr;
      const long index = std::strtol(digits.c_str(), &end, 10);
      if (digits.empty() || *end != '\0' || index < 0 ||
          index >= static_cast<long>(value->items.size())) {
        return nullptr;
      }
      value = &value->items[static_cast<size_t>(index)];
      at = close + 1;
      continue;
    }
    const size_t stop = path.find_first_of(".[", at);
    const std::string key(path.substr(at, stop == std::string_view::npos ? path.npos : stop - at));
    if (value->kind != JsonValue::Kind::kObject) return nullptr;
    const auto found = value->fields.find(key);
    value = found == value->fields.end() ? nullptr : &found->second;
    at = stop == std::string_view::npos ? path.size() : stop;
  }
  return value;
}

std::string JsonValueText(const JsonValue& value) {
  switch (value.kind) {
    case JsonValue::Kind::kNull:
      return "null";
    case JsonValue::Kind::kBool:
      return value.flag ? "true" : "false";
    case JsonValue::Kind::kNumber: {
      if (value.number == std::floor(value.number) && std::fabs(value.number) < 1e15) {
        return std::to_string(static_cast<long long>(value.number));
      }
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "%.9g", value.number);
      return buffer;
    }
    case JsonValue::Kind::kText:
      return "\"" + value.text + "\"";
    case JsonValue::Kind::kArray:
      return "[" + std::to_string(value.items.size()) + " items]";
    case JsonValue::Kind::kObject:
      return "{" + std::to_string(value.keys.size()) + " fields}";
  }
  return "";
}
