#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/file_io.h"
#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\<system>\System.ini: element records of exactly ten lines, no header and no count:
//   "[" + elementGroup + "]", then "  " + each of elementType, name, groupName, x, y, direction,
//   rotation (shortest decimal form), radius, length.
// Readers take line 1 without its first and last character and trim the other nine lines.

inline constexpr int kElementRecordLines = 10;

// Fields in storage order.
struct ElementRecord {
  std::string elementGroup;  // "Umgebungen", "Felder", "Routen", "Sonnen", "Planeten", ...
  std::string elementType;
  std::string name;
  std::string groupName;  // a group name, "(keine Gruppe)" or empty
  int x = 0;              // offset from the system origin
  int y = 0;
  int direction = 0;  // degrees
  double rotation = 0;
  int radius = 0;
  int length = 0;
};

template <>
struct RecordFields<ElementRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("elementGroup", &ElementRecord::elementGroup),
      Field("elementType", &ElementRecord::elementType), Field("name", &ElementRecord::name),
      Field("groupName", &ElementRecord::groupName), Field("x", &ElementRecord::x),
      Field("y", &ElementRecord::y), Field("direction", &ElementRecord::direction),
      Field("rotation", &ElementRecord::rotation), Field("radius", &ElementRecord::radius),
      Field("length", &ElementRecord::length));
};

// Records in file order; a record cut short by the end of the file reads its missing lines as
// empty text and 0. Record k (from 0) starts at line 10k + 1.
std::vector<ElementRecord> ReadSystemElements(std::string_view bytes, ReadIssues* issues = nullptr);
std::vector<ElementRecord> LoadSystemElements(const std::filesystem::path& path,
                                              ReadIssues* issues = nullptr);

// Exactly what the editor writes for these elements, in list order.
std::string WriteSystemElements(const std::vector<ElementRecord>& elements);
WriteResult SaveSystemElements(const std::filesystem::path& path,
                               const std::vector<ElementRecord>& elements);

// The game's start-up scan of a system file, which walks it line by line rather than in records:
// every line equal to "[Andockringe]" is followed by kind, place name, group name, x and y.
struct DockingRingEntry {
  std::string name;  // the place name, trimmed
  int x = 0;
  int y = 0;
  int line = 0;  // line number of the marker
};
std::vector<DockingRingEntry> ScanDockingRings(std::string_view bytes);
