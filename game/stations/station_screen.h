#pragma once

#include <filesystem>

#include "game/stations/station_state.h"
#include "game/ui/menu_state.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// The station screen (code 0): "Willkommen auf" the docked place, the services and "Starten";
// after a respawn also that the ship was destroyed and what was lost with it.
void BuildStationScreen(MenuState& menu, const World& world);

// The four offer lines of the docked place are copied for the visit and written back on leaving.
void TakeOffersFromPlace(StationState& station, World& world);
void ReturnOffersToPlace(const StationState& station, World& world);

// Reads the people of the docked place from its place file.
void ReadStationPeople(StationState& station, World& world,
                       const std::filesystem::path& gameFolder);

// Draws the presence rolls of a visit anew: 1..10 for every position.
void RollPresence(StationState& station, Rng& rng);
