#include "game/net/game_transfer.h"

#include <cstdio>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/save_check.h"
#include "game/net/net_codes.h"
#include "game/net/net_connection.h"
#include "game/net/player_messages.h"
#include "game/net/unsent_game.h"
#include "game/save/save_game.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"
#include "game/world/missions.h"

namespace {

const std::string kNetworkSave(kNetworkSaveName);

// The received game cannot be played: the server counts this player as flying, so the session
// ends here (which makes the server let the character go) and the player starts again.
void RefuseGame(NetContext& c, const std::string& why) {
  std::fprintf(stderr, "network: the game received is not loaded: %s\n", why.c_str());
  CloseServerConnection(c.net);
  ShowErrorScreen(c.menu, {"Der Spielstand '" + kNetworkSave + "'", "konnte nicht geladen werden."},
                  kMainMenu);
  c.menu.screenState = kNoScreenChange;
}

// Writes `bytes` to InternetFile.sav and loads them as the game in progress, the local ship the
// local player's and in flight. False (and the session ended) when that failed.
bool LoadNetworkGame(NetContext& c, const std::string& bytes) {
  const std::filesystem::path file = SaveFilePath(c.gameFolder, kNetworkSave);
  WriteResult written = EnsureFolder(file.parent_path());
  if (written.ok) written = WriteFileAtomically(file, bytes);
  if (!written.ok) {
    RefuseGame(c, written.message);
    return false;
  }
  RemoveRemoteShips(c.world);
  const SaveOutcome loaded = LoadGame(c.world, c.gameFolder, c.rng, kNetworkSave);
  if (!loaded.ok) {
    RefuseGame(c, loaded.error);
    return false;
  }
  // The local ship is the local player's whatever the file says, and it flies: the game goes
  // straight into flight, not into the station it was saved at.
  c.world.ships.Front()->controller = c.world.localPlayerNumber;
  c.world.docking.dockedPlace.clear();
  c.save.saveName = kNetworkSave;
  c.save.nameField = kNetworkSave;
  c.menu.noGameInProgress = 0;
  return true;
}

}  // namespace

void NoteReturnedGame(NetContext& c) {
  if (TakeReturnConfirmed(c.net)) MarkGameSent(c.gameFolder);
}

void AcceptGameFile(NetContext& c, const std::string& bytes) {
  NoteReturnedGame(c);  // the server answered after the last game went out
  const SaveCheck check = CheckSaveFile(bytes, WorldShape(c.world));
  if (!check.fits) return RefuseGame(c, check.reason);
  // A game never sent in full may be the only copy of the player's progress: it is kept before
  // the server's game takes its place, and the character's joins offer it.
  bool keptOk = true;
  if (const auto kept = KeepUnsentGame(c.gameFolder, keptOk)) {
    std::fprintf(stderr, "network: a game never sent in full is kept as %s\n", kept->c_str());
  }
  if (!keptOk) return RefuseGame(c, "a game never sent in full could not be kept");
  if (!LoadNetworkGame(c, bytes)) return;
  const bool offer = FindKeptGame(c.gameFolder, c.net.selectedCharacter).has_value();
  c.menu.screenState = offer ? int{kKeptGameQuestion} : int{kNetworkGameReceived};
}

void ResumeKeptGame(NetContext& c) {
  c.menu.screenState = kNetworkGameReceived;
  const std::string& character = c.net.selectedCharacter;
  const std::optional<KeptGame> kept = FindKeptGame(c.gameFolder, character);
  const std::optional<std::string> bytes = kept ? ReadFileBytes(kept->path) : std::nullopt;
  const SaveCheck check = bytes ? CheckSaveFile(*bytes, WorldShape(c.world)) : SaveCheck{};
  if (!bytes || !check.fits) {
    // It stays where it is; the player flies on with the server's game.
    std::fprintf(stderr, "network: the kept game cannot be loaded: %s\n", check.reason.c_str());
    return;
  }
  if (!LoadNetworkGame(c, *bytes)) return;
  // InternetFile.sav now holds it, still unsent: the next Escape sends it.
  MarkGameUnsent(c.gameFolder, character);
  std::error_code ignored;
  std::filesystem::remove(kept->path, ignored);
}

void DropKeptGame(NetContext& c) {
  if (const std::optional<KeptGame> kept = FindKeptGame(c.gameFolder, c.net.selectedCharacter)) {
    std::error_code ignored;
    std::filesystem::remove(kept->path, ignored);
  }
  c.menu.screenState = kNetworkGameReceived;
}

bool ReturnGameToServer(NetContext& c) {
  SaveState& save = c.save;
  save.saveName = kNetworkSave;
  const SaveOutcome saved = SaveGame(c.world, c.gameFolder, kNetworkSave);
  // Until the server is known to have it, the file here may be the only copy.
  if (saved.ok) MarkGameUnsent(c.gameFolder, c.net.selectedCharacter);
  std::optional<std::string> bytes;
  if (saved.ok) bytes = ReadFileBytes(SaveFilePath(c.gameFolder, kNetworkSave));
  if (!bytes) {
    // The server still gets the game when the disk refuses it.
    std::fprintf(stderr, "network: %s not saved: %s\n", kNetworkSave.c_str(), saved.error.c_str());
    const SaveBytes made = WriteSavedGame(CaptureSavedGame(c.world));
    if (made.ok) bytes = made.bytes;
  }
  const bool sent = Connected(c.net) && bytes;
  if (sent) {
    SendFileToServer(c.net, *bytes);
    ExpectReturnConfirmation(c.net);
    PumpConnection(c.net);
  }
  c.net.missionEnded = MissionRunning(c.world);
  EndGameInProgress(c.world, c.menu);
  return sent;
}

void EndGameInProgress(World& world, MenuState& menu) {
  world.ships.Clear();
  world.docking.dockedPlace.clear();
  menu.noGameInProgress = 1;
}
