// Network play as players meet it: the real game server on a free port and two headless games,
// each driven by a script of clicks, keys and checks, see each other fly and chat; the server
// keeps the games they bring back.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "formats/file_io.h"
#include "formats/save_check.h"
#include "formats/save_file.h"
#include "server/storage.h"
#include "tests/support/temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Process {
  pid_t pid = -1;
  int exitStatus = -1;
  fs::path log;
};

// Starts a program with stderr going to `log` and these variables added to the environment.
Process Spawn(std::vector<std::string> arguments, const std::vector<std::string>& variables,
              const fs::path& log) {
  std::vector<std::string> environment = variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string key = text.substr(0, text.find('=') + 1);
    bool replaced = false;
    for (const std::string& variable : variables) replaced |= variable.rfind(key, 0) == 0;
    if (!replaced) environment.push_back(text);
  }
  std::vector<char*> argv, envp;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  for (std::string& variable : environment) envp.push_back(variable.data());
  argv.push_back(nullptr);
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  Process process;
  process.log = log;
  EXPECT_EQ(posix_spawn(&process.pid, argv[0], &actions, nullptr, argv.data(), envp.data()), 0);
  posix_spawn_file_actions_destroy(&actions);
  return process;
}

bool Ended(Process& process) {
  if (process.pid <= 0) return true;
  int status = 0;
  if (waitpid(process.pid, &status, WNOHANG) != process.pid) return false;
  process.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  process.pid = -1;
  return true;
}

// Waits for the end; a process still running after `seconds` is killed.
int WaitExit(Process& process, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!Ended(process) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  if (process.pid > 0) {
    kill(process.pid, SIGKILL);
    waitpid(process.pid, nullptr, 0);
    process.pid = -1;
    process.exitStatus = -2;
  }
  return process.exitStatus;
}

std::string Log(const Process& process) {
  return ReadFileBytes(process.log).value_or("");
}

