#pragma once

#include <string>

#include "game/net/net_state.h"
#include "game/world/catalogues.h"
#include "game/world/world_state.h"

// The in-flight exchange with the game server, called by the frame loop in a network game.

// The ticker line shown when the connection ends during a game.
inline constexpr const char* kConnectionLostText = "Verbindung zum Server unterbrochen";

// Sends what is queued, then handles every message that has arrived whole, in arrival order:
// other players joining, present, leaving and moving, and chat lines for the ticker. A lost
// connection is shown in the ticker once; the other players' ships go, and the game goes on.
void ReceiveFlightMessages(NetState& net, World& world, const Catalogues& catalogues);

// The local ship's movement report (211): type, then x, y, heading, turnRate x 1000 and speed +
// driveSpeed, each rounded to the nearest integer.
void SendMovement(NetState& net, const World& world);

// A finished chat line (300). Without a connection the line goes nowhere and is lost.
void SendChatLine(NetState& net, const std::string& text);
