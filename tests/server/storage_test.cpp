#include "server/storage.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "formats/file_io.h"

#include "tests/server/server_fixture.h"

namespace {

StorageHandle Open(const std::filesystem::path& file) {
  std::string error;
  StorageHandle storage = OpenStorage(file, &error);
  EXPECT_TRUE(storage) << error;
  return storage;
}

std::vector<std::string> Names(Storage& storage, std::string_view account) {
  std::vector<std::string> names;
  EXPECT_EQ(ListCharacters(storage, account, names), StoreResult::kDone);
  return names;
}

}  // namespace

TEST(ServerStorage, AccountsAndCharactersAreMadeListedAndDeleted) {
  TempFolder scratch{"server"};
  StorageHandle storage = Open(scratch.path / "server.db");
  ASSERT_TRUE(storage);
  EXPECT_EQ(FindAccount(*storage, "A1"), StoreResult::kNotFound);
  EXPECT_EQ(AddAccount(*storage, "A1"), StoreResult::kDone);
  EXPECT_EQ(AddAccount(*storage, "A1"), StoreResult::kNameTaken);
  EXPECT_EQ(FindAccount(*storage, "A1"), StoreResult::kDone);
  EXPECT_EQ(FindAccount(*storage, "a1"), StoreResult::kNotFound);
  EXPECT_EQ(AddAccount(*storage, "B2"), StoreResult::kDone);

  // In the order made; names are unique across accounts, byte for byte.
  EXPECT_EQ(AddCharacter(*storage, "A1", "Zora", "game z"), StoreResult::kDone);
  EXPECT_EQ(AddCharacter(*storage, "A1", "J\xFCrgen", "game j"), StoreResult::kDone);
  EXPECT_EQ(AddCharacter(*storage, "B2", "Zora", "other"), StoreResult::kNameTaken);
  EXPECT_EQ(AddCharacter(*storage, "B2", "zora", "other"), StoreResult::kDone);
  EXPECT_EQ(AddCharacter(*storage, "NOPE", "Neu", "x"), StoreResult::kNotFound);
  EXPECT_EQ(Names(*storage, "A1"), (std::vector<std::string>{"Zora", "J\xFCrgen"}));
  EXPECT_EQ(Names(*storage, "B2"), (std::vector<std::string>{"zora"}));
  EXPECT_TRUE(Names(*storage, "NOPE").empty());

  // Only the account's own character goes.
  EXPECT_EQ(DeleteCharacter(*storage, "B2", "Zora"), StoreResult::kNotFound);
  EXPECT_EQ(DeleteCharacter(*storage, "A1", "Zora"), StoreResult::kDone);
  EXPECT_EQ(Names(*storage, "A1"), (std::vector<std::string>{"J\xFCrgen"}));
  // The name is free again.
  EXPECT_EQ(AddCharacter(*storage, "B2", "Zora", "again"), StoreResult::kDone);
}

