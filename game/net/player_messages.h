#pragma once

#include "formats/protocol.h"
#include "game/world/catalogues.h"
#include "game/world/world_state.h"

// What the server tells of the other players during a game: who joins (202), who is there (204),
// who leaves (203), where they fly (211), and the chat (300). Other players' ships are added at
// the end of the ship list; the local ship stays first and is never touched. Player numbers 0
// (computer pilots) and the local player's own are never another player's: messages naming them
// are ignored. Every other message is ignored here.

// At most this many other players' ships; a server that announces more is not believed.
inline constexpr int kMaxRemoteShips = 1000;
// The ticker keeps at most this many lines when the server adds one (a screen holds about 40).
inline constexpr int kMaxTickerLines = 40;

// The ticker texts of players joining and leaving.
inline constexpr const char* kPlayerJoinsText = "Neuer Spieler: ";
inline constexpr const char* kPlayerLeavesText = "Spieler geht: ";

// Handles one message; true when it was one of the five.
bool HandlePlayerMessage(World& world, const Catalogues& catalogues, const NetMessage& message);

// A ticker line added by the network: at the end of the ticker, oldest lines dropped past the
// cap, colour sets outside the fonts' range shown neutral.
void AddNetworkTickerLine(World& world, int colour1, std::string text1, int colour2,
                          std::string text2);

// Removes every other player's ship (the connection has ended: nobody reports them any more).
void RemoveRemoteShips(World& world);
