#include "tools/velmarith-data/dump.h"

#include <optional>

#include "formats/file_io.h"
#include "formats/group_catalogue.h"
#include "formats/json_writer.h"
#include "formats/latin1.h"
#include "formats/note_file.h"
#include "formats/text_rules.h"
#include "tools/velmarith-data/commands.h"
#include "tools/velmarith-data/dump_parts.h"

namespace {

bool IsOldSystemLayout(std::string_view bytes) {
  for (const std::string& line : SplitLines(bytes)) {
    const std::string marker = TrimBlanks(line);
    if (marker.empty()) continue;
    for (const char* old :
         {"[Umgebung]", "[Route]", "[Sonne]", "[Planet]", "[Station]", "[Andockring]"}) {
      if (marker == old) return true;
    }
    return false;
  }
  return false;
}

const char* KindName(DumpKind kind) {
  switch (kind) {
    case DumpKind::kShipTypes:
      return "ship types";
    case DumpKind::kWeaponTypes:
      return "weapon types";
    case DumpKind::kGroups:
      return "groups";
    case DumpKind::kGoods:
      return "goods";
    case DumpKind::kElementDefs:
      return "element definitions";
    case DumpKind::kPeopleDefs:
      return "people definitions";
    case DumpKind::kGroupTexts:
      return "group texts";
    case DumpKind::kBriefingTexts:
      return "briefing texts";
    case DumpKind::kUniverse:
      return "universe";
    case DumpKind::kSystem:
      return "system elements";
    case DumpKind::kLegacySystem:
      return "system elements, older layout";
    case DumpKind::kRoutes:
      return "routes";
    case DumpKind::kPlace:
      return "place";
    case DumpKind::kNotes:
      return "notes";
    case DumpKind::kLegacyOffers:
      return "offers, older layout";
    case DumpKind::kLegacyPrices:
      return "goods prices, older layout";
    case DumpKind::kRoutePoints:
      return "route points";
    case DumpKind::kUnknown:
      break;
  }
  return "unknown";
}

}  // namespace

DumpKind DumpKindOf(const std::filesystem::path& path, std::string_view bytes) {
  const std::string name = path.filename().string();
  const std::string folder = path.parent_path().filename().string();
  if (name == "Raumschiffe.ini") return DumpKind::kShipTypes;
  if (name == "Waffen.ini") return DumpKind::kWeaponTypes;
  if (name == "Gruppen.ini") return DumpKind::kGroups;
  if (name == "Waren.ini") return DumpKind::kGoods;
  if (name == "_Elemente.ini") return DumpKind::kElementDefs;
  if (name == "_Leute.ini") return DumpKind::kPeopleDefs;
  if (name == "Einweisung.txt") return DumpKind::kBriefingTexts;
  if (name == "Gruppen.txt") return folder == "TXT" ? DumpKind::kGroupTexts : DumpKind::kNotes;
  if (name == "Waren.txt") return DumpKind::kNotes;
  if (name == "Universum.ini") return DumpKind::kUniverse;
  if (name == "System.ini") {
    return IsOldSystemLayout(bytes) ? DumpKind::kLegacySystem : DumpKind::kSystem;
  }
  if (name == "Routen.ini") return DumpKind::kRoutes;
  if (name == "Schiffe-Waren-Waffen.ini") return DumpKind::kLegacyOffers;
  if (name == "__WarenPreise.ini") return DumpKind::kLegacyPrices;
  if (name == "Routenpunkte.txt") return DumpKind::kRoutePoints;
  if (folder == "Orte" && path.extension() == ".ini") return DumpKind::kPlace;
  return DumpKind::kUnknown;
}

