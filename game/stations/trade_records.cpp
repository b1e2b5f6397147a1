#include "game/stations/trade_records.h"

#include "formats/goods_price.h"
#include "formats/place_file.h"
#include "formats/text_rules.h"

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
