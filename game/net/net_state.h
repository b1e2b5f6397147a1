#pragma once

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "formats/protocol.h"
#include "formats/protocol_stream.h"

// What ServerConnection holds besides "none" (0).
inline constexpr int kServerConnected = 1;
inline constexpr int kNoServerAddress = 11;  // VELMARITH_SERVER names no usable address
inline constexpr int kConnectFailed = 12;

// The connect thread's one shared value (net_connection.cpp).
struct ConnectAttempt;

// The game-server client's state for the run: the connection and what the character screens show.
struct NetState {
  // 0 none (also while connecting), kServerConnected, kNoServerAddress or kConnectFailed.
  int serverConnection = 0;
  int socket = -1;
  std::shared_ptr<ConnectAttempt> connecting;  // while the connect thread runs
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
  std::string outgoing;    // bytes waiting for the socket to take them
  std::string lostReason;  // set when the connection ended by itself, until it has been shown
  std::chrono::steady_clock::time_point lastArrival;  // when bytes last came from the server
  // A returned game, from being queued until it counts as arrived: its last byte went to the
  // socket at `returnWrittenAt` ({} while some are queued), and the connection then held.
  bool returnPending = false;
  std::chrono::steady_clock::time_point returnWrittenAt{};
  bool returnConfirmed = false;  // until taken (TakeReturnConfirmed)

  std::array<std::string, kMaxListedCharacters> characterNames;  // slots 1..5, "" free
  std::string selectedCharacter;
  std::string newCharacterName;
  // The game last returned had a mission running, which a network game cannot carry (the server
  // keeps the .sav alone): the character list says that it ended there, until the next join.
  bool missionEnded = false;
  // The id the account screen offers back: the one stored before the server gave a new one.
  std::string offeredAccountId;
  // The id held before the server offered a new one, until "Weiter" confirms the screen's id.
  std::optional<std::string> idBeforeOffer;
};
