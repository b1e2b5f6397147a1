#include "tools/mkassets/text_data.h"

#include "formats/latin1.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

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
  std::string problem;
  std::string out = GameTextFromRepository(in, &problem);
  if (!problem.empty()) throw std::runtime_error(std::string(label) + ":" + problem);
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
