#pragma once

#include <functional>
#include <memory>
#include <string>

#include "server/event_loop.h"
#include "server/options.h"
#include "server/session.h"
#include "server/storage.h"
#include "server/storage_worker.h"

// velmarith-server put together: the store, the session and the event loop. main() runs it;
// tests run the same on a thread of their own.
struct Server {
  StorageHandle storage;
  StorageWorker worker;  // owns the store while RunServer runs
  Session session;
  ServerLoop loop;
};

// Opens the database, reads the universe's shape and the template game from the game folder and
// starts listening. Null with `error` set when any of it fails.
std::unique_ptr<Server> StartServer(const ServerOptions& options,
                                    std::function<void(const std::string&)> log,
                                    std::string* error);

// Serves until StopServer, then finishes the storage jobs under way and closes every connection
// and the database.
void RunServer(Server& server);

// Ends RunServer; safe from a signal handler and from another thread.
void StopServer(const Server& server);

// The log line with its time, as velmarith-server writes it to stderr.
void WriteLogLine(const std::string& line);

// The whole program: options, signals, start, serve. Returns the exit status.
int ServerMain(int argc, char** argv);
