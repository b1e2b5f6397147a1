#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/file_io.h"
#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\<system>\Orte\<place>.ini, at fixed line positions:
//   1 "[Schiffe]", 2 ShipOffers, 3 "[Waffen]", 4 WeaponOffers, 5 "[Waren]", 6 GoodsOffers,
//   7 "[Warenpreise]", 8 GoodsPrices, 9 "[Leute]", 10 and on one 190-character person a line.
// Lines 1, 3, 5, 7 and 9 are skipped unread.

inline constexpr int kOfferRecordWidth = 30;  // name 1-20, value 21-30
inline constexpr int kPersonLineWidth = 190;
inline constexpr int kFirstPersonLine = 10;

// One 30-character record of an offer or goods-price line.
struct OfferRecord {
  std::string name;   // characters 1-20, trimmed
  std::string value;  // characters 21-30, trimmed: count on offer (-1 unlimited) or stock figure
};

template <>
struct RecordFields<OfferRecord> {
  static constexpr auto kList =
      std::make_tuple(Field("name", &OfferRecord::name), Field("value", &OfferRecord::value));
};

// The records of a line: its length divided by 30, rounded down (a trailing part is ignored).
std::vector<OfferRecord> SplitOffers(std::string_view line);

// One record: the name padded to 20, the value padded to 10 (longer texts are written whole).
std::string MakeOfferRecord(std::string_view name, std::string_view value);

// Fields in storage order.
struct PersonRecord {
  std::string mainKind;      // 1-30
  std::string subKind;       // 31-60
  std::string fromGroup;     // 61-90
  std::string againstGroup;  // 91-120
  int x = 0;                 // 121-130
  int y = 0;                 // 131-140
  int shipCount = 0;         // 141-150
  std::string infoPlace;     // 151-180
  int price = 0;             // 181-190
  int line = 0;              // line number in the file; 0 when made in memory
};

template <>
struct RecordFields<PersonRecord> {
  static constexpr auto kList = std::make_tuple(
      Field("mainKind", &PersonRecord::mainKind), Field("subKind", &PersonRecord::subKind),
      Field("fromGroup", &PersonRecord::fromGroup),
      Field("againstGroup", &PersonRecord::againstGroup), Field("x", &PersonRecord::x),
      Field("y", &PersonRecord::y), Field("shipCount", &PersonRecord::shipCount),
      Field("infoPlace", &PersonRecord::infoPlace), Field("price", &PersonRecord::price));
  // `line` tells where the person stood in its file; it is not a field of the person.
  static constexpr std::size_t kLeftOut = 1;
};

// A person cut from its fixed columns; a short line reads its missing columns as empty and 0.
PersonRecord ReadPersonLine(std::string_view line, int lineNumber = 0,
                            ReadIssues* issues = nullptr);
// The 190-character line the editor writes (longer when a value overflows its column).
std::string FormatPersonLine(const PersonRecord& person);

struct PlaceFile {
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;
  std::vector<PersonRecord> people;
};

enum class PlaceReadMode {
  kGame,    // empty person lines are skipped; a line of blanks is a person with empty fields
  kEditor,  // every line from line 10 on is a person, an empty one included
  // As kEditor, and a section without person lines still gives one person with empty fields,
  // as the first editor did (it then saved that person as a line of its own).
  kEditorLegacy,
};

PlaceFile ReadPlace(std::string_view bytes, PlaceReadMode mode, ReadIssues* issues = nullptr);
// No value when the file cannot be opened: the game then keeps its previous people, the editor
// gives the place empty offers.
std::optional<PlaceFile> LoadPlace(const std::filesystem::path& path, PlaceReadMode mode,
                                   ReadIssues* issues = nullptr);

// Exactly what the editor writes.
std::string WritePlace(const PlaceFile& place);
// Creates the folder (the system's "Orte") when missing, then replaces the file.
WriteResult SavePlace(const std::filesystem::path& path, const PlaceFile& place);

// What the game's start-up scan does to a goods-price line: every "000" becomes "00 ", scanning
// from the left without overlap. (A figure of 1000 thus reads as 100.)
std::string ReplaceTripleZeros(std::string_view goodsPrices);

// The data path of a place file relative to the INI folder: <system>\Orte\<place>.ini.
std::string PlaceDataPath(std::string_view systemFolder, std::string_view placeName);
