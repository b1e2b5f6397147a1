#include "formats/text_collections.h"

#include "formats/file_io.h"
#include "formats/text_rules.h"

GroupTexts ReadGroupTexts(std::string_view bytes, int groupCount) {
  GroupTexts texts;
  if (groupCount > kMaxGroupTexts) groupCount = kMaxGroupTexts;
  const std::vector<std::string> lines = SplitLines(bytes);
  texts.groupTexts.emplace_back();
  texts.headingLines.push_back(0);
  size_t next = 0;
  for (int g = 1; g <= groupCount; ++g) {
    texts.headingLines.push_back(static_cast<int>(next) + 1);
    ++next;  // heading
    std::array<std::string, kGroupTextLines> group;
    for (std::string& text : group) {
      if (next < lines.size()) text = lines[next];
      ++next;
    }
    texts.groupTexts.push_back(std::move(group));
  }
  return texts;
}

GroupTexts LoadGroupTexts(const std::filesystem::path& path, int groupCount) {
  return ReadGroupTexts(ReadFileBytes(path).value_or(std::string()), groupCount);
}

BriefingTexts ReadBriefingTexts(std::string_view bytes, ReadIssues* issues) {
  BriefingTexts texts;
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t i = 0;
  while (i < lines.size()) {
    const std::string& open = lines[i];
    const int openLine = static_cast<int>(i) + 1;
    ++i;
    if (!open.starts_with('[')) continue;
    if (open.starts_with("[/")) {
      // A stray closing line would otherwise open (and empty) text 0.
      NoteIssue(issues, openLine, "closing line outside a text is skipped");
      continue;
    }
    const std::string_view inner =
        open.size() >= 2 ? std::string_view(open).substr(1, open.size() - 2) : std::string_view();
    const int n = ReadIntField(inner, openLine, "text number", issues);
    std::string text;
    for (; i < lines.size() && !lines[i].starts_with("[/"); ++i) {
      text += lines[i];
      text += '\n';
    }
    if (i < lines.size()) ++i;  // the closing line
    if (n < 0 || n > kMaxBriefingText) {
      NoteIssue(issues, openLine, "text number " + FormatInt(n) + " outside 0..100 is ignored");
      continue;
    }
    texts.briefingTexts[n] = std::move(text);
    texts.openLines[n] = openLine;
  }
  return texts;
}

BriefingTexts LoadBriefingTexts(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadBriefingTexts(ReadFileBytes(path).value_or(std::string()), issues);
}
