// The real velmarith-server program: started as a game folder holds it, stopped by signals and
// killed in the middle of storing a game.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "formats/file_io.h"
#include "tests/server/server_fixture.h"

extern char** environ;

namespace {

struct ServerProcess {
  pid_t pid = -1;
  int port = 0;
  int exitStatus = -1;  // once it has ended
  std::filesystem::path logFile;
};

int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string ReadLog(const ServerProcess& process) {
  return ReadFileBytes(process.logFile).value_or("");
}

// Starts the program with stderr going to `logFile`; waits until it listens.
ServerProcess Spawn(const std::filesystem::path& folder, std::vector<std::string> arguments) {
  ServerProcess process;
  process.logFile = folder / "server.log";
  const std::filesystem::path portFile = folder / "port";
  std::filesystem::remove(portFile);
  arguments.insert(arguments.begin(),
                   {VELMARITH_SERVER_BINARY, "--port", "0", "--port-file", portFile.string()});
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, process.logFile.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0644);
  const int spawned = posix_spawn(&process.pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(spawned, 0);
  for (int i = 0; i < 1000 && process.port == 0; ++i) {
    int status = 0;
    if (waitpid(process.pid, &status, WNOHANG) == process.pid) {
      process.exitStatus = ExitStatus(status);
      process.pid = -1;
      break;
    }
    if (const auto text = ReadFileBytes(portFile); text && !text->empty()) {
      process.port = std::stoi(*text);
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  return process;
}

int WaitExit(ServerProcess& process) {
  if (process.pid > 0) {
    int status = 0;
    waitpid(process.pid, &status, 0);
    process.pid = -1;
    process.exitStatus = ExitStatus(status);
  }
  return process.exitStatus;
}

int Signal(ServerProcess& process, int signal) {
  if (process.pid > 0) kill(process.pid, signal);
  return WaitExit(process);
}

bool WaitForLog(const ServerProcess& process, const std::string& text) {
  for (int i = 0; i < 500; ++i) {
    if (ReadLog(process).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

std::string StoredGame(const std::filesystem::path& database) {
  std::string error;
  StorageHandle storage = OpenStorage(database, &error);
  EXPECT_TRUE(storage) << error;
  std::string game;
  if (storage) {
    EXPECT_EQ(LoadGame(*storage, "A1", "Kira", game), StoreResult::kDone);
  }
  return game;
}

// Joins as Kira of account A1 and sends `game` back.
void PlayAndReturn(int port, const std::string& game) {
  TestClient client;
  ASSERT_TRUE(ConnectTestClient(client, port));
  SendMessage(client, NetHello{"A1"});
  ASSERT_EQ(ReceiveAs<NetCharacterList>(client), NetCharacterList{{"Kira"}});
  SendMessage(client, NetJoin{"A1", "Kira"});
  ASSERT_TRUE(ReceiveAs<NetFile>(client));
  SendMessage(client, NetFile{game});
}

}  // namespace

TEST(ServerProcess, ListensOnAFreePortAndEndsCleanlyOnSigtermAndSigint) {
  TempFolder scratch{"server"};
  WriteServerGameFolder(scratch.path / "game");
  const std::vector<std::string> arguments = {"--game", (scratch.path / "game").string(), "--db",
                                              (scratch.path / "server.db").string()};
  for (int signal : {SIGTERM, SIGINT}) {
    ServerProcess server = Spawn(scratch.path, arguments);
    ASSERT_GT(server.port, 0);
    TestClient client;
    ASSERT_TRUE(ConnectTestClient(client, server.port));
    EXPECT_EQ(NewAccount(client).size(), 12u);
    EXPECT_EQ(Signal(server, signal), 0);
    EXPECT_TRUE(WaitClosed(client));
    const std::string log = ReadLog(server);
    for (const char* line : {"listening on 127.0.0.1:", "] connected", "] new account ",
                             "shutting down", "] closed: server shutting down"}) {
      EXPECT_NE(log.find(line), std::string::npos) << line << " in\n" << log;
    }
    std::filesystem::remove(server.logFile);
  }
}

TEST(ServerProcess, RefusesToStartWithoutAUsableGameFolderOrWithBadOptions) {
  TempFolder scratch{"server"};
  WriteServerGameFolder(scratch.path / "game");
  const std::string db = (scratch.path / "server.db").string();
  ServerProcess server = Spawn(scratch.path, {"--game", (scratch.path / "none").string()});
  EXPECT_EQ(WaitExit(server), 1);
  EXPECT_NE(ReadLog(server).find("is not a game folder"), std::string::npos);

  // A template of another universe.
  WriteFileAtomically(scratch.path / "game" / "SAVE" / "Neuer Charakter.sav",
                      MakeSaveGame({.groupCount = 1, .placeCount = 3}, 1));
  server = Spawn(scratch.path, {"--game", (scratch.path / "game").string(), "--db", db});
  EXPECT_EQ(WaitExit(server), 1);
  EXPECT_NE(ReadLog(server).find("does not fit the universe"), std::string::npos);

  server = Spawn(scratch.path, {"--max-clients", "0"});
  EXPECT_EQ(WaitExit(server), 2);
  EXPECT_NE(ReadLog(server).find("bad value for --max-clients: 0"), std::string::npos);
}

TEST(ServerProcess, KilledWhileStoringAGameItKeepsTheOldOrTheNewOne) {
  TempFolder scratch{"server"};
  WriteServerGameFolder(scratch.path / "game");
  const auto database = scratch.path / "server.db";
  const std::string before = MakeSaveGame(kFixtureShape, 1);
  {
    std::string error;
    StorageHandle storage = OpenStorage(database, &error);
    ASSERT_TRUE(storage) << error;
    ASSERT_EQ(AddAccount(*storage, "A1"), StoreResult::kDone);
    ASSERT_EQ(AddCharacter(*storage, "A1", "Kira", before), StoreResult::kDone);
  }
  // Large, so that the change is more than a page or two.
  const std::string after = MakeSaveGame(kFixtureShape, 2, std::string(600 * 1024, '7'));
  const std::vector<std::string> arguments = {"--game",         (scratch.path / "game").string(),
                                              "--db",           database.string(),
                                              "--max-game-kib", "1024"};

  // Killed inside the transaction: the old game.
  std::vector<std::string> slow = arguments;
  slow.insert(slow.end(), {"--commit-delay-ms", "3000"});
  ServerProcess server = Spawn(scratch.path, slow);
  ASSERT_GT(server.port, 0);
  PlayAndReturn(server.port, after);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_EQ(Signal(server, SIGKILL), 128 + SIGKILL);
  EXPECT_EQ(ReadLog(server).find("stored"), std::string::npos);
  EXPECT_EQ(StoredGame(database), before);

  // Killed right after it said the game is stored: the new game.
  server = Spawn(scratch.path, arguments);
  ASSERT_GT(server.port, 0);
  PlayAndReturn(server.port, after);
  EXPECT_TRUE(WaitForLog(server, "game of 'Kira' stored"));
  EXPECT_EQ(Signal(server, SIGKILL), 128 + SIGKILL);
  EXPECT_EQ(StoredGame(database), after);

  // And the restarted server hands it out.
  server = Spawn(scratch.path, arguments);
  ASSERT_GT(server.port, 0);
  TestClient client;
  ASSERT_TRUE(ConnectTestClient(client, server.port));
  SendMessage(client, NetHello{"A1"});
  SendMessage(client, NetJoin{"A1", "Kira"});
  EXPECT_TRUE(ReceiveAs<NetCharacterList>(client));
  EXPECT_EQ(ReceiveAs<NetFile>(client), NetFile{after});
  EXPECT_EQ(Signal(server, SIGTERM), 0);
}

TEST(ServerProcess, ServesTheAssembledSampleGameFolder) {
  const std::filesystem::path folder = VELMARITH_TEST_GAME_DIR;
  const std::optional<std::string> templateGame =
      ReadFileBytes(folder / "SAVE" / "Neuer Charakter.sav");
  ASSERT_TRUE(templateGame) << "no template game in " << folder;
  TempFolder scratch{"server"};
  ServerProcess server =
      Spawn(scratch.path, {"--game", folder.string(), "--db", (scratch.path / "s.db").string()});
  ASSERT_GT(server.port, 0) << ReadLog(server);
  TestClient client;
  ASSERT_TRUE(ConnectTestClient(client, server.port));
  const std::string account = NewAccount(client);
  SendMessage(client, NetCreateCharacter{account, "Kira"});
  EXPECT_EQ(ReceiveAs<NetCharacterList>(client), NetCharacterList{{"Kira"}});
  SendMessage(client, NetJoin{account, "Kira"});
  EXPECT_EQ(ReceiveAs<NetFile>(client), NetFile{*templateGame});
  // The game the folder's universe made fits it when it comes back.
  SendMessage(client, NetFile{*templateGame});
  EXPECT_TRUE(WaitForLog(server, "game of 'Kira' stored"));
  EXPECT_EQ(Signal(server, SIGTERM), 0);
}
