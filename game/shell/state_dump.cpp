#include "game/shell/state_dump.h"

#include "game/shell/game.h"
#include "game/shell/json_writer.h"

namespace {

void DumpShip(JsonWriter& json, const ShipRecord& s) {
  BeginObject(json);
  WriteValue(json, "type", s.type);
  WriteValue(json, "id", s.id);
  WriteValue(json, "controller", s.controller);
  WriteValue(json, "pilotName", s.pilotName);
  WriteValue(json, "group", s.group);
  WriteValue(json, "radius", s.radius);
  WriteValue(json, "x", s.x);
  WriteValue(json, "y", s.y);
  WriteValue(json, "heading", s.heading);
  WriteValue(json, "turnRate", s.turnRate);
  WriteValue(json, "agility", s.agility);
  WriteValue(json, "speed", s.speed);
  WriteValue(json, "maxSpeed", s.maxSpeed);
  WriteValue(json, "driveSpeed", s.driveSpeed);
  WriteValue(json, "driveFactor", s.driveFactor);
  WriteValue(json, "money", s.money);
  WriteValue(json, "weapons", s.weapons);
  WriteValue(json, "cargo", s.cargo);
  WriteValue(json, "cargoCapacity", s.cargoCapacity);
  WriteValue(json, "hull", s.hull);
  WriteValue(json, "maxHull", s.maxHull);
  WriteValue(json, "impactSprite", s.impactSprite);
  WriteValue(json, "impacts", s.impacts);
  WriteValue(json, "shield", s.shield);
  WriteValue(json, "maxShield", s.maxShield);
  WriteValue(json, "shieldDownTimer", s.shieldDownTimer);
  WriteValue(json, "energy", s.energy);
  WriteValue(json, "maxEnergy", s.maxEnergy);
  WriteValue(json, "tractorTimer", s.tractorTimer);
  WriteValue(json, "orders", s.orders);
  WriteValue(json, "dockTarget", s.dockTarget);
  WriteValue(json, "spare", s.spare);
  EndObject(json);
}

void DumpSystemObject(JsonWriter& json, const SystemObjectRecord& o) {
  BeginObject(json);
  WriteValue(json, "type", o.type);
  WriteValue(json, "id", o.id);
  WriteValue(json, "radius", o.radius);
  WriteValue(json, "x", o.x);
  WriteValue(json, "y", o.y);
  WriteValue(json, "angle", o.angle);
  WriteValue(json, "spin", o.spin);
  WriteValue(json, "bound", o.bound);
  WriteValue(json, "group", o.group);
  WriteValue(json, "name", o.name);
  EndObject(json);
}

void DumpPlace(JsonWriter& json, const PlaceRecord& p) {
  BeginObject(json);
  WriteValue(json, "name", p.name);
  WriteValue(json, "known", p.known);
  WriteValue(json, "x", p.x);
  WriteValue(json, "y", p.y);
  WriteValue(json, "systemFolder", p.systemFolder);
  WriteValue(json, "shipOffers", p.shipOffers);
  WriteValue(json, "weaponOffers", p.weaponOffers);
  WriteValue(json, "goodsOffers", p.goodsOffers);
  WriteValue(json, "goodsPrices", p.goodsPrices);
  EndObject(json);
}

void DumpMenuItem(JsonWriter& json, const MenuItemRecord& m) {
  BeginObject(json);
  WriteValue(json, "kind", m.kind);
  WriteValue(json, "x", m.x);
  WriteValue(json, "y", m.y);
  WriteValue(json, "caption", m.caption);
  WriteValue(json, "action", m.action);
  EndObject(json);
}

template <class T, class Writer>
void WriteList(JsonWriter& json, const char* key, const CursorList<T>& list, Writer write) {
  BeginArray(json, key);
  for (const T& record : list) write(json, record);
  EndArray(json);
}

void WriteScalars(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  WriteValue(json, "LocalPlayerNumber", w.localPlayerNumber);
  WriteValue(json, "CameraX", w.cameraX);
  WriteValue(json, "CameraY", w.cameraY);
  WriteValue(json, "PlayerHeading", w.playerHeading);
  WriteValue(json, "NextObjectId", w.nextObjectId);
  WriteValue(json, "PlayerShipType", w.playerShipType);
  WriteValue(json, "SystemOriginX", w.systemOriginX);
  WriteValue(json, "SystemOriginY", w.systemOriginY);
  WriteValue(json, "CurrentSystemX", w.currentSystemX);
  WriteValue(json, "CurrentSystemY", w.currentSystemY);
  WriteValue(json, "CurrentSystemFolder", w.currentSystemFolder);
  WriteValue(json, "SystemChangePending", w.systemChangePending);
  WriteValue(json, "TimeFactor", w.timeFactor);
  WriteValue(json, "NetworkGame", w.networkGame);
  WriteValue(json, "DeveloperInfo", w.developerInfo);
  WriteValue(json, "ScreenFade", w.screenFade);
  WriteValue(json, "FrameCounter", game.loop.frameCounter);
  WriteValue(json, "AnnouncementStep", game.loop.announcementStep);
  WriteValue(json, "ScreenState", game.menu.screenState);
  WriteValue(json, "ScreenTag", game.menu.screenTag);
  WriteValue(json, "NoGameInProgress", game.menu.noGameInProgress);
  WriteValue(json, "DockedPlace", game.menu.dockedPlace);
  WriteValue(json, "RevealCounter", game.menu.revealCounter);
}

void WriteCounts(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  BeginObject(json, "counts");
  WriteValue(json, "Ships", w.ships.Count());
  WriteValue(json, "SystemObjects", w.systemObjects.Count());
  WriteValue(json, "EnvironmentPieces", w.environmentPieces.Count());
  WriteValue(json, "Projectiles", w.projectiles.Count());
  WriteValue(json, "FloatingObjects", w.floatingObjects.Count());
  WriteValue(json, "Particles", w.particles.Count());
  WriteValue(json, "FieldGlows", w.fieldGlows.Count());
  WriteValue(json, "TickerMessages", w.tickerMessages.Count());
  WriteValue(json, "Places", w.places.Count());
  WriteValue(json, "MenuItems", game.menu.menuItems.Count());
  WriteValue(json, "MenuStars", game.menu.menuStars.Count());
  WriteValue(json, "SaveFileNames", game.menu.saveFileNames.Count());
  WriteValue(json, "KeyCharMap", game.ui.keyCharMap.Count());
  EndObject(json);
}

}  // namespace

std::string DumpState(const Game& game, int frame) {
  JsonWriter json;
  BeginObject(json);
  WriteValue(json, "frame", frame);
  WriteValue(json, "mode", game.loop.menuRunning ? "menu" : "flight");
  WriteScalars(json, game);
  WriteCounts(json, game);
  WriteValue(json, "ShipTypeCount", game.catalogues.ships.shipTypeCount);
  WriteValue(json, "WeaponTypeCount", game.catalogues.weapons.weaponTypeCount);
  WriteValue(json, "GroupCount", game.catalogues.groups.groupCount);
  WriteList(json, "Ships", game.world.ships, DumpShip);
  WriteList(json, "SystemObjects", game.world.systemObjects, DumpSystemObject);
  WriteList(json, "Places", game.world.places, DumpPlace);
  WriteList(json, "MenuItems", game.menu.menuItems, DumpMenuItem);
  EndObject(json);
  json.out += '\n';
  return json.out;
}
