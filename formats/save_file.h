#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/group_catalogue.h"
#include "formats/ship_record.h"

// SAVE\<name>.sav: a saved game, also the file a network character's game travels in. A byte
// stream of two kinds of item in a fixed order:
//   int  - 4 bytes, little-endian, two's complement; the ship's float fields as the nearest
//          integer (halves to even), read back as that integer;
//   line - Latin-1 bytes and CR LF; read up to the next LF, a CR before it dropped.
// Layout: line DockedPlace; the player's ship in its field order (pilotName left out); one line
// per attitude of the player's group towards groups 0..GroupCount ("0.25", "-1", "0"); then per
// place of the universe, in the order of the game's place list, int known and line info4.
// Places are not named in the file, so reading needs the universe's shape.

// Names that the save and load screens never list: the game a network character travels in, and
// the template game of a new character that the game folder ships with.
inline constexpr std::string_view kNetworkSaveName = "InternetFile";
inline constexpr std::string_view kNewCharacterSaveName = "Neuer Charakter";

// "SAVE\" + name + ".sav", the data path of a save of that name.
std::string SaveDataPath(std::string_view name);

// One place's part of a save.
struct SavedPlace {
  int known = 0;
  std::string info4;  // the place's goods stock line
};

struct SavedGame {
  std::string dockedPlace;
  ShipRecord ship;               // pilotName is not stored
  std::vector<float> attitudes;  // GroupRelations(0, i) for i = 0 .. GroupCount
  std::vector<SavedPlace> places;
};

// What a save must match: the universe's group and place counts. A file holds groupCount + 1
// attitude lines and placeCount places.
struct UniverseShape {
  int groupCount = -1;  // index of the last group, -1 when there is none
  int placeCount = 0;
};

struct SaveBytes {
  bool ok = false;
  std::string bytes;  // the whole file when ok
  std::string error;  // why nothing could be written
};

// The file's bytes. Refused (nothing written) only when a text would not read back: a line
// field holding an LF.
SaveBytes WriteSavedGame(const SavedGame& game);

struct SaveRead {
  bool ok = false;
  SavedGame game;     // everything the file holds when ok; left empty otherwise
  std::string error;  // why the file was refused
};

// Reads a whole save, or nothing: a file that ends before the last place's line, one with bytes
// left after it, or an attitude line that is not a decimal number is refused with the reason.
// Reading what WriteSavedGame wrote and writing it again gives the same bytes.
SaveRead ReadSavedGame(std::string_view bytes, const UniverseShape& shape);

// The shape a file could have been written for when no universe is at hand: the longest run of
// decimal lines after the ship record (at most 100, one per group) that leaves whole places to the
// end. No value when no count of attitude lines makes the rest whole places.
std::optional<UniverseShape> GuessUniverseShape(std::string_view bytes);

// An attitude line: the value with six decimals, then trailing zeros and a trailing point
// removed; never "-0". A value that is not finite is written "0".
std::string FormatAttitude(float value);
// The value of an attitude line (blanks around it allowed); no value when it is not a plain
// decimal number or lies outside the float range.
std::optional<float> ParseAttitude(std::string_view line);

// The player's row of the attitude matrix, GroupRelations(0, i) for i = 0 .. groupCount, as a
// save holds it; and the way back, setting (0, i) and (i, 0) for every value given.
std::vector<float> PlayerAttitudes(const GroupCatalogue& groups);
void SetPlayerAttitudes(GroupCatalogue& groups, const std::vector<float>& attitudes);
