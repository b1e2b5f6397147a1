#pragma once

#include <string>
#include <string_view>

#include "game/world/ship_records.h"

// The place's offer and stock lines trade works on (30 characters: name 1-20, count or stock
// 21-30, -1 unlimited); the ship's own records are the world's.

inline constexpr int kUnlimitedCount = -1;

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
