#include "formats/system_file.h"

#include "formats/text_rules.h"

namespace {

constexpr std::string_view kDockingRingMarker = "[Andockringe]";

// Line k (0..9) of the record that starts at line index `base`; empty beyond the end of the file.
std::string_view RecordLine(const std::vector<std::string>& lines, size_t base, size_t k) {
  return base + k < lines.size() ? std::string_view(lines[base + k]) : std::string_view();
}

ElementRecord ReadElement(const std::vector<std::string>& lines, size_t base, ReadIssues* issues) {
  const int first = static_cast<int>(base) + 1;
  const std::string_view header = RecordLine(lines, base, 0);
  if (header.size() < 2 || header.front() != '[' || header.back() != ']') {
    NoteIssue(issues, first, "element header \"" + std::string(header) + "\" is not \"[group]\"");
  }
  if (base + kElementRecordLines > lines.size()) {
    NoteIssue(issues, first, "element record cut short by the end of the file");
  }
  auto text = [&](size_t k) { return TrimBlanks(RecordLine(lines, base, k)); };
  auto number = [&](size_t k, const char* what) {
    if (base + k >= lines.size()) return 0;
    return ReadIntField(lines[base + k], first + static_cast<int>(k), what, issues);
  };
  ElementRecord element;
  element.elementGroup =
      header.size() >= 2 ? std::string(header.substr(1, header.size() - 2)) : std::string();
  element.elementType = text(1);
  element.name = text(2);
  element.groupName = text(3);
  element.x = number(4, "x");
  element.y = number(5, "y");
  element.direction = number(6, "direction");
  if (base + 7 < lines.size()) {
    element.rotation = ReadDecimalField(lines[base + 7], first + 7, "rotation", issues);
  }
  element.radius = number(8, "radius");
  element.length = number(9, "length");
  return element;
}

}  // namespace

std::vector<ElementRecord> ReadSystemElements(std::string_view bytes, ReadIssues* issues) {
  const std::vector<std::string> lines = SplitLines(bytes);
  std::vector<ElementRecord> elements;
  elements.reserve(lines.size() / kElementRecordLines + 1);
  for (size_t base = 0; base < lines.size(); base += kElementRecordLines) {
    elements.push_back(ReadElement(lines, base, issues));
  }
  return elements;
}

std::vector<ElementRecord> LoadSystemElements(const std::filesystem::path& path,
                                              ReadIssues* issues) {
  return ReadSystemElements(ReadFileBytes(path).value_or(std::string()), issues);
}

std::string WriteSystemElements(const std::vector<ElementRecord>& elements) {
  std::string out;
  for (const ElementRecord& element : elements) {
    AppendLine(out, "[" + element.elementGroup + "]");
    for (const std::string& value :
         {element.elementType, element.name, element.groupName, FormatInt(element.x),
          FormatInt(element.y), FormatInt(element.direction), FormatDecimal(element.rotation),
          FormatInt(element.radius), FormatInt(element.length)}) {
      AppendLine(out, "  " + value);
    }
  }
  return out;
}

WriteResult SaveSystemElements(const std::filesystem::path& path,
                               const std::vector<ElementRecord>& elements) {
  return WriteFileAtomically(path, WriteSystemElements(elements));
}

std::vector<DockingRingEntry> ScanDockingRings(std::string_view bytes) {
  const std::vector<std::string> lines = SplitLines(bytes);
  std::vector<DockingRingEntry> rings;
  size_t i = 0;
  while (i < lines.size()) {
    if (lines[i] != kDockingRingMarker) {
      ++i;
      continue;
    }
    DockingRingEntry ring;
    ring.line = static_cast<int>(i) + 1;
    ring.name = TrimBlanks(RecordLine(lines, i, 2));
    ring.x = ReadInt(RecordLine(lines, i, 4));
    ring.y = ReadInt(RecordLine(lines, i, 5));
    rings.push_back(std::move(ring));
    i += 6;  // kind, name, group, x and y are taken; the rest is scanned line by line again
  }
  return rings;
}
