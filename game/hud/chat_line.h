#pragma once

#include <optional>
#include <string>
#include "game/hud/hud_context.h"

// The chat line: Return starts text entry; the line is drawn while it is typed. Returns the
// finished text in the frame its entry ends, for the shell to send.
std::optional<std::string> RunChatLine(HudContext& hud);
