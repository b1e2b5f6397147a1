#include "formats/catalogue_lines.h"

#include "formats/text_rules.h"

bool IsDataLine(std::string_view line) {
  return !line.empty() && line[0] != '-' && line[0] != '|';
}

std::vector<DataLine> DataLines(std::string_view bytes) {
  std::vector<DataLine> result;
  std::vector<std::string> lines = SplitLines(bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsDataLine(lines[i])) result.push_back({static_cast<int>(i) + 1, std::move(lines[i])});
  }
  return result;
}
