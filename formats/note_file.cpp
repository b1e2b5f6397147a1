#include "formats/note_file.h"

#include <vector>

#include "formats/text_rules.h"

namespace {

std::string JoinWithLineEnds(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += lines[i];
  }
  return text;
}

}  // namespace

std::string ReadNoteText(std::string_view bytes) {
  std::string text = JoinWithLineEnds(SplitLines(bytes));
  // A text typed with a final Enter keeps it: that line end is part of the text.
  if (!bytes.empty()) {
    const char last = bytes.back();
    if (last == '\n' || last == '\r' || last == '\0') text += kLineEnd;
  }
  return text;
}

std::string ReadNoteTextLegacy(std::string_view bytes) {
  const std::vector<std::string> lines = SplitLines(bytes);
  std::string text = JoinWithLineEnds(lines);
  if (lines.size() == 1) text += kLineEnd;
  return text;
}

std::string WriteNoteText(std::string_view text) { return std::string(text); }

std::optional<std::string> LoadNoteText(const std::filesystem::path& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return ReadNoteText(*bytes);
}

WriteResult SaveNoteText(const std::filesystem::path& path, std::string_view text) {
  return WriteFileAtomically(path, WriteNoteText(text));
}
