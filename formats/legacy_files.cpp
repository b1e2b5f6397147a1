#include "formats/legacy_files.h"

#include <array>

#include "formats/file_io.h"
#include "formats/group_catalogue.h"
#include "formats/text_rules.h"

namespace {

enum class OldField { kType, kX, kY, kRadius, kDirection, kLength, kGroupIndex, kName, kRotation };

struct OldLayout {
  std::string_view marker;
  std::string_view elementGroup;
  std::vector<OldField> fields;
};

using enum OldField;

const std::array<OldLayout, 7> kOldLayouts = {{
    {"[Umgebung]", "Umgebungen", {kType, kX, kY, kRadius}},
    {"[Felder]", "Felder", {kType, kX, kY, kRadius}},
    {"[Route]", "Routen", {kType, kX, kY, kDirection, kLength, kGroupIndex, kName}},
    {"[Sonne]", "Sonnen", {kType, kX, kY, kRadius}},
    {"[Planet]", "Planeten", {kType, kX, kY, kRadius, kRotation, kGroupIndex, kName}},
    {"[Station]", "Stationen", {kType, kX, kY, kRadius, kGroupIndex, kName}},
    {"[Andockring]", "Andockringe", {kX, kY, kDirection, kGroupIndex, kName}},
}};

void ReadOldField(LegacyElement& old, OldField field, std::string_view text, int number,
                  ReadIssues* issues) {
  ElementRecord& element = old.element;
  switch (field) {
    case kType:
      element.elementType = TrimBlanks(text);
      break;
    case kName:
      element.name = TrimBlanks(text);
      break;
    case kX:
      element.x = ReadIntField(text, number, "x", issues);
      break;
    case kY:
      element.y = ReadIntField(text, number, "y", issues);
      break;
    case kRadius:
      element.radius = ReadIntField(text, number, "radius", issues);
      break;
    case kDirection:
      element.direction = ReadIntField(text, number, "direction", issues);
      break;
    case kLength:
      element.length = ReadIntField(text, number, "length", issues);
      break;
    case kGroupIndex:
      old.groupIndex = ReadIntField(text, number, "group index", issues);
      break;
    case kRotation:
      element.rotation = ReadDecimalField(text, number, "rotation", issues);
      break;
  }
}

}  // namespace

std::vector<LegacyElement> ReadLegacySystem(std::string_view bytes, ReadIssues* issues) {
  std::vector<LegacyElement> elements;
  const std::vector<std::string> lines = SplitLines(bytes);
  size_t i = 0;
  while (i < lines.size()) {
    const std::string marker = TrimBlanks(lines[i]);
    const OldLayout* layout = nullptr;
    for (const OldLayout& each : kOldLayouts) {
      if (marker == each.marker) layout = &each;
    }
    if (!layout) {
      if (!marker.empty()) NoteIssue(issues, static_cast<int>(i) + 1, "line is skipped");
      ++i;
      continue;
    }
    LegacyElement old;
    old.line = static_cast<int>(i) + 1;
    old.element.elementGroup = layout->elementGroup;
    old.element.groupName = kNoGroupName;
    if (layout->elementGroup == "Andockringe") old.element.elementType = "Andockring";
    ++i;
    for (const OldField field : layout->fields) {
      if (i >= lines.size()) {
        NoteIssue(issues, old.line, "record cut short by the end of the file");
        break;
      }
      ReadOldField(old, field, lines[i], static_cast<int>(i) + 1, issues);
      ++i;
    }
    elements.push_back(std::move(old));
  }
  return elements;
}

std::vector<LegacyElement> LoadLegacySystem(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadLegacySystem(ReadFileBytes(path).value_or(std::string()), issues);
}

std::string LegacyGroupName(int groupIndex, const std::vector<std::string>& choices) {
  if (groupIndex < 0 || static_cast<size_t>(groupIndex) >= choices.size()) {
    return std::string(kNoGroupName);
  }
  return choices[groupIndex];
}

std::vector<LegacyOffers> ReadLegacyOffers(std::string_view bytes) {
  std::vector<LegacyOffers> offers;
  const std::vector<std::string> lines = SplitLines(bytes);
  auto line = [&](size_t index) { return index < lines.size() ? lines[index] : std::string(); };
  size_t i = 0;
  while (i < lines.size()) {
    const std::string& header = lines[i];
    if (header.size() < 2 || header.front() != '[' || header.back() != ']') {
      ++i;
      continue;
    }
    offers.push_back({header.substr(1, header.size() - 2), line(i + 1), line(i + 2), line(i + 3),
                      static_cast<int>(i) + 1});
    i += 4;
  }
  return offers;
}

std::vector<LegacyOffers> LoadLegacyOffers(const std::filesystem::path& path) {
  return ReadLegacyOffers(ReadFileBytes(path).value_or(std::string()));
}

const LegacyOffers* FindLegacyOffers(const std::vector<LegacyOffers>& offers,
                                     std::string_view placeName) {
  for (const LegacyOffers& each : offers) {
    if (each.placeName == placeName) return &each;
  }
  return nullptr;
}

std::vector<LegacyPriceLine> ReadLegacyPrices(std::string_view bytes) {
  std::vector<LegacyPriceLine> prices;
  std::vector<std::string> lines = SplitLines(bytes);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (TrimBlanks(lines[i]).empty()) continue;
    std::string name = Field(lines[i], 1, 30);
    prices.push_back({std::move(name), std::move(lines[i]), static_cast<int>(i) + 1});
  }
  return prices;
}

std::vector<LegacyPriceLine> LoadLegacyPrices(const std::filesystem::path& path) {
  return ReadLegacyPrices(ReadFileBytes(path).value_or(std::string()));
}

const LegacyPriceLine* FindLegacyPrices(const std::vector<LegacyPriceLine>& lines,
                                        std::string_view placeName) {
  for (const LegacyPriceLine& each : lines) {
    if (each.placeName == placeName) return &each;
  }
  return nullptr;
}

std::string LegacyGoodsPrices(std::string_view priceLine,
                              const std::vector<std::string>& goodsNames) {
  std::string prices;
  for (size_t i = 0; i < goodsNames.size(); ++i) {
    const int first = 31 + 20 * static_cast<int>(i);
    prices += PadRight(goodsNames[i], 20);
    prices += PadRight(Columns(priceLine, first, first + 9), 10);
  }
  return prices;
}
