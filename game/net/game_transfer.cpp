#include "game/net/game_transfer.h"

#include <cstdio>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/save_check.h"
#include "game/net/net_connection.h"
#include "game/net/player_messages.h"
#include "game/save/save_game.h"
#include "game/ui/screen_codes.h"
#include "game/ui/screen_items.h"

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

}  // namespace

void AcceptGameFile(NetContext& c, const std::string& bytes) {
  const SaveCheck check = CheckSaveFile(bytes, WorldShape(c.world));
  if (!check.fits) return RefuseGame(c, check.reason);
  const std::filesystem::path file = SaveFilePath(c.gameFolder, kNetworkSave);
  WriteResult written = EnsureFolder(file.parent_path());
  if (written.ok) written = WriteFileAtomically(file, bytes);
  if (!written.ok) return RefuseGame(c, written.message);
  RemoveRemoteShips(c.world);
  const SaveOutcome loaded = LoadGame(c.world, c.gameFolder, c.rng, kNetworkSave);
  if (!loaded.ok) return RefuseGame(c, loaded.error);
  // The local ship is the local player's whatever the file says, and it flies: the game goes
  // straight into flight, not into the station it was saved at.
  c.world.ships.Front()->controller = c.world.localPlayerNumber;
  c.world.docking.dockedPlace.clear();
  c.save.saveName = kNetworkSave;
  c.save.nameField = kNetworkSave;
  c.menu.noGameInProgress = 0;
  c.menu.screenState = kNetworkGameReceived;
}

bool ReturnGameToServer(NetContext& c) {
  SaveState& save = c.save;
  save.saveName = kNetworkSave;
  const SaveOutcome saved = SaveGame(c.world, c.gameFolder, kNetworkSave);
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
    PumpConnection(c.net);
  }
  EndGameInProgress(c.world, c.menu);
  return sent;
}

void EndGameInProgress(World& world, MenuState& menu) {
  world.ships.Clear();
  world.docking.dockedPlace.clear();
  menu.noGameInProgress = 1;
}
