#include "formats/latin1.h"

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size());
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
      out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
    }
  }
  return out;
}

namespace {

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot start one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::string Utf8ToLatin1(std::string_view utf8, bool* exact) {
  std::string out;
  out.reserve(utf8.size());
  if (exact) *exact = true;
  size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = SequenceLength(lead);
    bool valid = length > 0 && i + length <= utf8.size();
    unsigned long codePoint = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      if ((next & 0xC0) != 0x80) valid = false;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (valid && codePoint <= 0xFF) {
      out.push_back(static_cast<char>(codePoint));
      i += length;
      continue;
    }
    out.push_back('?');
    if (exact) *exact = false;
    // A malformed sequence costs one byte; a well-formed character outside Latin-1 all of its.
    i += valid ? length : 1;
  }
  return out;
}

std::filesystem::path DataPath(const std::filesystem::path& root, std::string_view dataPath) {
  std::filesystem::path path = root;
  size_t start = 0;
  while (start <= dataPath.size()) {
    size_t end = dataPath.find_first_of("\\/", start);
    if (end == std::string_view::npos) end = dataPath.size();
    const std::string_view part = dataPath.substr(start, end - start);
    if (!part.empty() && part != "." && part != "..") path /= Latin1ToUtf8(part);
    start = end + 1;
  }
  return path;
}
