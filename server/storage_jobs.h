#pragma once

#include <string>
#include <vector>

#include "server/storage.h"

// What the session asks of the store, as plain records: the session queues a job, the storage
// worker (storage_worker.h) runs it on its own thread, and the answer goes back to the session.
// So no database call ever holds up the relay. Jobs run one at a time, in the order queued.

enum class StorageJobKind {
  kHello,       // find the account; its character list
  kNewAccount,  // make an account with a fresh id
  kCreate,      // make a character from the template game (five at most); the list after
  kDelete,      // delete the account's character; the list after
  kJoin,        // load the character's game; the list when there is none
  kStoreGame,   // replace the character's game
};

struct StorageJob {
  StorageJobKind kind = StorageJobKind::kHello;
  int clientId = 0;
  std::string clientTag;  // the client's log prefix, for answers that outlive the connection
  std::string accountId;  // as the client sent it, trimmed; the store keeps only its hash
  std::string name;       // the character
  std::string game;       // kCreate: the template game; kStoreGame: the returned game
};

struct StorageAnswer {
  StorageJobKind kind = StorageJobKind::kHello;
  int clientId = 0;
  std::string clientTag;
  StoreResult result = StoreResult::kFailed;
  bool accountFull = false;        // kCreate: the account has five characters already
  std::string accountId;           // the job's; kNewAccount: the id made
  std::string name;                // the character of the job
  std::vector<std::string> names;  // the account's characters
  std::string game;                // kJoin: the loaded game
  std::size_t gameBytes = 0;       // kStoreGame: the size stored
  std::string error;               // kFailed: what the store met
};

// Runs one job against the store.
StorageAnswer RunStorageJob(Storage& storage, StorageJob job);
