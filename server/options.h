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
