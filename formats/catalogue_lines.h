#pragma once

#include <string>
#include <string_view>
#include <vector>

// The four table catalogues (ships, weapons, groups, goods) mix data lines with comments and
// rulings; only data lines count when entries are numbered.

// Not empty, and the first character is neither "-" nor "|".
bool IsDataLine(std::string_view line);

struct DataLine {
  int line = 0;      // 1-based line number in the file
  std::string text;  // the line as read, untrimmed
};

// The data lines of a catalogue file, in file order.
std::vector<DataLine> DataLines(std::string_view bytes);
