#pragma once

#include <optional>
#include <string>
#include <string_view>

// Where the game server is: VELMARITH_SERVER=host[:port] names it, else 127.0.0.1 port 7001.

inline constexpr std::string_view kDefaultServerHost = "127.0.0.1";
inline constexpr int kDefaultServerPort = 7001;

struct ServerAddress {
  std::string host;  // a name or a numeric IPv4 or IPv6 address
  int port = kDefaultServerPort;
};

// Reads "host", "host:port", "[v6]" or "[v6]:port"; an IPv6 address without brackets has no port.
// An empty text gives the default. No value when the text names no usable address (an empty
// host, a port that is not 1..65535, blanks or control characters).
std::optional<ServerAddress> ParseServerAddress(std::string_view text);

// The address from VELMARITH_SERVER, or the default when it is unset.
std::optional<ServerAddress> ConfiguredServerAddress();
