#include "game/hud/chat_line.h"

std::optional<std::string> RunChatLine(HudContext& /*hud*/) {
  return std::nullopt;
}