TEST(ServerStorage, GamesAreLoadedAndReplacedWholeAsBytes) {
  TempFolder scratch{"server"};
  StorageHandle storage = Open(scratch.path / "server.db");
  ASSERT_TRUE(storage);
  const std::string first("\0\x01\r\nfirst\xFF", 10);
  ASSERT_EQ(AddAccount(*storage, "A1"), StoreResult::kDone);
  ASSERT_EQ(AddCharacter(*storage, "A1", "Kira", first), StoreResult::kDone);
  std::string game;
  EXPECT_EQ(LoadGame(*storage, "A1", "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, first);
  EXPECT_EQ(LoadGame(*storage, "B2", "Kira", game), StoreResult::kNotFound);

  const std::string big(900 * 1024, '\x5A');
  EXPECT_EQ(ReplaceGame(*storage, "A1", "Kira", big), StoreResult::kDone);
  EXPECT_EQ(ReplaceGame(*storage, "A1", "Niemand", "x"), StoreResult::kNotFound);
  EXPECT_EQ(ReplaceGame(*storage, "A1", "Kira", ""), StoreResult::kDone);
  EXPECT_EQ(LoadGame(*storage, "A1", "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, "");
  EXPECT_EQ(ReplaceGame(*storage, "A1", "Kira", big), StoreResult::kDone);
  EXPECT_EQ(LoadGame(*storage, "A1", "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, big);
}

TEST(ServerStorage, AReopenedDatabaseHoldsEverything) {
  TempFolder scratch{"server"};
  const auto file = scratch.path / "server.db";
  {
    StorageHandle storage = Open(file);
    ASSERT_TRUE(storage);
    ASSERT_EQ(AddAccount(*storage, "A1"), StoreResult::kDone);
    ASSERT_EQ(AddCharacter(*storage, "A1", "Kira", "alt"), StoreResult::kDone);
    ASSERT_EQ(AddCharacter(*storage, "A1", "Jo", "jo"), StoreResult::kDone);
    ASSERT_EQ(ReplaceGame(*storage, "A1", "Kira", "neu"), StoreResult::kDone);
  }
  StorageHandle storage = Open(file);
  ASSERT_TRUE(storage);
  EXPECT_EQ(FindAccount(*storage, "A1"), StoreResult::kDone);
  EXPECT_EQ(Names(*storage, "A1"), (std::vector<std::string>{"Kira", "Jo"}));
  std::string game;
  EXPECT_EQ(LoadGame(*storage, "A1", "Kira", game), StoreResult::kDone);
  EXPECT_EQ(game, "neu");
  EXPECT_EQ(AddCharacter(*storage, "A1", "Jo", "x"), StoreResult::kNameTaken);
}

TEST(ServerStorage, AFileThatIsNoDatabaseIsReported) {
  TempFolder scratch{"server"};
  const auto file = scratch.path / "server.db";
  WriteServerGameFolder(scratch.path / "game");
  std::filesystem::copy_file(scratch.path / "game" / "INI" / "Gruppen.ini", file);
  std::string error;
  EXPECT_FALSE(OpenStorage(file, &error));
  EXPECT_NE(error.find("server.db"), std::string::npos) << error;
  EXPECT_FALSE(OpenStorage(scratch.path / "no" / "such" / "folder.db", &error));
}

namespace {

// Runs SQL on the database file directly, as someone with the file in hand would.
std::vector<std::string> Query(const std::filesystem::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  std::vector<std::string> rows;
  sqlite3_exec(
      db, sql.c_str(),
      [](void* out, int, char** values, char**) {
        static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "");
        return 0;
      },
      &rows, nullptr);
  sqlite3_close(db);
  return rows;
}

}  // namespace

TEST(ServerStorage, AccountIdsAreKeptOnlyAsHashesAndOlderDatabasesAreConverted) {
  TempFolder scratch{"server"};
  const auto file = scratch.path / "server.db";
  // A database of the first schema, ids in the clear.
  Query(file,
        "CREATE TABLE accounts (id BLOB PRIMARY KEY, created INTEGER NOT NULL) WITHOUT ROWID;"
        "CREATE TABLE characters (id INTEGER PRIMARY KEY, name BLOB NOT NULL UNIQUE,"
        " account BLOB NOT NULL REFERENCES accounts(id), game BLOB NOT NULL,"
        " updated INTEGER NOT NULL);"
        "CREATE INDEX characters_by_account ON characters(account, id);"
        "INSERT INTO accounts VALUES (CAST('A1' AS BLOB), 1);"
        "INSERT INTO characters (name, account, game, updated)"
        " VALUES (CAST('Kira' AS BLOB), CAST('A1' AS BLOB), CAST('alt' AS BLOB), 1);"
        "PRAGMA user_version=1;");
  {
    StorageHandle storage = Open(file);
    ASSERT_TRUE(storage);
    EXPECT_EQ(FindAccount(*storage, "A1"), StoreResult::kDone);
    EXPECT_EQ(Names(*storage, "A1"), std::vector<std::string>{"Kira"});
    ASSERT_EQ(AddAccount(*storage, "B2SECRET"), StoreResult::kDone);
    ASSERT_EQ(AddCharacter(*storage, "B2SECRET", "Jo", "jo"), StoreResult::kDone);
  }
  EXPECT_EQ(Query(file, "PRAGMA user_version"), std::vector<std::string>{"2"});
  const std::vector<std::string> keys =
      Query(file, "SELECT hex(id) FROM accounts UNION ALL SELECT hex(account) FROM characters");
  ASSERT_EQ(keys.size(), 4u);
  for (const std::string& key : keys) EXPECT_EQ(key.size(), 64u) << key;  // SHA-256
  const std::string raw =
      ReadFileBytes(file).value_or("") + ReadFileBytes(file.string() + "-wal").value_or("");
  EXPECT_EQ(raw.find("B2SECRET"), std::string::npos);
  // Opening again converts nothing twice.
  StorageHandle storage = Open(file);
  ASSERT_TRUE(storage);
  EXPECT_EQ(Names(*storage, "A1"), std::vector<std::string>{"Kira"});
  EXPECT_EQ(Names(*storage, "B2SECRET"), std::vector<std::string>{"Jo"});
}
