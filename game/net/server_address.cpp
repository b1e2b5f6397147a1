#include "game/net/server_address.h"

#include <algorithm>
#include <cstdlib>

#include "formats/text_rules.h"

namespace {

bool UsableHost(std::string_view host) {
  return !host.empty() && std::none_of(host.begin(), host.end(), [](char c) {
    return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
  });
}

std::optional<int> ParsePort(std::string_view text) {
  if (!IsStrictInt(text) || text.front() == '-') return std::nullopt;
  const int port = ReadInt(text);
  if (port < 1 || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

std::optional<ServerAddress> ParseServerAddress(std::string_view text) {
  if (text.empty()) return ServerAddress{std::string(kDefaultServerHost), kDefaultServerPort};
  ServerAddress address;
  std::string_view host = text;
  std::string_view port;
  if (text.front() == '[') {
    const size_t close = text.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    host = text.substr(1, close - 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return std::nullopt;
      port = rest.substr(1);
      if (port.empty()) return std::nullopt;
    }
  } else if (const size_t colon = text.find(':');
             colon != std::string_view::npos &&
             text.find(':', colon + 1) == std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
    if (port.empty()) return std::nullopt;
  }
  if (!UsableHost(host)) return std::nullopt;
  address.host = std::string(host);
  if (!port.empty()) {
    const std::optional<int> number = ParsePort(port);
    if (!number) return std::nullopt;
    address.port = *number;
  }
  return address;
}

std::optional<ServerAddress> ConfiguredServerAddress() {
  const char* text = std::getenv("VELMARITH_SERVER");
  return ParseServerAddress(text ? std::string_view(text) : std::string_view());
}
