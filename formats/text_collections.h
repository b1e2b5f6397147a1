#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"

// TXT\Gruppen.txt: for each group 1..groupCount in order, one heading line (skipped) and nine
// text lines. Missing lines read as empty text.
inline constexpr int kGroupTextLines = 9;
inline constexpr int kMaxGroupTexts = 100;

struct GroupTexts {
  // groupTexts[g][k]: line k (0..8) of group g; [0] stays empty.
  std::vector<std::array<std::string, kGroupTextLines>> groupTexts;
  std::vector<int> headingLines;  // line number of each group's heading; [0] = 0
};

GroupTexts ReadGroupTexts(std::string_view bytes, int groupCount);
GroupTexts LoadGroupTexts(const std::filesystem::path& path, int groupCount);

// TXT\Einweisung.txt: texts 0..100. A line starting with "[" opens text n (the integer between
// its first and last character) and empties it; every following line is appended with a LF until
// a line starting with "[/" or the end of the file. Lines outside sections are skipped.
inline constexpr int kMaxBriefingText = 100;

struct BriefingTexts {
  std::array<std::string, kMaxBriefingText + 1> briefingTexts;
  std::array<int, kMaxBriefingText + 1> openLines{};  // where each text was last opened; 0 never
};

BriefingTexts ReadBriefingTexts(std::string_view bytes, ReadIssues* issues = nullptr);
BriefingTexts LoadBriefingTexts(const std::filesystem::path& path, ReadIssues* issues = nullptr);
