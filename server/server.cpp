#include "server/server.h"

#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/save_check.h"

namespace {

// The loop that SIGINT and SIGTERM stop; set while it runs.
const Server* gSignalledServer = nullptr;

void OnStopSignal(int) {
  if (gSignalledServer) StopServer(*gSignalledServer);
}

std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::current_path() : program.parent_path();
}

bool LoadGameFolder(const ServerOptions& options, Session& session, std::string* error) {
  const std::filesystem::path& folder = options.gameFolder;
  if (!std::filesystem::is_regular_file(DataPath(folder, "INI\\Universum.ini"))) {
    *error = folder.string() + " is not a game folder (no INI/Universum.ini)";
    return false;
  }
  session.universe = LoadUniverseShape(folder);
  const std::filesystem::path templatePath = DataPath(folder, SaveDataPath(kNewCharacterSaveName));
  const std::optional<std::string> game = ReadFileBytes(templatePath);
  if (!game) {
    *error = "no template game for new characters: " + templatePath.string();
    return false;
  }
  if (const SaveCheck check = CheckSaveFile(*game, session.universe); !check.fits) {
    *error = templatePath.string() + " does not fit the universe of " + folder.string() + ": " +
             check.reason;
    return false;
  }
  session.templateGame = *game;
  return true;
}

void ApplyLimits(const ServerOptions& options, Server& server) {
  SessionLimits& limits = server.session.limits;
  limits.helloSeconds = options.helloSeconds;
  limits.idleSeconds = options.idleSeconds;
  limits.accountsPerHour = options.accountsPerHour;
  limits.maxGameBytes = static_cast<std::int64_t>(options.maxGameKib) * 1024;
  limits.gameStoreSeconds = options.gameStoreSeconds;
  limits.maxUploadBytes = static_cast<std::size_t>(options.uploadMib) << 20;
  limits.requestsPerSecond = options.requestsPerSecond;
  server.loop.maxPerAddress = options.maxPerAddress;
  server.loop.flushInterval = options.flushMs / 1000.0;
}

bool WritePortFile(const std::filesystem::path& file, int port, std::string* error) {
  const WriteResult written = WriteFileAtomically(file, std::to_string(port) + "\n");
  if (!written.ok) *error = written.message;
  return written.ok;
}

}  // namespace

std::unique_ptr<Server> StartServer(const ServerOptions& options,
                                    std::function<void(const std::string&)> log,
                                    std::string* error) {
  auto server = std::make_unique<Server>();
  server->session.log = std::move(log);
  if (!LoadGameFolder(options, server->session, error)) return nullptr;
  server->storage = OpenStorage(options.database, error);
  if (!server->storage) return nullptr;
  SetCommitDelay(*server->storage, options.commitDelayMs);
  if (!OpenServerLoop(server->loop, options.listenAddress, options.port, options.maxClients,
                      error)) {
    return nullptr;
  }
  ApplyLimits(options, *server);
  if (!options.portFile.empty() && !WritePortFile(options.portFile, server->loop.port, error)) {
    CloseServerLoop(server->loop, server->session);
    return nullptr;
  }
  if (server->session.log) {
    server->session.log("listening on " + server->loop.address + ", database " +
                        options.database.string() + ", game folder " + options.gameFolder.string() +
                        " (" + std::to_string(server->session.universe.placeCount) + " places)");
  }
  return server;
}

void RunServer(Server& server) {
  std::string error;
  if (StartStorageWorker(server.worker, *server.storage, &error)) {
    RunServerLoop(server.loop, server.session, server.worker);
  } else if (server.session.log) {
    server.session.log(error);
  }
  // A game returned just before the end is on disk before the server ends.
  for (; !server.session.jobs.empty(); server.session.jobs.pop_front()) {
    PostStorageJob(server.worker, std::move(server.session.jobs.front()));
  }
  StopStorageWorker(server.worker);
  const double now =
      std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  for (const StorageAnswer& answer : TakeStorageAnswers(server.worker)) {
    FinishStorageJob(server.session, answer, now);
  }
  const ServerLoop& loop = server.loop;
  if (server.session.log) {
    server.session.log("shutting down after " + std::to_string(loop.turns) + " turns, " +
                       std::to_string(loop.sendCalls) + " sends, " + std::to_string(loop.bytesIn) +
                       " bytes in, " + std::to_string(loop.bytesOut) + " bytes out");
  }
  CloseServerLoop(server.loop, server.session);
  server.storage.reset();
}

void StopServer(const Server& server) {
  StopServerLoop(server.loop);
}

void WriteLogLine(const std::string& line) {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &utc);
  std::fprintf(stderr, "%s %s\n", stamp, line.c_str());
}

int ServerMain(int argc, char** argv) {
  const ParsedOptions parsed =
      ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc), ProgramFolder());
  if (parsed.help) {
    std::fputs(parsed.message.c_str(), stdout);
    return 0;
  }
  if (!parsed.ok) {
    std::fprintf(stderr, "velmarith-server: %s\n%s", parsed.message.c_str(), ServerUsage().c_str());
    return 2;
  }
  std::string error;
  std::unique_ptr<Server> server = StartServer(parsed.options, WriteLogLine, &error);
  if (!server) {
    std::fprintf(stderr, "velmarith-server: %s\n", error.c_str());
    return 1;
  }
  gSignalledServer = server.get();
  struct sigaction stop {};
  stop.sa_handler = OnStopSignal;
  sigemptyset(&stop.sa_mask);
  sigaction(SIGINT, &stop, nullptr);
  sigaction(SIGTERM, &stop, nullptr);
  std::signal(SIGPIPE, SIG_IGN);
  RunServer(*server);
  gSignalledServer = nullptr;
  return 0;
}
