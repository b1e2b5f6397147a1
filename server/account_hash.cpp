#include "server/account_hash.h"

#include <openssl/evp.h>

#include <cstdio>

std::string AccountHash(std::string_view accountId) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  if (EVP_Digest(accountId.data(), accountId.size(), digest, &length, EVP_sha256(), nullptr) != 1) {
    length = 0;  // libcrypto without SHA-256 is broken beyond repair; an empty key finds nothing
  }
  return std::string(reinterpret_cast<const char*>(digest), length);
}

std::string AccountTag(std::string_view hash) {
  std::string tag;
  for (std::size_t i = 0; i < hash.size() && i < 4; ++i) {
    char hex[3];
    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(hash[i]));
    tag += hex;
  }
  return tag;
}
