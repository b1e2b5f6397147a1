#pragma once

#include <string>
#include <string_view>

// The fixed-width records trade works on: the ship's `weapons` and `cargo` (10 characters: index
// 1-5, cooldown or amount 6-10) and the place's offer and stock lines (30 characters: name 1-20,
// count or stock 21-30, -1 unlimited). A trailing part shorter than a record is not a record.

inline constexpr int kShipRecordWidth = 10;
inline constexpr int kUnlimitedCount = -1;

int RecordCount(std::string_view text, int width);
// Record i (from 0); empty outside the text.
std::string_view RecordAt(std::string_view text, int i, int width);
void ReplaceRecord(std::string& text, int i, int width, std::string_view record);
void RemoveRecord(std::string& text, int i, int width);
// Appends after the last whole record (a trailing part shorter than a record is dropped).
void AppendRecord(std::string& text, int width, std::string_view record);

// A weapon or cargo record: its index (characters 1-5; blank reads 0) and its second field.
int RecordIndex(std::string_view record);
int RecordAmount(std::string_view record);
// A record of 10 blanks: an empty weapon slot.
bool BlankRecord(std::string_view record);
inline const std::string kBlankRecord(kShipRecordWidth, ' ');

// A new weapon record, ready to fire: the index padded to 5, then "0    ".
std::string WeaponRecord(int weapon);
// A cargo record: the goods index and the amount, each padded to 5.
std::string CargoRecord(int goods, int amount);

// Offer and stock lines.
int OfferCount(std::string_view line);                // records of 30 characters
std::string OfferName(std::string_view line, int j);  // trimmed
int OfferValue(std::string_view line, int j);         // count or stock
// Record j keeps its name; the value is written left-aligned in 10.
void SetOfferValue(std::string& line, int j, int value);
// One unit taken from record j: its count falls by 1 unless unlimited, and a record that reaches
// 0 (or held no unit) is removed.
void TakeOneFromOffer(std::string& line, int j);
// One unit of `name` given to the place: every record of that name grows by 1 unless unlimited;
// with none, a record of 1 is appended.
void GiveOneToOffers(std::string& line, std::string_view name);
// Whether an offer's count (or a stock) has a unit to sell: unlimited, or 1 and more.
bool UnitsLeft(int count);
// Whether a record of the line has that name.
bool OffersName(std::string_view line, std::string_view name);
