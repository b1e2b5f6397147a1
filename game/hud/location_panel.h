#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/hud/hud_context.h"

// "Ortsinformation": the known places, eight at a time, and what the selected one offers (ships,
// weapons or goods, with their prices).

inline constexpr int kLocationRows = 8;
inline constexpr int kItemRows = 11;

// The known places (known not 0) in list order.
std::vector<const PlaceRecord*> KnownPlaces(const World& world);

// The selected known place (SelectedPlace counts from 1); nullptr when there is none.
const PlaceRecord* SelectedKnownPlace(const HudContext& hud);

// The offer line of a tab: 1 ships, 2 weapons, 3 goods with their stock.
const std::string& TabLine(const PlaceRecord& place, int tab);

// The 30-character records of the selected place's tab; 0 without a selected place.
int ItemCount(const HudContext& hud);

// Row k of the item list: the record's first 20 characters, five blanks and the price with "$".
// Ships and weapons cost their catalogue price, goods the local price of buying one there.
std::string ItemText(const HudContext& hud, const PlaceRecord& place, int tab, int k);

// What the panel's picture shows: the positions, the known places and the selected place's line.
std::uint64_t LocationPanelKey(const HudContext& hud);

// Renders the panel into the shared panel picture.
void RenderLocationPanel(HudContext& hud);

// The panel's button, picture and controls, once a frame.
void RunLocationPanel(HudContext& hud);