void DumpFile(DumpKind kind, const std::filesystem::path& path, std::string_view bytes,
              int groupCount, std::ostream& out) {
  JsonWriter json{out, {}, false};
  ReadIssues issues;
  JsonBeginObject(json);
  JsonField(json, "file", Utf8ToLatin1(path.string()));
  JsonField(json, "kind", KindName(kind));
  switch (kind) {
    case DumpKind::kShipTypes:
      DumpShipTypes(json, bytes, issues);
      break;
    case DumpKind::kWeaponTypes:
      DumpWeaponTypes(json, bytes, issues);
      break;
    case DumpKind::kGroups:
      DumpGroups(json, bytes, issues);
      break;
    case DumpKind::kGoods:
      DumpGoods(json, bytes, issues);
      break;
    case DumpKind::kElementDefs:
    case DumpKind::kPeopleDefs:
      DumpKindDefs(json, bytes, kind == DumpKind::kElementDefs, issues);
      break;
    case DumpKind::kGroupTexts:
      DumpGroupTexts(json, bytes, groupCount);
      break;
    case DumpKind::kBriefingTexts:
      DumpBriefingTexts(json, bytes, issues);
      break;
    case DumpKind::kUniverse:
      DumpUniverse(json, bytes, issues);
      break;
    case DumpKind::kSystem:
      DumpSystem(json, bytes, issues);
      break;
    case DumpKind::kLegacySystem:
      DumpLegacySystem(json, bytes, issues);
      break;
    case DumpKind::kRoutes:
      DumpRoutes(json, bytes, issues);
      break;
    case DumpKind::kPlace:
      DumpPlace(json, bytes, issues);
      break;
    case DumpKind::kNotes:
      JsonField(json, "text", ReadNoteText(bytes));
      break;
    case DumpKind::kLegacyOffers:
      DumpLegacyOffers(json, bytes);
      break;
    case DumpKind::kLegacyPrices:
      DumpLegacyPrices(json, bytes);
      break;
    case DumpKind::kRoutePoints:
      DumpRoutePoints(json, bytes, issues);
      break;
    case DumpKind::kUnknown:
      break;
  }
  JsonKey(json, "issues");
  JsonBeginArray(json);
  for (const ReadIssue& issue : issues) {
    JsonBeginObject(json);
    JsonField(json, "line", issue.line);
    JsonField(json, "message", issue.message);
    JsonEndObject(json);
  }
  JsonEndArray(json);
  JsonEndObject(json);
}

namespace {

bool IsSaveFile(const std::filesystem::path& path) {
  return path.extension() == ".sav";
}

// The group count for TXT\Gruppen.txt comes from INI\Gruppen.ini beside it.
int GroupCountBeside(const std::filesystem::path& groupTexts) {
  const std::filesystem::path ini = groupTexts.parent_path().parent_path() / "INI" / "Gruppen.ini";
  if (std::optional<std::string> bytes = ReadFileBytes(ini)) return ReadGroups(*bytes).groupCount;
  return kMaxGroups - 1;
}

}  // namespace

int RunDumpCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  std::optional<std::filesystem::path> file;
  std::optional<std::filesystem::path> gameFolder;  // saved games only
  bool utf8 = false;
  for (const std::string& arg : args) {
    if (arg == "--utf8")
      utf8 = true;
    else if (!file && !arg.starts_with("--"))
      file = arg;
    else if (file && IsSaveFile(*file) && !gameFolder && !arg.starts_with("--"))
      gameFolder = arg;
    else {
      err << "velmarith-data dump: unexpected argument \"" << arg << "\"\n";
      return 2;
    }
  }
  if (!file) {
    err << "usage: velmarith-data dump <file> [--utf8]\n"
           "       velmarith-data dump <file.sav> [<game folder>]\n"
           "       velmarith-data dump <file.zusatz>\n";
    return 2;
  }
  if (IsSaveFile(*file)) {
    if (utf8) {
      err << "velmarith-data dump: a saved game is bytes; --utf8 does not apply\n";
      return 2;
    }
    return RunSaveDump(*file, gameFolder, out, err);
  }
  if (file->extension() == ".zusatz") return RunCompanionDump(*file, out, err);
  std::optional<std::string> bytes = ReadFileBytes(*file);
  if (!bytes) {
    err << "velmarith-data dump: cannot read " << file->string() << "\n";
    return 2;
  }
  if (utf8) *bytes = Utf8ToLatin1(*bytes);
  const DumpKind kind = DumpKindOf(*file, *bytes);
  if (kind == DumpKind::kUnknown) {
    err << "velmarith-data dump: " << file->string() << " is no data file known by its name\n";
    return 2;
  }
  const int groupCount = kind == DumpKind::kGroupTexts ? GroupCountBeside(*file) : 0;
  DumpFile(kind, *file, *bytes, groupCount, out);
  return 0;
}
