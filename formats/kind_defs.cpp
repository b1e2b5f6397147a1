#include "formats/kind_defs.h"

#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

struct KindLimits {
  int maxGroups;
  int maxTypes;
  size_t maskLength;
  bool colours;
};

int ColourPart(std::string_view line, int first, int lineNumber, const char* what,
               ReadIssues* issues) {
  int value = ReadIntField(Columns(line, first, first + 2), lineNumber, what, issues);
  if (value < 0 || value > 255) {
    NoteIssue(issues, lineNumber, std::string(what) + " " + FormatInt(value) + " outside 0..255");
    value = value < 0 ? 0 : 255;
  }
  return value;
}

int ReadColourLine(std::string_view line, int lineNumber, ReadIssues* issues) {
  const int red = ColourPart(line, 3, lineNumber, "red", issues);
  const int green = ColourPart(line, 7, lineNumber, "green", issues);
  const int blue = ColourPart(line, 11, lineNumber, "blue", issues);
  return red + 256 * green + 65536 * blue;
}

void CheckMask(const std::string& mask, size_t length, int lineNumber, ReadIssues* issues) {
  bool valid = mask.size() == length;
  for (const char c : mask) valid = valid && (c == '0' || c == '1');
  if (!valid) {
    NoteIssue(issues, lineNumber,
              "parameter mask \"" + mask + "\" is not " + FormatInt(length) + " digits 0 or 1");
  }
}

KindDefs ReadKindDefs(std::string_view bytes, const KindLimits& limits, ReadIssues* issues) {
  KindDefs defs;
  const std::vector<std::string> lines = SplitLines(bytes);
  bool open = false;  // a group is open and takes types
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    const std::string next = i + 1 < lines.size() ? lines[i + 1] : std::string();
    if (line.starts_with('+')) {
      ++i;  // the mask line belongs to the group, even an ignored one
      if (static_cast<int>(defs.groups.size()) == limits.maxGroups) {
        NoteIssue(issues, number,
                  "more than " + FormatInt(limits.maxGroups) + " groups; this one is ignored");
        open = false;
        continue;
      }
      KindGroup group{line.substr(1), TrimBlanks(next), {}, number};
      CheckMask(group.mask, limits.maskLength, number + 1, issues);
      defs.groups.push_back(std::move(group));
      open = true;
    } else if (line.starts_with(" -")) {
      if (!open) {
        NoteIssue(issues, number, "type outside a group is skipped");
        continue;
      }
      ++i;
      KindGroup& group = defs.groups.back();
      if (static_cast<int>(group.types.size()) == limits.maxTypes) {
        NoteIssue(issues, number,
                  "more than " + FormatInt(limits.maxTypes) + " types in group \"" + group.name +
                      "\"; this one is ignored");
        continue;
      }
      KindType type{line.substr(2), TrimBlanks(next), 0, number};
      if (limits.colours) type.colour = ReadColourLine(next, number + 1, issues);
      group.types.push_back(std::move(type));
    } else if (line.starts_with("/+")) {
      open = false;
    }
  }
  return defs;
}

constexpr KindLimits kElementLimits{kMaxElementGroups, kMaxElementTypes, 8, true};
constexpr KindLimits kPeopleLimits{kMaxPeopleKinds, kMaxPeopleSubKinds, 7, false};

}  // namespace

KindDefs ReadElementDefs(std::string_view bytes, ReadIssues* issues) {
  return ReadKindDefs(bytes, kElementLimits, issues);
}

KindDefs LoadElementDefs(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadElementDefs(ReadFileBytes(path).value_or(std::string()), issues);
}

KindDefs ReadPeopleDefs(std::string_view bytes, ReadIssues* issues) {
  return ReadKindDefs(bytes, kPeopleLimits, issues);
}

KindDefs LoadPeopleDefs(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadPeopleDefs(ReadFileBytes(path).value_or(std::string()), issues);
}

int KindGroupIndex(const KindDefs& defs, std::string_view name) {
  int found = -1;
  for (size_t g = 0; g < defs.groups.size(); ++g) {
    if (defs.groups[g].name == name) found = static_cast<int>(g);
  }
  return found;
}

int ElementColour(const KindDefs& defs, std::string_view groupName, std::string_view typeName) {
  if (defs.groups.empty()) return 0;
  const int found = KindGroupIndex(defs, groupName);
  const size_t group = found < 0 ? 0 : static_cast<size_t>(found);
  size_t position = 0;  // 1-based type position, 0 when no group lists the name
  for (const KindGroup& each : defs.groups) {
    for (size_t e = 0; e < each.types.size(); ++e) {
      if (each.types[e].name == typeName) position = e + 1;
    }
  }
  const std::vector<KindType>& types = defs.groups[group].types;
  if (position == 0 || position > types.size()) return 0;
  return types[position - 1].colour;
}

bool KindTypeListed(const KindDefs& defs, std::string_view groupName, std::string_view typeName) {
  for (const KindGroup& group : defs.groups) {
    if (group.name != groupName) continue;
    for (const KindType& type : group.types) {
      if (type.name == typeName) return true;
    }
  }
  return false;
}
