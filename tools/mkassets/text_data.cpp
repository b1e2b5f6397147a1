#include "tools/mkassets/text_data.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", value);
  return text;
}

[[noreturn]] void Fail(std::string_view label, int line, const std::string& what) {
  throw std::runtime_error(std::string(label) + ":" + std::to_string(line) + ": " + what);
}

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

std::string ConvertDataText(std::string_view in, std::string_view label) {
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
    if (extra < 0) Fail(label, line, "malformed UTF-8 (byte 0x" + Hex(c).substr(2) + ")");
    unsigned code = c & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
      if (i + k >= in.size()) Fail(label, line, "malformed UTF-8 at the end of the file");
      const unsigned char t = static_cast<unsigned char>(in[i + k]);
      if ((t & 0xC0) != 0x80) Fail(label, line, "malformed UTF-8 sequence");
      code = (code << 6) | (t & 0x3F);
    }
    const unsigned smallest[] = {0, 0x80, 0x800, 0x10000};
    if (code < smallest[extra]) Fail(label, line, "malformed UTF-8 (overlong form)");
    if (code > 0xFF)
      Fail(label, line, "character " + Hex(code) + " has no Latin-1 form (the game reads Latin-1)");
    out.push_back(static_cast<char>(code));
    i += extra + 1;
  }
  return out;
}

int ConvertDataTree(const std::filesystem::path& dataDir, const std::filesystem::path& gameDir) {
  namespace fs = std::filesystem;
  int count = 0;
  for (const char* top : {"INI", "TXT"}) {
    const fs::path from = dataDir / top;
    fs::create_directories(gameDir / top);
    if (!fs::is_directory(from)) continue;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(from))
      if (entry.is_regular_file()) files.push_back(entry.path());
    for (const fs::path& file : files) {
      const fs::path relative = fs::relative(file, dataDir);
      const fs::path target = gameDir / relative;
      fs::create_directories(target.parent_path());
      WriteWhole(target, ConvertDataText(ReadWhole(file), relative.generic_string()));
      ++count;
    }
  }
  return count;
}
