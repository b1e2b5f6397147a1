#include "server/options.h"

#include <charconv>

namespace {

bool ParseNumber(const std::string& text, int low, int high, int& value) {
  int parsed = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high) {
    return false;
  }
  value = parsed;
  return true;
}

}  // namespace

std::string ServerUsage() {
  return "usage: velmarith-server [options]\n"
         "  --port N          TCP port (default 7001; 0 picks a free one)\n"
         "  --listen ADDRESS  numeric address to listen on (default 127.0.0.1; 0.0.0.0 for all)\n"
         "  --db FILE         database file (default velmarith-server.db beside the program)\n"
         "  --game FOLDER     game folder: universe and SAVE/Neuer Charakter.sav\n"
         "                    (default the program's folder)\n"
         "  --max-clients N   connections at once (default 64, at most 1000)\n"
         "  --port-file FILE  write the port there once listening\n"
         "  --flush-ms N      turn the loop at most every N ms (default 0)\n"
         "  --commit-delay-ms N  testing aid: every change waits N ms before it commits\n"
         "Limits for a public server (tests and benchmarks with many clients on one address\n"
         "lift the first two):\n"
         "  --max-per-address N    connections from one address at once (default 8)\n"
         "  --accounts-per-hour N  new accounts per address and hour (default 5)\n"
         "  --requests-per-second N  hello, create, delete and join per connection\n"
         "                       (default 2, bursts of 5; far past it the connection is dropped)\n"
         "  --hello-seconds N      close a connection without a hello after N s (default 10)\n"
         "  --idle-seconds N       close a connection on the character screens silent for\n"
         "                       N s (default 300); players in flight are never closed for "
         "silence\n"
         "  --max-game-kib N       refuse a returned game larger than N KiB (default 256)\n"
         "  --game-store-seconds N  store one character's game at most every N s (default 3)\n"
         "  --upload-mib N         game uploads under way of all clients together (default 64)\n";
}

ParsedOptions ParseServerOptions(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& programFolder) {
  ParsedOptions parsed;
  ServerOptions& options = parsed.options;
  options.database = programFolder / "velmarith-server.db";
  options.gameFolder = programFolder;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") {
      parsed.help = true;
      parsed.message = ServerUsage();
      return parsed;
    }
    if (i + 1 >= arguments.size()) {
      parsed.message =
          name.rfind("--", 0) == 0 ? name + " needs a value" : "unknown argument " + name;
      return parsed;
    }
    const std::string& value = arguments[++i];
    bool good = true;
    if (name == "--port") {
      good = ParseNumber(value, 0, 65535, options.port);
    } else if (name == "--listen") {
      options.listenAddress = value;
    } else if (name == "--db") {
      options.database = value;
    } else if (name == "--game") {
      options.gameFolder = value;
    } else if (name == "--max-clients") {
      good = ParseNumber(value, 1, 1000, options.maxClients);  // within the usual 1024 files
    } else if (name == "--port-file") {
      options.portFile = value;
    } else if (name == "--flush-ms") {
      int flush = 0;
      good = ParseNumber(value, 0, 100, flush);
      options.flushMs = flush;
    } else if (name == "--commit-delay-ms") {
      good = ParseNumber(value, 0, 600000, options.commitDelayMs);
    } else if (name == "--max-per-address") {
      good = ParseNumber(value, 1, 1000, options.maxPerAddress);
    } else if (name == "--accounts-per-hour") {
      good = ParseNumber(value, 0, 1000000, options.accountsPerHour);
    } else if (name == "--requests-per-second") {
      good = ParseNumber(value, 1, 100000, options.requestsPerSecond);
    } else if (name == "--hello-seconds") {
      good = ParseNumber(value, 1, 3600, options.helloSeconds);
    } else if (name == "--idle-seconds") {
      good = ParseNumber(value, 1, 86400, options.idleSeconds);
    } else if (name == "--max-game-kib") {
      good = ParseNumber(value, 8, 16384, options.maxGameKib);
    } else if (name == "--game-store-seconds") {
      good = ParseNumber(value, 0, 3600, options.gameStoreSeconds);
    } else if (name == "--upload-mib") {
      good = ParseNumber(value, 1, 4096, options.uploadMib);
    } else {
      parsed.message = "unknown option " + name;
      return parsed;
    }
    if (!good || value.empty()) {
      parsed.message = "bad value for " + name + ": " + value;
      return parsed;
    }
  }
  parsed.ok = true;
  return parsed;
}
