#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The places of the whole universe as the game's start-up scan finds them: every docking ring of
// every system's System.ini, one place per name, sorted byte-wise by name. Position and system
// folder come from the first system that names a place, the four offer lines from the place file
// of the last one (goods prices with every "000" read as "00 "). Missing files give nothing and
// the scan goes on.
struct ScannedPlace {
  std::string name;
  int x = 0;  // offsets inside the system
  int y = 0;
  std::string systemFolder;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  std::string goodsPrices;
};

std::vector<ScannedPlace> ScanPlaces(const std::filesystem::path& iniFolder);
