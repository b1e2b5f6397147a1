#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The command line of velmarith-server.
struct ServerOptions {
  std::string listenAddress = "127.0.0.1";
  int port = 7001;                   // 0: any free port (see portFile)
  std::filesystem::path database;    // default: velmarith-server.db beside the program
  std::filesystem::path gameFolder;  // default: the program's folder
  int maxClients = 64;
  std::filesystem::path portFile;  // when set, the port is written there once listening
  double flushMs = 0;              // least milliseconds between loop turns
  int commitDelayMs = 0;           // testing aid: hold every change open this long
  // Limits that keep one client from hurting the others (see SessionLimits).
  int maxPerAddress = 8;      // connections from one address at once
  int helloSeconds = 10;      // a connection that has not said hello is closed
  int idleSeconds = 300;      // a greeted connection out of play that sends nothing is closed
  int accountsPerHour = 5;    // new accounts per address
  int maxGameKib = 256;       // a larger returned game is refused
  int gameStoreSeconds = 3;   // least time between two stores of one character's game
  int uploadMib = 64;         // unfinished game uploads of all clients together
  int requestsPerSecond = 2;  // hello, create, delete and join per connection (burst 5)
};

struct ParsedOptions {
  bool ok = false;
  bool help = false;    // --help: print `message` and end well
  std::string message;  // the usage text, or what is wrong
  ServerOptions options;
};

ParsedOptions ParseServerOptions(const std::vector<std::string>& arguments,
                                 const std::filesystem::path& programFolder);

std::string ServerUsage();
