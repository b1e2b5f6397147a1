#pragma once

#include <string>
#include <string_view>

// Account ids are the players' only secret. The server keeps no id in the clear: the store holds
// the SHA-256 of each id, and the log shows a short prefix of that hash.

// The 32 bytes of the id's SHA-256.
std::string AccountHash(std::string_view accountId);

// The first 8 hex digits of a hash made by AccountHash, for the log.
std::string AccountTag(std::string_view hash);
