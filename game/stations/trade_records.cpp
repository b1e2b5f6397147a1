#include "game/stations/trade_records.h"

#include "formats/goods_price.h"
#include "formats/place_file.h"
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

int OfferCount(std::string_view line) {
  return RecordCount(line, kOfferRecordWidth);
}

std::string OfferName(std::string_view line, int j) {
  return Field(RecordAt(line, j, kOfferRecordWidth), 1, 20);
}

int OfferValue(std::string_view line, int j) {
  return ReadInt(Columns(RecordAt(line, j, kOfferRecordWidth), 21, 30));
}

void SetOfferValue(std::string& line, int j, int value) {
  const std::string_view record = RecordAt(line, j, kOfferRecordWidth);
  if (record.empty()) return;
  const std::string name(record.substr(0, 20));
  ReplaceRecord(line, j, kOfferRecordWidth, name + PadRight(FormatInt(value), 10));
}

void TakeOneFromOffer(std::string& line, int j) {
  const int count = OfferValue(line, j);
  if (count == kUnlimitedCount) return;
  if (count <= 1) {
    RemoveRecord(line, j, kOfferRecordWidth);
  } else {
    SetOfferValue(line, j, count - 1);
  }
}

void GiveOneToOffers(std::string& line, std::string_view name) {
  bool found = false;
  for (int j = 0; j < OfferCount(line); ++j) {
    if (OfferName(line, j) != name) continue;
    found = true;
    const int count = OfferValue(line, j);
    if (count != kUnlimitedCount) SetOfferValue(line, j, count + 1);
  }
  if (!found) AppendRecord(line, kOfferRecordWidth, MakeOfferRecord(name, "1"));
}

bool OffersName(std::string_view line, std::string_view name) {
  for (int j = 0; j < OfferCount(line); ++j) {
    if (OfferName(line, j) == name) return true;
  }
  return false;
}

bool UnitsLeft(int count) {
  return StockSells(count);
}
