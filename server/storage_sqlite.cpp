// The store in one SQLite database file, in WAL mode: readers never block the writer, and a
// commit is one append to the log, synced before the call returns. Account ids are kept only as
// their hashes (AccountHash): every call hashes the id it is given.
#include <sqlite3.h>

#include <chrono>
#include <functional>
#include <thread>

#include "server/account_hash.h"
#include "server/storage.h"

struct Storage {
  sqlite3* db = nullptr;
  std::string lastError;
  int commitDelayMs = 0;
};

namespace {

// 1: account ids in the clear; 2: their hashes.
constexpr int kSchemaVersion = 2;

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS accounts (
  id BLOB PRIMARY KEY,
  created INTEGER NOT NULL
) WITHOUT ROWID;
CREATE TABLE IF NOT EXISTS characters (
  id INTEGER PRIMARY KEY,
  name BLOB NOT NULL UNIQUE,
  account BLOB NOT NULL REFERENCES accounts(id),
  game BLOB NOT NULL,
  updated INTEGER NOT NULL
);
CREATE INDEX IF NOT EXISTS characters_by_account ON characters(account, id);
)";

// One prepared statement, finalized when it goes out of scope.
struct Statement {
  sqlite3_stmt* stmt = nullptr;
  Statement(Storage& storage, const char* sql) {
    if (sqlite3_prepare_v2(storage.db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
      storage.lastError = sqlite3_errmsg(storage.db);
      stmt = nullptr;
    }
  }
  ~Statement() { sqlite3_finalize(stmt); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // Binds byte strings as blobs, so that they compare byte for byte.
  void Bind(int index, std::string_view bytes) {
    if (bytes.empty()) {
      sqlite3_bind_zeroblob(stmt, index, 0);  // a null pointer would bind NULL
      return;
    }
    sqlite3_bind_blob(stmt, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  }
  std::string Column(int index) {
    const void* data = sqlite3_column_blob(stmt, index);
    const int size = sqlite3_column_bytes(stmt, index);
    return data ? std::string(static_cast<const char*>(data), size) : std::string();
  }
};

long long NowSeconds() {
  return std::chrono::duration_cast<std::chrono::seconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

bool Execute(Storage& storage, const char* sql) {
  char* message = nullptr;
  if (sqlite3_exec(storage.db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
  storage.lastError = message ? message : sqlite3_errmsg(storage.db);
  sqlite3_free(message);
  return false;
}

// Steps a statement that returns no rows; SQLITE_DONE, SQLITE_CONSTRAINT or an error code.
int StepChange(Storage& storage, Statement& statement) {
  if (!statement.stmt) return SQLITE_ERROR;
  const int code = sqlite3_step(statement.stmt);
  if (code != SQLITE_DONE) storage.lastError = sqlite3_errmsg(storage.db);
  return code == SQLITE_DONE ? SQLITE_DONE : (code & 0xFF);
}

// Runs `change` in one write transaction, committed when it reports kDone and rolled back
// otherwise.
StoreResult InTransaction(Storage& storage, const std::function<StoreResult()>& change) {
  if (!Execute(storage, "BEGIN IMMEDIATE")) return StoreResult::kFailed;
  const StoreResult result = change();
  if (result != StoreResult::kDone) {
    Execute(storage, "ROLLBACK");
    return result;
  }
  if (storage.commitDelayMs > 0) {
    std::this_thread::sleep_for(std::chrono::milliseconds(storage.commitDelayMs));
  }
  if (!Execute(storage, "COMMIT")) {
    Execute(storage, "ROLLBACK");
    return StoreResult::kFailed;
  }
  return StoreResult::kDone;
}

StoreResult FindRow(Storage& storage, const char* sql, std::string_view a, std::string_view b) {
  Statement statement(storage, sql);
  if (!statement.stmt) return StoreResult::kFailed;
  statement.Bind(1, a);
  if (sqlite3_bind_parameter_count(statement.stmt) > 1) statement.Bind(2, b);
  const int code = sqlite3_step(statement.stmt);
  if (code == SQLITE_ROW) return StoreResult::kDone;
  if (code == SQLITE_DONE) return StoreResult::kNotFound;
  storage.lastError = sqlite3_errmsg(storage.db);
  return StoreResult::kFailed;
}

// Replaces every account id of a schema-1 database by its hash, in the characters too. The
// foreign key is checked at the commit, when both tables agree again.
bool HashStoredAccountIds(Storage& storage) {
  std::vector<std::string> ids;
  {
    Statement select(storage, "SELECT id FROM accounts");
    if (!select.stmt) return false;
    while (sqlite3_step(select.stmt) == SQLITE_ROW) ids.push_back(select.Column(0));
  }
  if (!Execute(storage, "PRAGMA defer_foreign_keys=ON")) return false;
  for (const std::string& id : ids) {
    const std::string hash = AccountHash(id);
    for (const char* sql : {"UPDATE characters SET account = ?2 WHERE account = ?1",
                            "UPDATE accounts SET id = ?2 WHERE id = ?1"}) {
      Statement update(storage, sql);
      if (!update.stmt) return false;
      update.Bind(1, id);
      update.Bind(2, hash);
      if (StepChange(storage, update) != SQLITE_DONE) return false;
    }
  }
  return true;
}

bool PrepareDatabase(Storage& storage) {
  if (!Execute(storage, "PRAGMA journal_mode=WAL") ||
      !Execute(storage, "PRAGMA synchronous=FULL") || !Execute(storage, "PRAGMA foreign_keys=ON")) {
    return false;
  }
  sqlite3_busy_timeout(storage.db, 2000);
  if (!Execute(storage, "BEGIN IMMEDIATE")) return false;
  Statement version(storage, "PRAGMA user_version");
  if (!version.stmt || sqlite3_step(version.stmt) != SQLITE_ROW) {
    Execute(storage, "ROLLBACK");
    return false;
  }
  const int found = sqlite3_column_int(version.stmt, 0);
  sqlite3_reset(version.stmt);
  if (found > kSchemaVersion) {
    storage.lastError =
        "the database was made by a newer server (schema " + std::to_string(found) + ")";
    Execute(storage, "ROLLBACK");
    return false;
  }
  const bool ready = Execute(storage, kSchema) && (found != 1 || HashStoredAccountIds(storage)) &&
                     Execute(storage, "PRAGMA user_version=2") && Execute(storage, "COMMIT");
  if (!ready) {
    const std::string error = storage.lastError;
    Execute(storage, "ROLLBACK");
    storage.lastError = error;
  }
  return ready;
}

}  // namespace

void StorageCloser::operator()(Storage* storage) const {
  if (!storage) return;
  sqlite3_close(storage->db);
  delete storage;
}

StorageHandle OpenStorage(const std::filesystem::path& file, std::string* error) {
  StorageHandle storage(new Storage);
  const int code = sqlite3_open_v2(file.c_str(), &storage->db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (code != SQLITE_OK || !PrepareDatabase(*storage)) {
    if (error) {
      *error =
          file.string() + ": " +
          (storage->lastError.empty() ? std::string(sqlite3_errstr(code)) : storage->lastError);
    }
    return nullptr;
  }
  return storage;
}

StoreResult FindAccount(Storage& storage, std::string_view accountId) {
  return FindRow(storage, "SELECT 1 FROM accounts WHERE id = ?1", AccountHash(accountId), {});
}

StoreResult AddAccount(Storage& storage, std::string_view accountId) {
  return InTransaction(storage, [&] {
    Statement insert(storage, "INSERT INTO accounts (id, created) VALUES (?1, ?2)");
    if (!insert.stmt) return StoreResult::kFailed;
    insert.Bind(1, AccountHash(accountId));
    sqlite3_bind_int64(insert.stmt, 2, NowSeconds());
    const int code = StepChange(storage, insert);
    if (code == SQLITE_CONSTRAINT) return StoreResult::kNameTaken;
    return code == SQLITE_DONE ? StoreResult::kDone : StoreResult::kFailed;
  });
}

StoreResult ListCharacters(Storage& storage, std::string_view accountId,
                           std::vector<std::string>& names) {
  names.clear();
  Statement select(storage, "SELECT name FROM characters WHERE account = ?1 ORDER BY id");
  if (!select.stmt) return StoreResult::kFailed;
  select.Bind(1, AccountHash(accountId));
  int code;
  while ((code = sqlite3_step(select.stmt)) == SQLITE_ROW) names.push_back(select.Column(0));
  if (code == SQLITE_DONE) return StoreResult::kDone;
  storage.lastError = sqlite3_errmsg(storage.db);
  return StoreResult::kFailed;
}

StoreResult AddCharacter(Storage& storage, std::string_view accountId, std::string_view name,
                         std::string_view game) {
  return InTransaction(storage, [&] {
    const StoreResult account = FindAccount(storage, accountId);
    if (account != StoreResult::kDone) return account;
    Statement insert(storage,
                     "INSERT INTO characters (name, account, game, updated) "
                     "VALUES (?1, ?2, ?3, ?4)");
    if (!insert.stmt) return StoreResult::kFailed;
    insert.Bind(1, name);
    insert.Bind(2, AccountHash(accountId));
    insert.Bind(3, game);
    sqlite3_bind_int64(insert.stmt, 4, NowSeconds());
    const int code = StepChange(storage, insert);
    if (code == SQLITE_CONSTRAINT) return StoreResult::kNameTaken;
    return code == SQLITE_DONE ? StoreResult::kDone : StoreResult::kFailed;
  });
}

StoreResult DeleteCharacter(Storage& storage, std::string_view accountId, std::string_view name) {
  return InTransaction(storage, [&] {
    Statement remove(storage, "DELETE FROM characters WHERE account = ?1 AND name = ?2");
    if (!remove.stmt) return StoreResult::kFailed;
    remove.Bind(1, AccountHash(accountId));
    remove.Bind(2, name);
    if (StepChange(storage, remove) != SQLITE_DONE) return StoreResult::kFailed;
    return sqlite3_changes(storage.db) == 1 ? StoreResult::kDone : StoreResult::kNotFound;
  });
}

StoreResult LoadGame(Storage& storage, std::string_view accountId, std::string_view name,
                     std::string& game) {
  Statement select(storage, "SELECT game FROM characters WHERE account = ?1 AND name = ?2");
  if (!select.stmt) return StoreResult::kFailed;
  select.Bind(1, AccountHash(accountId));
  select.Bind(2, name);
  const int code = sqlite3_step(select.stmt);
  if (code == SQLITE_ROW) {
    game = select.Column(0);
    return StoreResult::kDone;
  }
  if (code == SQLITE_DONE) return StoreResult::kNotFound;
  storage.lastError = sqlite3_errmsg(storage.db);
  return StoreResult::kFailed;
}

StoreResult ReplaceGame(Storage& storage, std::string_view accountId, std::string_view name,
                        std::string_view game) {
  return InTransaction(storage, [&] {
    Statement update(storage,
                     "UPDATE characters SET game = ?3, updated = ?4 "
                     "WHERE account = ?1 AND name = ?2");
    if (!update.stmt) return StoreResult::kFailed;
    update.Bind(1, AccountHash(accountId));
    update.Bind(2, name);
    update.Bind(3, game);
    sqlite3_bind_int64(update.stmt, 4, NowSeconds());
    if (StepChange(storage, update) != SQLITE_DONE) return StoreResult::kFailed;
    return sqlite3_changes(storage.db) == 1 ? StoreResult::kDone : StoreResult::kNotFound;
  });
}

std::string LastStorageError(const Storage& storage) {
  return storage.lastError;
}

void SetCommitDelay(Storage& storage, int milliseconds) {
  storage.commitDelayMs = milliseconds;
}
