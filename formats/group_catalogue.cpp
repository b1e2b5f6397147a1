#include "formats/group_catalogue.h"

#include "formats/catalogue_lines.h"
#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

constexpr int kRelationWidth = 5;
constexpr int kFirstRelationColumn = 31;

bool InRange(int index) {
  return index >= 0 && index < kGroupSlots;
}

}  // namespace

GroupCatalogue EmptyGroupCatalogue() {
  GroupCatalogue catalogue;
  catalogue.groupNames.assign(kGroupSlots, std::string());
  catalogue.groupRelations.assign(static_cast<size_t>(kGroupSlots) * kGroupSlots, 0.0f);
  return catalogue;
}

float GroupRelation(const GroupCatalogue& catalogue, int a, int b) {
  if (!InRange(a) || !InRange(b) || catalogue.groupRelations.empty()) return 0;
  return catalogue.groupRelations[static_cast<size_t>(a) * kGroupSlots + b];
}

void SetGroupRelation(GroupCatalogue& catalogue, int a, int b, float value) {
  if (!InRange(a) || !InRange(b) || catalogue.groupRelations.empty()) return;
  catalogue.groupRelations[static_cast<size_t>(a) * kGroupSlots + b] = value;
}

GroupCatalogue ReadGroups(std::string_view bytes, ReadIssues* issues) {
  GroupCatalogue catalogue = EmptyGroupCatalogue();
  int group = 0;
  for (const DataLine& data : DataLines(bytes)) {
    if (group == kMaxGroups) {
      NoteIssue(issues, data.line, "more than 100 groups; this one is ignored");
      continue;
    }
    GroupLine line{data.line, std::string(Columns(data.text, 1, 5)), Field(data.text, 6, 30)};
    for (int j = 0; j <= group; ++j) {
      const int first = kFirstRelationColumn + kRelationWidth * j;
      const std::string_view text = Columns(data.text, first, first + kRelationWidth - 1);
      const float value = static_cast<float>(
          ReadDecimalField(text, data.line, "attitude", issues, /*emptyIsBad=*/false));
      SetGroupRelation(catalogue, group, j, value);
      SetGroupRelation(catalogue, j, group, value);
    }
    // A short line leaves the missing attitudes at 0, which an author rarely means.
    const size_t lastFieldStart =
        kFirstRelationColumn + static_cast<size_t>(kRelationWidth) * group;
    if (data.text.size() < lastFieldStart) {
      NoteIssue(issues, data.line,
                "group " + FormatInt(group) + " has fewer than " + FormatInt(group + 1) +
                    " attitudes; the missing ones are 0");
    }
    catalogue.groupNames[group] = line.name;
    catalogue.groupNames[group + 100] = line.name;
    catalogue.groupNames[group + 200] = line.name;
    catalogue.lines.push_back(std::move(line));
    catalogue.groupCount = group;
    ++group;
  }
  // The hostile and the mission copies are enemies of the player's group.
  for (int g = 1; g <= catalogue.groupCount; ++g) {
    for (const int copy : {g + 100, g + 200}) {
      SetGroupRelation(catalogue, 0, copy, -1.0f);
      SetGroupRelation(catalogue, copy, 0, -1.0f);
    }
  }
  return catalogue;
}

GroupCatalogue LoadGroups(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadGroups(ReadFileBytes(path).value_or(std::string()), issues);
}

int GroupIndex(const GroupCatalogue& catalogue, std::string_view name) {
  int found = 0;
  for (int g = 1; g <= catalogue.groupCount; ++g) {
    if (catalogue.groupNames[g] == name) found = g;
  }
  return found;
}

bool IsChoosableGroupLine(const GroupLine& line) {
  return line.numberText.empty() || line.numberText[0] != '0';
}

std::vector<std::string> GroupChoices(const GroupCatalogue& catalogue) {
  std::vector<std::string> choices{std::string(kNoGroupName)};
  for (const GroupLine& line : catalogue.lines) {
    if (IsChoosableGroupLine(line)) choices.push_back(line.name);
  }
  return choices;
}
