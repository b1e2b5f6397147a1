#pragma once

#include <string>
#include <string_view>

// Fixed-width records in a text: a ship's `weapons` and `cargo` (10 characters: index 1-5,
// cooldown or amount 6-10) and a place's offer and stock lines (30 characters). A trailing part
// shorter than a record is not a record.

inline constexpr int kShipRecordWidth = 10;

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

// Adds `amount` of the goods to a cargo text: to the first record of those goods, else as a new
// record after the last whole one.
void AddCargo(std::string& cargo, int goods, int amount);
