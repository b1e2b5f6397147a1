#pragma once

#include <string>
#include <string_view>

#include "formats/json_writer.h"
#include "formats/record_fields.h"

// Writes a record that has a field list (record_fields.h) as JSON, field by field in storage order.

inline void JsonValueField(JsonWriter& json, std::string_view key, const std::string& value) {
  JsonField(json, key, std::string_view(value));
}
inline void JsonValueField(JsonWriter& json, std::string_view key, int value) {
  JsonField(json, key, value);
}
inline void JsonValueField(JsonWriter& json, std::string_view key, float value) {
  JsonField(json, key, static_cast<double>(value));
}
inline void JsonValueField(JsonWriter& json, std::string_view key, double value) {
  JsonField(json, key, value);
}

// The fields only, into an object the caller has opened (so it can add fields of its own).
template <class Record>
void JsonRecordFields(JsonWriter& json, const Record& record) {
  ForEachField(record,
               [&json](const char* name, const auto& value) { JsonValueField(json, name, value); });
}

template <class Record>
void JsonRecord(JsonWriter& json, const Record& record) {
  JsonBeginObject(json);
  JsonRecordFields(json, record);
  JsonEndObject(json);
}
