#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/save_file.h"
#include "formats/ship_record.h"

// SAVE\<name>.zusatz: what a game holds beyond its SAVE\<name>.sav, whose layout is fixed (the
// game server stores it and other programs read it). Latin-1 text, one "key=value" line each
// (the value runs to the line end, blanks included), CR LF after every line, in this order:
//   [Spielstand-Zusatz]
//   Version=1
//   Spielstand=<FNV-1a 64 of the .sav's bytes, 16 lowercase hex digits>
//   [Auftrag]
//   Belohnung=<the running mission's reward>
//   Schiffe=<count>
//   then per mission ship "[Schiff]" and every ship field in its record order, named as there
//   ("x=1024.5"; whole numbers for int fields, decimals that read back exactly for float fields)
//   [Orte]
//   Anzahl=<count>
//   then per place "[Ort]", "Name=", "Schiffe=" (ship offers), "Waffen=" (weapon offers)
// The checksum ties the file to one .sav: a companion whose .sav was replaced without it (a crash
// between the two renames of a save) no longer matches and is ignored.

inline constexpr int kSaveCompanionVersion = 1;

// "SAVE\" + name + ".zusatz", beside SaveDataPath(name).
std::string CompanionDataPath(std::string_view name);

// The checksum a companion holds of its .sav: FNV-1a, 64 bits, over all of the file's bytes.
std::uint64_t SaveChecksum(std::string_view saveBytes);

// One place's dealers as the player left them.
struct CompanionPlace {
  std::string name;
  std::string shipOffers;
  std::string weaponOffers;
};

struct SaveCompanion {
  std::uint64_t saveChecksum = 0;
  int pendingReward = 0;
  std::vector<ShipRecord> missionShips;  // every field, the pilot name included
  std::vector<CompanionPlace> places;    // in the order of the game's place list
};

// The file's bytes; refused (nothing written) when a text holds a line end or NUL.
SaveBytes WriteSaveCompanion(const SaveCompanion& companion);

struct CompanionRead {
  bool ok = false;
  SaveCompanion companion;  // everything the file holds when ok; empty otherwise
  std::string error;        // why the file was refused, with the line number
};

// Reads a whole companion or nothing: a file cut short, one with lines after the last place, an
// unknown version, a line out of order or a value that is no number is refused with the reason.
CompanionRead ReadSaveCompanion(std::string_view bytes);
