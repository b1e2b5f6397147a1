#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_server.h"
#include "game_fixture.h"

// A started game pointed at a game server the test plays (FakeServer), with helpers that step the
// game's frames while the server is pumped.
class NetFixture : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs menu frames until `done` holds (true) or five seconds pass or the menu loop ends.
  bool MenuUntil(const std::function<bool()>& done);
  // Runs flight frames until `done` holds (true) or five seconds pass.
  bool FlightUntil(const std::function<bool()>& done);
  // A click on an item: its action becomes the screen state and is built.
  void Act(int code);

  // The connection screen, the connection taken and the hello read.
  void Connect();
  // The next message of the client, within the frames of `MenuUntil`/`FlightUntil`.
  NetMessage AwaitMessage(bool inFlight = false);
  // The game of a new character of the fixture universe, with this much money.
  std::string CharacterGame(int money);
  // Connects, lists one character, joins it and sends `game` as the server does.
  void JoinAndSend(const std::string& game);
  // The same, then the menu runs until it leaves for flight; true when it does.
  bool JoinWith(const std::string& game);
  // Runs menu frames, pumping the server.
  void MenuFrames(int count);

  const MenuItemRecord* Item(const std::string& caption) const;
  std::vector<std::string> Captions() const;
  std::string SavedNetworkGame() const;  // SAVE/InternetFile.sav, "" when missing

  FixtureFolder folder;
  GamePtr game;
  FakeServer server;
  bool menuLeft = false;  // the last MenuUntil ended with the menu loop
};
