#include "formats/weapon_catalogue.h"

#include "formats/catalogue_lines.h"
#include "formats/file_io.h"
#include "formats/text_rules.h"

const std::array<std::string_view, 10> WeaponKindNames = {
    "",           "Partikelwaffe", "Plasmawaffe", "EM-Impulswaffe", "Ionenwaffe",
    "Faserwaffe", "Laserwaffe",    "Rakete",      "Torpedos",       "Mine"};

namespace {

int IntColumns(const DataLine& data, int first, int last, const char* what, ReadIssues* issues) {
  return ReadIntField(Columns(data.text, first, last), data.line, what, issues);
}

WeaponType ReadWeaponLine(const DataLine& data, ReadIssues* issues) {
  WeaponType weapon;
  weapon.name = Field(data.text, 1, 20);
  weapon.weaponClass = IntColumns(data, 21, 30, "weapon class", issues);
  weapon.kind = IntColumns(data, 31, 40, "weapon kind", issues);
  if (weapon.kind < 1 || weapon.kind > 9) {
    NoteIssue(issues, data.line, "weapon kind " + FormatInt(weapon.kind) + " outside 1..9");
  }
  weapon.hullDamage = IntColumns(data, 41, 50, "hull damage", issues);
  weapon.shieldDamage = IntColumns(data, 51, 60, "shield damage", issues);
  weapon.range = IntColumns(data, 61, 70, "range", issues);
  weapon.speed = IntColumns(data, 71, 80, "speed", issues);
  weapon.homing = IntColumns(data, 81, 90, "homing", issues);
  weapon.fireRate = static_cast<float>(
      ReadDecimalField(Columns(data.text, 91, 100), data.line, "fire rate", issues));
  weapon.energyPerShot = IntColumns(data, 101, 110, "energy per shot", issues);
  weapon.price = IntColumns(data, 111, 120, "price", issues);
  return weapon;
}

}  // namespace

WeaponCatalogue ReadWeaponTypes(std::string_view bytes, ReadIssues* issues) {
  WeaponCatalogue catalogue;
  WeaponType empty;
  empty.name = kEmptyWeaponName;
  catalogue.weaponTypes.push_back(empty);
  catalogue.sourceLines.push_back(0);
  for (const DataLine& data : DataLines(bytes)) {
    if (catalogue.weaponTypeCount == kMaxWeaponTypes) {
      NoteIssue(issues, data.line, "more than 100 weapon types; this one is ignored");
      continue;
    }
    catalogue.weaponTypes.push_back(ReadWeaponLine(data, issues));
    catalogue.sourceLines.push_back(data.line);
    ++catalogue.weaponTypeCount;
  }
  return catalogue;
}

WeaponCatalogue LoadWeaponTypes(const std::filesystem::path& path, ReadIssues* issues) {
  return ReadWeaponTypes(ReadFileBytes(path).value_or(std::string()), issues);
}

int WeaponTypeIndex(const WeaponCatalogue& catalogue, std::string_view name) {
  int found = 0;
  for (int n = 1; n <= catalogue.weaponTypeCount; ++n) {
    if (catalogue.weaponTypes[n].name == name) found = n;
  }
  return found;
}

std::string WeaponPictureDataPath(std::string_view name) {
  return "BMP\\Waffen\\" + std::string(name) + ".bmp";
}

std::string WeaponSecondPictureDataPath(std::string_view name) {
  return "BMP\\Waffen\\" + std::string(name) + "-.bmp";
}
