#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"

// INI\_Elemente.ini (element groups and types with their map colours) and INI\_Leute.ini (people
// main and sub kinds) share one line form:
//   "+" + group name        starts a group (counted from 0)
//   next line               the group's parameter mask, trimmed ("0"/"1" per parameter)
//   " -" + type name        starts a type of the group (counted from 1)
//   next line               the type's value line: for elements the map colour, red in
//                           characters 3-5, green 7-9, blue 11-13
//   "/+"                    ends the group (so does the end of the file)
// Other lines are skipped.

inline constexpr int kMaxElementGroups = 11;
inline constexpr int kMaxElementTypes = 20;
inline constexpr int kMaxPeopleKinds = 11;
inline constexpr int kMaxPeopleSubKinds = 10;

struct KindType {
  std::string name;       // everything from the third character of the " -" line
  std::string valueLine;  // the following line, trimmed
  int colour = 0;         // elements: red + 256 x green + 65536 x blue; people: 0
  int line = 0;           // line number of the " -" line
};

struct KindGroup {
  std::string name;             // everything after the "+"
  std::string mask;             // ParameterMask
  std::vector<KindType> types;  // type e (from 1) is types[e - 1]
  int line = 0;                 // line number of the "+" line
};

struct KindDefs {
  std::vector<KindGroup> groups;  // group g (from 0) is groups[g]
};

// ElementDefs: up to 11 groups of up to 20 types; the value lines are colours.
KindDefs ReadElementDefs(std::string_view bytes, ReadIssues* issues = nullptr);
KindDefs LoadElementDefs(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// PeopleDefs: up to 11 main kinds of up to 10 sub kinds; the value lines are kept as text.
KindDefs ReadPeopleDefs(std::string_view bytes, ReadIssues* issues = nullptr);
KindDefs LoadPeopleDefs(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// The last group whose name equals `name`; -1 when none.
int KindGroupIndex(const KindDefs& defs, std::string_view name);

// The map colour of an element: the group is looked up by name (last match, group 0 when none),
// the type by name over the types of every group (last match; only its position counts), and the
// colour is that of the type at this position in the found group; 0 when there is none.
int ElementColour(const KindDefs& defs, std::string_view groupName, std::string_view typeName);

// True when the group of that name lists a type of that name.
bool KindTypeListed(const KindDefs& defs, std::string_view groupName, std::string_view typeName);
