#pragma once

#include <filesystem>
#include <string>
#include <vector>

// velmarith-data check: reads a game folder as the game does and lists every problem.

struct CheckOptions {
  bool utf8 = false;     // file contents are UTF-8 (the repository's data/), not Latin-1
  bool pictures = true;  // look for the catalogue entries' pictures under BMP
};

struct Problem {
  std::string file;     // data path with "/" ("INI/Alpha 23/System.ini"), Latin-1
  int line = 0;         // 1-based; 0 when the problem concerns the file as a whole
  std::string message;  // Latin-1
};

struct CheckSummary {
  int systems = 0;
  int lanes = 0;
  int elements = 0;
  int places = 0;
  int routes = 0;
  int people = 0;
};

struct CheckResult {
  std::vector<Problem> problems;  // in the order found: catalogues, universe, then each system
  CheckSummary summary;
};

CheckResult CheckGameFolder(const std::filesystem::path& gameFolder, const CheckOptions& options);

// "file:line: message" in UTF-8.
std::string FormatProblem(const Problem& problem);
