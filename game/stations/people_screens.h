#pragma once

#include <string>

#include "game/stations/station_context.h"

// The people met at a station: the people screen (4, tag "Leute") with a button for each person
// present, and the person screens (400 + p) with the deal and its button.

// Whether the person at list position p (from 1) is present this visit: roll p above 5. Only
// positions 1..39 can be met (their screens are 401..439).
bool PersonPresent(const StationState& station, int p);

// "A".."K" and a number: each letter and number covers a band of 10000 units centred on a
// multiple of 10000 (halves to even); positions above 100000 count from the next 100000.
std::string GridReference(int x, int y);

// The square GridReference names: its column 0..10 ("A".."K") and its row from 0 (named 1).
struct GridSquare {
  int column = 0;
  int row = 0;
};
GridSquare GridSquareOf(int x, int y);

// The name of column 0..10: "A".."K".
char GridColumnLetter(int column);

// The change a contract makes to the player's standing with the group named `fromGroup`: half
// the way towards 0.5, or towards 0 for "Neutral"; its price is 10000 times the change, rounded.
float ContractChange(const World& world, const PersonRecord& person);
int ContractPrice(const World& world, const PersonRecord& person);

// Screen 4: refused while a mission runs; otherwise a button by main kind for each present
// person (at most 11 rows), or "Zur Zeit sind keine Leute da.".
void BuildPeopleScreen(StationContext& context);

// Screen 400 + p for the person at position p; the people screen when there is none.
void BuildPersonScreen(StationContext& context, int p);

// Screens 4 and 401..439, and the deals 471..473.
void RunPeople(StationContext& context, int code);
