#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "formats/save_file.h"
#include "game/save/save_state.h"
#include "game/world/random.h"
#include "game/world/world_state.h"

// Saving and loading one game in the game folder's SAVE\ folder.

// The quick save's name while the game has none yet.
inline constexpr std::string_view kQuickSaveName = "Schnellspeicher";

// Whether a typed name may become a file in SAVE\: not empty after trimming, no path separator,
// no "..", no control character. Every other name is a file of SAVE\ and nothing else.
bool IsUsableSaveName(std::string_view name);

// The file of a save of that name in the game folder.
std::filesystem::path SaveFilePath(const std::filesystem::path& gameFolder, std::string_view name);

// What the world holds of a saved game, and the universe shape a file must match to load into it.
SavedGame CaptureSavedGame(const World& world);
UniverseShape WorldShape(const World& world);

struct SaveOutcome {
  bool ok = false;
  std::string error;  // why not, when not ok
};

// Called between the flushed temporary file and the rename that makes it the save (tests stop a
// save there as a kill would).
using BeforeCommit = std::function<void()>;

// Writes the world as the save of that name, the .sav and its companion (game/save/companion.h);
// "Neuer Charakter", the game server's template of every new character, is refused like a name
// that is no file. SAVE\ is created when missing, both files are written whole to temporary files
// and flushed, then the .sav and after it the companion are renamed over the old ones, so the
// previous save survives any failure or interruption, and a stop between the renames leaves a
// companion that no longer matches its .sav and is ignored. The network game ("InternetFile")
// gets no companion: the server keeps the .sav alone. `betweenRenames` is called after the .sav's
// rename and before the companion's (tests stop there too).
SaveOutcome SaveGame(const World& world, const std::filesystem::path& gameFolder,
                     std::string_view name, const BeforeCommit& beforeCommit = {},
                     const BeforeCommit& betweenRenames = {});

// The game as it stands is what it was when it was last saved, loaded or begun (NoteGameSaved);
// "Beenden" asks first while it is not.
void NoteGameSaved(SaveState& save, const World& world);
bool ChangedSinceSaved(const SaveState& save, const World& world);

// Loads the save of that name into the world and enters the system around the ship. The file is
// read and checked against the universe first; when anything is wrong, the world is untouched.
// A game saved at a station is docked there again (Docked); one saved in flight is not docked,
// its ship flies on from where it was saved, and its launch point is the nearest docking ring.
// The companion beside the file, when it belongs to it, brings back the running mission (its
// ships fly on, its reward waits) and the dealers' offers; without one the reward is 0 and a
// mission marker on the ship is cleared, the ticker saying so. A companion that is damaged or
// belongs to another version of the file is ignored, and the ticker says that too.
SaveOutcome LoadGame(World& world, const std::filesystem::path& gameFolder, Rng& rng,
                     std::string_view name);
