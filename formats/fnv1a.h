#pragma once

#include <cstdint>
#include <string_view>

// The 64-bit FNV-1a hash: a digest of bytes that stays the same on every machine and compiler, for
// telling contents apart (not for security).

inline constexpr std::uint64_t kFnv1aOffsetBasis = 14695981039346656037ull;
inline constexpr std::uint64_t kFnv1aPrime = 1099511628211ull;

// The hash carried on over the bytes; start from kFnv1aOffsetBasis.
constexpr std::uint64_t Fnv1a(std::uint64_t hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kFnv1aPrime;
  }
  return hash;
}
