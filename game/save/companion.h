#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "formats/save_companion.h"
#include "game/world/world_state.h"

// The part of a game that only the companion file keeps (formats/save_companion.h): the running
// mission and the dealers' weapon and ship offers.

// The companion file of a save of that name in the game folder.
std::filesystem::path CompanionFilePath(const std::filesystem::path& gameFolder,
                                        std::string_view name);

// What the world holds of it, for the .sav whose bytes have that checksum.
SaveCompanion CaptureSaveCompanion(const World& world, std::uint64_t saveChecksum);

// What became of the companion beside a .sav that is being loaded.
struct CompanionLookup {
  std::optional<SaveCompanion> companion;  // one that belongs to the .sav and fits the world
  std::string ignored;  // why one that is there is not used (empty when none is there)
  std::string notice;   // the same in the ticker's words
};

// Reads the companion beside the .sav and checks it: it must read, hold the checksum of
// `saveBytes` and name only places and mission ships this world can have. Changes nothing.
CompanionLookup LookUpCompanion(const World& world, const std::filesystem::path& file,
                                std::string_view saveBytes);

// After a load has entered the system: restores what the lookup found (offers, mission ships as
// computer ships that fly on, the reward), or sets the reward to 0 and, when the loaded ship
// still carries a mission marker, clears it; the ticker says what was dropped.
void RestoreFromCompanion(World& world, const CompanionLookup& lookup);
