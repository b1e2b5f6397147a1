#include "game/shell/world_data_loading.h"

#include "formats/latin1.h"
#include "formats/object_kinds.h"
#include "game/shell/game.h"
#include "game/ui/loading_screen.h"
#include "game/world/attitudes.h"
#include "game/world/places.h"

namespace {

// A marker picture as plain RGB pixels for the mount-point scan; empty when it cannot be read.
RgbImage ReadMarkerPicture(const std::string& file) {
  RgbImage image;
  if (!ReadPictureRgb(file, image.width, image.height, image.pixels)) return RgbImage{};
  return image;
}

// A missing catalogue picture leaves its entry in place and the sprite undrawn.
void LoadCataloguePicture(Game& game, int number, const std::string& dataPath) {
  if (LoadPicture(game.media, number, GameFile(game, dataPath).string())) {
    CreateQuad(game.media, number, number);
  }
}

void LoadShipTypesWithPictures(Game& game) {
  ShipCatalogue& ships = game.catalogues.ships;
  ships = LoadShipTypes(GameFile(game, "INI\\Raumschiffe.ini"));
  for (int n = 1; n <= ships.shipTypeCount; ++n) {
    const ShipType& type = ships.shipTypes[n];
    LoadCataloguePicture(game, ShipPictureOf(n), ShipPictureDataPath(type.name));
    const RgbImage marker =
        ReadMarkerPicture(GameFile(game, ShipMarkerDataPath(type.name)).string());
    if (marker.width > 0) ApplyShipMarkerPoints(ships, n, FindShipMarkerPoints(marker, type.size));
  }
}

void LoadWeaponTypesWithPictures(Game& game) {
  WeaponCatalogue& weapons = game.catalogues.weapons;
  weapons = LoadWeaponTypes(GameFile(game, "INI\\Waffen.ini"));
  for (int n = 1; n <= weapons.weaponTypeCount; ++n) {
    const std::string& name = weapons.weaponTypes[n].name;
    LoadCataloguePicture(game, ProjectilePictureOf(n), WeaponPictureDataPath(name));
    LoadCataloguePicture(game, 3100 + n, WeaponSecondPictureDataPath(name));
  }
}

void LoadGoodsWithStock(Game& game) {
  game.catalogues.goods = LoadGoods(GameFile(game, "INI\\Waren.ini"));
  ComputeTotalStock(game.catalogues.goods, PlaceGoodsPriceLines(game.world));
}

}  // namespace

void LoadElementDefinitions(Game& game) {
  game.catalogues.elementDefs = LoadElementDefs(GameFile(game, "INI\\_Elemente.ini"));
}

void ReloadGroups(Game& game) {
  ResetAttitudes(game.world, GameFile(game, "INI\\Gruppen.ini"));
}

void LoadPlacesAndCatalogues(Game& game) {
  ShowLoadingScreen(game.media, 60, "INI\\Universum.ini");
  BuildPlaces(game.world, game.folder);
  ShowLoadingScreen(game.media, 65, "INI\\Raumschiffe.ini");
  LoadShipTypesWithPictures(game);
  game.catalogues.briefingTexts = LoadBriefingTexts(GameFile(game, "TXT\\Einweisung.txt"));
  ShowLoadingScreen(game.media, 70, "INI\\Waffen.ini");
  LoadWeaponTypesWithPictures(game);
  ShowLoadingScreen(game.media, 75, "INI\\Gruppen.ini");
  ReloadGroups(game);
  ShowLoadingScreen(game.media, 80, "INI\\Waren.ini");
  LoadGoodsWithStock(game);
  game.catalogues.groupTexts =
      LoadGroupTexts(GameFile(game, "TXT\\Gruppen.txt"), game.world.groups.groupCount);
  DimensionCatalogues(game.catalogues);  // once, after every catalogue is read
  FillCompassLabels(game.catalogues.compassLabels);
}