bool WaitFor(const std::function<bool()>& done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// A game folder of its own for one player (settings, saves) that shares the built universe,
// pictures and sounds.
fs::path MakeHome(const fs::path& root, const std::string& name) {
  const fs::path home = root / name;
  fs::create_directories(home / "SAVE");
  for (const char* folder : {"INI", "TXT", "BMP", "WAV"}) {
    fs::create_directory_symlink(fs::path(VELMARITH_TEST_GAME_DIR) / folder, home / folder);
  }
  return home;
}

std::string AccountIdOf(const fs::path& home) {
  const std::string settings = ReadFileBytes(home / "Konfigurationen.ini").value_or("");
  const std::string key = "MyAccountID$ = ";
  const size_t at = settings.find(key);
  if (at == std::string::npos) return "";
  const size_t end = settings.find_first_of("\r\n", at);
  return settings.substr(at + key.size(), end - at - key.size());
}

Process StartPlayer(const fs::path& root, const fs::path& home, const std::string& script,
                    int port) {
  return Spawn({VELMARITH_GAME_BINARY},
               {"VELMARITH_HEADLESS=1", "SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                "VELMARITH_SEED=1", "VELMARITH_HOME=" + home.string(),
                "VELMARITH_SCRIPT=" + std::string(VELMARITH_NET_SCRIPTS) + "/" + script,
                "VELMARITH_SERVER=127.0.0.1:" + std::to_string(port)},
               root / (script + ".log"));
}

struct Server {
  Process process;
  int port = 0;
};

// The real server on a free port with a scratch database in `root`.
Server StartServer(const fs::path& root) {
  const fs::path portFile = root / "port";
  fs::remove(portFile);
  Server server;
  server.process = Spawn({VELMARITH_SERVER_BINARY, "--port", "0", "--port-file", portFile.string(),
                          "--db", (root / "server.db").string(), "--game", VELMARITH_TEST_GAME_DIR},
                         {}, root / "server.log");
  EXPECT_TRUE(WaitFor([&] { return !ReadFileBytes(portFile).value_or("").empty(); }, 10))
      << Log(server.process);
  server.port = std::stoi(ReadFileBytes(portFile).value_or("0"));
  return server;
}

int StopServer(Server& server) {
  kill(server.process.pid, SIGTERM);
  return WaitExit(server.process, 10);
}

// The game the server keeps for a character.
SaveRead StoredGame(const fs::path& root, const fs::path& home, const std::string& name) {
  std::string error;
  StorageHandle storage = OpenStorage(root / "server.db", &error);
  std::string game;
  if (!storage || LoadGame(*storage, AccountIdOf(home), name, game) != StoreResult::kDone) {
    return SaveRead{};
  }
  return ReadSavedGame(game, LoadUniverseShape(VELMARITH_TEST_GAME_DIR));
}

SaveRead FreshCharacterGame() {
  return ReadSavedGame(
      ReadFileBytes(fs::path(VELMARITH_TEST_GAME_DIR) / "SAVE" / "Neuer Charakter.sav").value(),
      LoadUniverseShape(VELMARITH_TEST_GAME_DIR));
}

bool Joined(Server& server, const std::string& name) {
  return Log(server.process).find("joined as '" + name + "'") != std::string::npos;
}

// Waits until the player has joined (or ended first), then lets it fly for two seconds. False
// when neither happened in time.
bool JoinedAndFlown(Server& server, Process& player, const std::string& name) {
  if (!WaitFor([&] { return Joined(server, name) || Ended(player); }, 60)) return false;
  std::this_thread::sleep_for(std::chrono::seconds(2));
  return true;
}

TEST(NetworkPlay, TwoPlayersMeetFlyAndReturnTheirGames) {
  TempFolder root("net-play");
  Server started = StartServer(root.path);
  Process& server = started.process;
  const int port = started.port;
  ASSERT_NE(port, 0);

  const fs::path homeA = MakeHome(root.path, "alpha");
  const fs::path homeB = MakeHome(root.path, "bravo");
  Process alpha = StartPlayer(root.path, homeA, "player_alpha.txt", port);
  // The second player comes once the first flies, so that the numbers are 2 and 3.
  ASSERT_TRUE(WaitFor(
      [&] { return Log(server).find("joined as 'alpha'") != std::string::npos || Ended(alpha); },
      60))
      << Log(alpha);
  Process bravo = StartPlayer(root.path, homeB, "player_bravo.txt", port);
  const int alphaExit = WaitExit(alpha, 120);
  const int bravoExit = WaitExit(bravo, 60);
  kill(server.pid, SIGTERM);
  EXPECT_EQ(WaitExit(server, 10), 0);
  ASSERT_EQ(alphaExit, 0) << Log(alpha) << Log(server);
  ASSERT_EQ(bravoExit, 0) << Log(bravo) << Log(server);

  // Both games came back whole and are what the server now keeps.
  const std::string serverLog = Log(server);
  EXPECT_NE(serverLog.find("game of 'alpha' stored"), std::string::npos) << serverLog;
  EXPECT_NE(serverLog.find("game of 'bravo' stored"), std::string::npos) << serverLog;
  std::string error;
  StorageHandle storage = OpenStorage(root.path / "server.db", &error);
  ASSERT_TRUE(storage) << error;
  const std::string fresh =
      ReadFileBytes(fs::path(VELMARITH_TEST_GAME_DIR) / "SAVE" / "Neuer Charakter.sav").value();
  const UniverseShape shape = LoadUniverseShape(VELMARITH_TEST_GAME_DIR);
  for (const auto& [home, name] : {std::pair{homeA, "alpha"}, std::pair{homeB, "bravo"}}) {
    std::string game;
    ASSERT_EQ(LoadGame(*storage, AccountIdOf(home), name, game), StoreResult::kDone) << name;
    const SaveRead stored = ReadSavedGame(game, shape);
    ASSERT_TRUE(stored.ok) << name << ": " << stored.error;
    const SaveRead start = ReadSavedGame(fresh, shape);
    EXPECT_NE(stored.game.ship.y, start.game.ship.y) << name << " has flown";
    EXPECT_EQ(stored.game.dockedPlace, "") << name << " left in flight";
    EXPECT_EQ(game, ReadFileBytes(home / "SAVE" / "InternetFile.sav").value_or("")) << name;
  }
}

}  // namespace

