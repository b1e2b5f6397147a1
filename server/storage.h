#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the server keeps accounts, characters and their games. The server sees only these
// operations; one database file behind them today (storage_sqlite.cpp), another database could
// be put behind them by implementing this header again.
//
// Account ids and character names are byte strings compared exactly; an account id is never
// stored as it is, only its hash (see account_hash.h), and a store made by an older server is
// converted when it is opened. Every change is one
// transaction: when a call reports kDone the change is on disk, and a server killed at any
// moment leaves the store as it was before or after each change, never in between.

struct Storage;
struct StorageCloser {
  void operator()(Storage* storage) const;
};
using StorageHandle = std::unique_ptr<Storage, StorageCloser>;

// Opens the store, creating it when missing. Null with `error` set when it cannot be opened.
StorageHandle OpenStorage(const std::filesystem::path& file, std::string* error);

enum class StoreResult {
  kDone,
  kNameTaken,  // the account id or character name exists already
  kNotFound,   // no such account, or no such character of that account
  kFailed,     // the database failed; LastStorageError says how
};

// kDone when the account exists, kNotFound when not.
StoreResult FindAccount(Storage& storage, std::string_view accountId);
StoreResult AddAccount(Storage& storage, std::string_view accountId);

// The account's characters in the order they were made.
StoreResult ListCharacters(Storage& storage, std::string_view accountId,
                           std::vector<std::string>& names);

// Names are unique across the store, whatever the account.
StoreResult AddCharacter(Storage& storage, std::string_view accountId, std::string_view name,
                         std::string_view game);
StoreResult DeleteCharacter(Storage& storage, std::string_view accountId, std::string_view name);

StoreResult LoadGame(Storage& storage, std::string_view accountId, std::string_view name,
                     std::string& game);
StoreResult ReplaceGame(Storage& storage, std::string_view accountId, std::string_view name,
                        std::string_view game);

// What the last failed call met.
std::string LastStorageError(const Storage& storage);

// A testing aid for crash safety: every change waits this long inside its transaction, before
// committing, so a test can kill the server while a change is under way.
void SetCommitDelay(Storage& storage, int milliseconds);
