#pragma once

#include <string>
#include <vector>

// Lines joined the way every writer ends them, for building fixtures in a test.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

#include <utility>

// A fixed-column line: each text placed at its 1-based column, blanks between.
inline std::string Row(const std::vector<std::pair<int, std::string>>& fields) {
  std::string line;
  for (const auto& [column, text] : fields) {
    if (line.size() < static_cast<size_t>(column - 1)) line.resize(column - 1, ' ');
    line.replace(column - 1, text.size(), text);
  }
  return line;
}
