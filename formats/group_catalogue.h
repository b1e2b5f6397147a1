#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"

// INI\Gruppen.ini: group names and the attitudes between groups. Data line i (from 0) is group i:
// number in columns 1-5, name in 6-30, then i + 1 attitudes of 5 characters towards groups 0..i
// (the lower triangle of a symmetric matrix). Index g + 100 is group g turned hostile to the
// player, g + 200 group g as a mission target; both copies carry the name and -1.0 towards group 0.

inline constexpr int kMaxGroups = 100;
inline constexpr int kGroupSlots = 301;  // indices 0..300
inline constexpr std::string_view kNoGroupName = "(keine Gruppe)";

struct GroupLine {
  int line = 0;            // line number in the file
  std::string numberText;  // columns 1-5 as written, untrimmed
  std::string name;        // columns 6-30, trimmed
};

struct GroupCatalogue {
  std::vector<std::string> groupNames;  // kGroupSlots names
  std::vector<float> groupRelations;    // kGroupSlots x kGroupSlots, row a = attitudes of a
  int groupCount = -1;                  // index of the last group read; -1 when none
  std::vector<GroupLine> lines;         // one per group read, index = group
};

// An empty catalogue with the full-sized arrays (all names empty, all attitudes 0).
GroupCatalogue EmptyGroupCatalogue();

GroupCatalogue ReadGroups(std::string_view bytes, ReadIssues* issues = nullptr);
GroupCatalogue LoadGroups(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// Attitude of group a towards group b; 0 outside 0..300.
float GroupRelation(const GroupCatalogue& catalogue, int a, int b);
// Ignored outside 0..300.
void SetGroupRelation(GroupCatalogue& catalogue, int a, int b, float value);

// The last index 1..groupCount whose name equals `name` exactly; 0 when none.
int GroupIndex(const GroupCatalogue& catalogue, std::string_view name);

// Whether the editor lists the line as a group to choose: group 0, the player's own, is marked by
// a number starting with "0" and is left out.
bool IsChoosableGroupLine(const GroupLine& line);

// The editor's group choice list: "(keine Gruppe)" and the names of the choosable lines.
std::vector<std::string> GroupChoices(const GroupCatalogue& catalogue);
