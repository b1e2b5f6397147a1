#include "formats/place_file.h"

#include <array>

#include "formats/text_rules.h"

namespace {

constexpr std::array<std::string_view, 5> kHeadings = {"[Schiffe]", "[Waffen]", "[Waren]",
                                                       "[Warenpreise]", "[Leute]"};

void CheckOfferLine(std::string_view line, int number, ReadIssues* issues) {
  const size_t rest = line.size() % kOfferRecordWidth;
  if (rest != 0) {
    NoteIssue(issues, number,
              "offer line is not a whole number of 30-character records; the last " +
                  FormatInt(static_cast<long long>(rest)) + " characters are ignored");
  }
}

}  // namespace

std::vector<OfferRecord> SplitOffers(std::string_view line) {
  std::vector<OfferRecord> records;
  for (size_t start = 0; start + kOfferRecordWidth <= line.size(); start += kOfferRecordWidth) {
    const std::string_view record = line.substr(start, kOfferRecordWidth);
    records.push_back({Field(record, 1, 20), Field(record, 21, 30)});
  }
  return records;
}

std::string MakeOfferRecord(std::string_view name, std::string_view value) {
  return PadRight(name, 20) + PadRight(value, 10);
}

PersonRecord ReadPersonLine(std::string_view line, int lineNumber, ReadIssues* issues) {
  PersonRecord person;
  person.mainKind = Field(line, 1, 30);
  person.subKind = Field(line, 31, 60);
  person.fromGroup = Field(line, 61, 90);
  person.againstGroup = Field(line, 91, 120);
  person.x = ReadIntField(Columns(line, 121, 130), lineNumber, "person x", issues, false);
  person.y = ReadIntField(Columns(line, 131, 140), lineNumber, "person y", issues, false);
  person.shipCount = ReadIntField(Columns(line, 141, 150), lineNumber, "ship count", issues, false);
  person.infoPlace = Field(line, 151, 180);
  person.price = ReadIntField(Columns(line, 181, 190), lineNumber, "price", issues, false);
  person.line = lineNumber;
  if (line.size() > static_cast<size_t>(kPersonLineWidth)) {
    NoteIssue(issues, lineNumber, "person line longer than 190 characters; the rest is ignored");
  }
  return person;
}

std::string FormatPersonLine(const PersonRecord& person) {
  return PadRight(person.mainKind, 30) + PadRight(person.subKind, 30) +
         PadRight(person.fromGroup, 30) + PadRight(person.againstGroup, 30) +
         PadRight(FormatInt(person.x), 10) + PadRight(FormatInt(person.y), 10) +
         PadRight(FormatInt(person.shipCount), 10) + PadRight(person.infoPlace, 30) +
         PadRight(FormatInt(person.price), 10);
}

PlaceFile ReadPlace(std::string_view bytes, PlaceReadMode mode, ReadIssues* issues) {
  const std::vector<std::string> lines = SplitLines(bytes);
  auto line = [&](size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
  };
  for (size_t k = 0; k < kHeadings.size(); ++k) {
    const size_t number = 2 * k + 1;
    if (number <= lines.size() && lines[number - 1] != kHeadings[k]) {
      NoteIssue(issues, static_cast<int>(number),
                "expected \"" + std::string(kHeadings[k]) + "\"; the line is skipped unread");
    }
  }
  if (lines.size() < 9) {
    NoteIssue(issues, lines.empty() ? 1 : static_cast<int>(lines.size()),
              "place file cut short before its \"[Leute]\" line");
  }

  PlaceFile place;
  place.shipOffers = line(2);
  place.weaponOffers = line(4);
  place.goodsOffers = line(6);
  place.goodsPrices = line(8);
  for (const int number : {2, 4, 6, 8}) CheckOfferLine(line(number), number, issues);

  for (size_t index = kFirstPersonLine - 1; index < lines.size(); ++index) {
    if (mode == PlaceReadMode::kGame && lines[index].empty()) continue;
    place.people.push_back(ReadPersonLine(lines[index], static_cast<int>(index) + 1, issues));
  }
  if (mode == PlaceReadMode::kEditorLegacy && place.people.empty()) place.people.emplace_back();
  return place;
}

std::optional<PlaceFile> LoadPlace(const std::filesystem::path& path, PlaceReadMode mode,
                                   ReadIssues* issues) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return ReadPlace(*bytes, mode, issues);
}

std::string WritePlace(const PlaceFile& place) {
  std::string out;
  const std::array<const std::string*, 4> offers = {&place.shipOffers, &place.weaponOffers,
                                                    &place.goodsOffers, &place.goodsPrices};
  for (size_t k = 0; k < offers.size(); ++k) {
    AppendLine(out, kHeadings[k]);
    AppendLine(out, *offers[k]);
  }
  AppendLine(out, kHeadings[4]);
  for (const PersonRecord& person : place.people) AppendLine(out, FormatPersonLine(person));
  return out;
}

WriteResult SavePlace(const std::filesystem::path& path, const PlaceFile& place) {
  if (path.has_parent_path()) {
    WriteResult folder = EnsureFolder(path.parent_path());
    if (!folder.ok) return folder;
  }
  return WriteFileAtomically(path, WritePlace(place));
}

std::string ReplaceTripleZeros(std::string_view goodsPrices) {
  std::string out;
  out.reserve(goodsPrices.size());
  size_t i = 0;
  while (i < goodsPrices.size()) {
    if (goodsPrices.substr(i, 3) == "000") {
      out += "00 ";
      i += 3;
    } else {
      out += goodsPrices[i++];
    }
  }
  return out;
}

std::string PlaceDataPath(std::string_view systemFolder, std::string_view placeName) {
  return std::string(systemFolder) + "\\Orte\\" + std::string(placeName) + ".ini";
}
