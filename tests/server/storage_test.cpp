#include "server/storage.h"

#include <gtest/gtest.h>

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
