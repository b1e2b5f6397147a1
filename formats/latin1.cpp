#include "formats/latin1.h"

#include <cstdio>

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

namespace {

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", value);
  return text;
}

std::string Refuse(std::string* problem, int line, const std::string& what) {
  if (problem) *problem = std::to_string(line) + ": " + what;
  return "";
}

}  // namespace

std::string GameTextFromRepository(std::string_view in, std::string* problem) {
  std::string out;
  out.reserve(in.size() + in.size() / 20);
  size_t i = 0;
  if (in.substr(0, 3) == "\xEF\xBB\xBF") i = 3;
  int line = 1;
  while (i < in.size()) {
    const unsigned char c = static_cast<unsigned char>(in[i]);
    if (c == '\n' || (c == '\r' && i + 1 < in.size() && in[i + 1] == '\n')) {
      out += "\r\n";
      i += c == '\r' ? 2 : 1;
      ++line;
      continue;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    const int extra = (c >= 0xC2 && c < 0xE0)   ? 1
                      : (c >= 0xE0 && c < 0xF0) ? 2
                      : (c >= 0xF0 && c < 0xF5) ? 3
                                                : -1;
    if (extra < 0)
      return Refuse(problem, line, "malformed UTF-8 (byte 0x" + Hex(c).substr(2) + ")");
    unsigned code = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= in.size())
        return Refuse(problem, line, "malformed UTF-8 at the end of the file");
      const unsigned char t = static_cast<unsigned char>(in[i + k]);
      if ((t & 0xC0) != 0x80) return Refuse(problem, line, "malformed UTF-8 sequence");
      code = (code << 6) | (t & 0x3F);
    }
    const unsigned smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[extra]) return Refuse(problem, line, "malformed UTF-8 (overlong form)");
    if (code > 0xFF)
      return Refuse(problem, line,
                    "character " + Hex(code) + " has no Latin-1 form (the game reads Latin-1)");
    out.push_back(static_cast<char>(code));
    i += extra + 1;
  }
  return out;
}
