#include "game/world/ship_records.h"

#include "formats/text_rules.h"

int RecordCount(std::string_view text, int width) {
  return static_cast<int>(text.size() / width);
}

std::string_view RecordAt(std::string_view text, int i, int width) {
  if (i < 0 || i >= RecordCount(text, width)) return {};
  return text.substr(static_cast<size_t>(i) * width, width);
}

void ReplaceRecord(std::string& text, int i, int width, std::string_view record) {
  if (i < 0 || i >= RecordCount(text, width)) return;
  text.replace(static_cast<size_t>(i) * width, width, PadRight(record, width).substr(0, width));
}

void RemoveRecord(std::string& text, int i, int width) {
  if (i < 0 || i >= RecordCount(text, width)) return;
  text.erase(static_cast<size_t>(i) * width, width);
}

void AppendRecord(std::string& text, int width, std::string_view record) {
  text.resize(static_cast<size_t>(RecordCount(text, width)) * width);
  text += PadRight(record, width).substr(0, width);
}

int RecordIndex(std::string_view record) {
  return ReadInt(Columns(record, 1, 5));
}

int RecordAmount(std::string_view record) {
  return ReadInt(Columns(record, 6, 10));
}

bool BlankRecord(std::string_view record) {
  return record.size() == kShipRecordWidth && record.find_first_not_of(' ') == std::string::npos;
}

std::string WeaponRecord(int weapon) {
  return PadRight(FormatInt(weapon), 5) + PadRight("0", 5);
}

std::string CargoRecord(int goods, int amount) {
  return PadRight(FormatInt(goods), 5) + PadRight(FormatInt(amount), 5);
}

void AddCargo(std::string& cargo, int goods, int amount) {
  for (int i = 0; i < RecordCount(cargo, kShipRecordWidth); ++i) {
    const std::string_view record = RecordAt(cargo, i, kShipRecordWidth);
    if (RecordIndex(record) != goods) continue;
    ReplaceRecord(cargo, i, kShipRecordWidth, CargoRecord(goods, RecordAmount(record) + amount));
    return;
  }
  AppendRecord(cargo, kShipRecordWidth, CargoRecord(goods, amount));
}
