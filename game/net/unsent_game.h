#pragma once

#include <filesystem>
#include <optional>
#include <string>

// A game handed back to the server is only known to be there once the whole file went to the
// socket and the connection then held (net_connection.h, ReturnConfirmed). Until then the local
// SAVE\InternetFile.sav may be the only copy of the player's progress: SAVE\InternetFile.offen
// names its character, and before a game from the server replaces the file, such a game is kept
// as SAVE\<character>.ungesendet (not a ".sav": the load and save screens do not list it), to be
// offered on the character's next join.

// InternetFile.sav now holds `character`'s game, not yet known to have reached the server.
void MarkGameUnsent(const std::filesystem::path& gameFolder, const std::string& character);

// The server has the game: nothing to keep.
void MarkGameSent(const std::filesystem::path& gameFolder);

// Before a received game replaces InternetFile.sav: an unsent game there is kept. The file it was
// kept in, or nothing when there was nothing to keep (or it could not be kept: then false in
// `ok`, and the received game must not replace it).
std::optional<std::filesystem::path> KeepUnsentGame(const std::filesystem::path& gameFolder,
                                                    bool& ok);

// Where a character's kept game is (whether or not there is one).
std::filesystem::path KeptGamePath(const std::filesystem::path& gameFolder,
                                   const std::string& character);

// The character's kept game, if there is one, with the local time it was written
// ("09.12.2026 08:40").
struct KeptGame {
  std::filesystem::path path;
  std::string writtenAt;
};
std::optional<KeptGame> FindKeptGame(const std::filesystem::path& gameFolder,
                                     const std::string& character);