namespace {

// Closing the window (here: the desktop ending the program) in flight returns the game as Escape
// does: the server keeps where the player flew, not where he joined.
TEST(NetworkPlay, EndingTheProgramInFlightReturnsTheGame) {
  TempFolder root("net-quit");
  Server server = StartServer(root.path);
  ASSERT_NE(server.port, 0);
  const fs::path home = MakeHome(root.path, "ada");
  Process player = StartPlayer(root.path, home, "player_flies_on.txt", server.port);
  ASSERT_TRUE(JoinedAndFlown(server, player, "ada")) << Log(player);
  kill(player.pid, SIGTERM);
  WaitExit(player, 10);
  ASSERT_TRUE(WaitFor(
      [&] { return Log(server.process).find("game of 'ada' stored") != std::string::npos; }, 5))
      << Log(server.process) << Log(player);
  EXPECT_EQ(StopServer(server), 0);
  const SaveRead stored = StoredGame(root.path, home, "ada");
  ASSERT_TRUE(stored.ok) << stored.error;
  EXPECT_NE(stored.game.ship.y, FreshCharacterGame().game.ship.y) << "ada has flown";
}

}  // namespace

namespace {

// The server dies mid-flight: Escape keeps the game here only. After the restart the join brings
// the server's older game, which must not cost the one kept here: it is offered, flown on from
// and sent at the next Escape, and the server then holds it.
TEST(NetworkPlay, AGameTheServerNeverGotIsKeptOfferedAndSent) {
  TempFolder root("net-unsent");
  Server server = StartServer(root.path);
  ASSERT_NE(server.port, 0);
  const fs::path home = MakeHome(root.path, "ada");
  Process player = StartPlayer(root.path, home, "unsent_kept.txt", server.port);
  ASSERT_TRUE(JoinedAndFlown(server, player, "ada")) << Log(player);
  kill(server.process.pid, SIGKILL);
  WaitExit(server.process, 10);
  ASSERT_EQ(WaitExit(player, 60), 0) << Log(player);
  const std::string kept = ReadFileBytes(home / "SAVE" / "InternetFile.sav").value_or("");
  const UniverseShape shape = LoadUniverseShape(VELMARITH_TEST_GAME_DIR);
  const SaveRead flown = ReadSavedGame(kept, shape);
  ASSERT_TRUE(flown.ok) << flown.error;
  const double start = FreshCharacterGame().game.ship.y;
  ASSERT_NE(flown.game.ship.y, start) << "ada has flown";

  server = StartServer(root.path);
  player = StartPlayer(root.path, home, "unsent_resumed.txt", server.port);
  const int exit = WaitExit(player, 90);
  EXPECT_EQ(StopServer(server), 0);
  ASSERT_EQ(exit, 0) << Log(player) << Log(server.process);
  // Nothing is left over as unsent: the server holds the game flown on from the kept one.
  EXPECT_FALSE(fs::exists(home / "SAVE" / "ada.ungesendet"));
  EXPECT_FALSE(fs::exists(home / "SAVE" / "InternetFile.offen"));
  const SaveRead stored = StoredGame(root.path, home, "ada");
  ASSERT_TRUE(stored.ok) << stored.error;
  EXPECT_LT(std::abs(stored.game.ship.y - flown.game.ship.y), std::abs(stored.game.ship.y - start))
      << "flown on from the kept game, not from the server's";
}

}  // namespace
