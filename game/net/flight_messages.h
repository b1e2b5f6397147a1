#pragma once

#include <string>

#include "game/net/net_state.h"
#include "game/world/world_state.h"

// The in-flight exchange with the game server, called by the frame loop in a network game:
// messages received this frame (other players' ships, chat), the local ship's movement report and
// a finished chat line.
void ReceiveFlightMessages(NetState& net, World& world);
void SendMovement(NetState& net, const World& world);
void SendChatLine(NetState& net, const std::string& text);
