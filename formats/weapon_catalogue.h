#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "formats/read_issues.h"
#include "formats/record_fields.h"

// INI\Waffen.ini: the weapon types, numbered from 1; entry 0 is the empty slot "-LEER-".

inline constexpr int kMaxWeaponTypes = 100;
inline constexpr std::string_view kEmptyWeaponName = "-LEER-";

// Fields in storage order.
struct WeaponType {
  std::string name;       // columns 1-20; also names the pictures
  int weaponClass = 0;    // columns 21-30
  int kind = 0;           // columns 31-40: 1..9, see WeaponKindNames
  float fireRate = 0;     // columns 91-100, decimal: shots per second
  int speed = 0;          // columns 71-80
  int range = 0;          // columns 61-70
  int homing = 0;         // columns 81-90
  int hullDamage = 0;     // columns 41-50
  int shieldDamage = 0;   // columns 51-60
  int price = 0;          // columns 111-120
  int reserved = 0;       // always 0
  int energyPerShot = 0;  // columns 101-110
};

template <>
struct RecordFields<WeaponType> {
  static constexpr auto kList = std::make_tuple(
      Field("name", &WeaponType::name), Field("weaponClass", &WeaponType::weaponClass),
      Field("kind", &WeaponType::kind), Field("fireRate", &WeaponType::fireRate),
      Field("speed", &WeaponType::speed), Field("range", &WeaponType::range),
      Field("homing", &WeaponType::homing), Field("hullDamage", &WeaponType::hullDamage),
      Field("shieldDamage", &WeaponType::shieldDamage), Field("price", &WeaponType::price),
      Field("energyPerShot", &WeaponType::energyPerShot));
  static constexpr std::size_t kLeftOut = 1;  // reserved: no column of the file, always 0
};

struct WeaponCatalogue {
  std::vector<WeaponType> weaponTypes;  // index = weapon-type index; [0] is "-LEER-"
  int weaponTypeCount = 0;
  std::vector<int> sourceLines;  // line of each entry in the file; [0] = 0
};

// The names shown as "Waffentyp", indexed by kind 1..9 ([0] is empty).
extern const std::array<std::string_view, 10> WeaponKindNames;

WeaponCatalogue ReadWeaponTypes(std::string_view bytes, ReadIssues* issues = nullptr);
WeaponCatalogue LoadWeaponTypes(const std::filesystem::path& path, ReadIssues* issues = nullptr);

// The last entry 1..count whose name equals `name` exactly; 0 when none.
int WeaponTypeIndex(const WeaponCatalogue& catalogue, std::string_view name);

// Data paths of a weapon's pictures: "BMP\Waffen\<name>.bmp" and "BMP\Waffen\<name>-.bmp".
std::string WeaponPictureDataPath(std::string_view name);
std::string WeaponSecondPictureDataPath(std::string_view name);
