#include "game/shell/state_dump.h"

#include <sstream>
#include "game/shell/game.h"

#include "formats/json_writer.h"

namespace {

void DumpShip(JsonWriter& json, const ShipRecord& s) {
  JsonBeginObject(json);
  JsonField(json, "type", s.type);
  JsonField(json, "id", s.id);
  JsonField(json, "controller", s.controller);
  JsonField(json, "pilotName", s.pilotName);
  JsonField(json, "group", s.group);
  JsonField(json, "radius", s.radius);
  JsonField(json, "x", s.x);
  JsonField(json, "y", s.y);
  JsonField(json, "heading", s.heading);
  JsonField(json, "turnRate", s.turnRate);
  JsonField(json, "agility", s.agility);
  JsonField(json, "speed", s.speed);
  JsonField(json, "maxSpeed", s.maxSpeed);
  JsonField(json, "driveSpeed", s.driveSpeed);
  JsonField(json, "driveFactor", s.driveFactor);
  JsonField(json, "money", s.money);
  JsonField(json, "weapons", s.weapons);
  JsonField(json, "cargo", s.cargo);
  JsonField(json, "cargoCapacity", s.cargoCapacity);
  JsonField(json, "hull", s.hull);
  JsonField(json, "maxHull", s.maxHull);
  JsonField(json, "impactSprite", s.impactSprite);
  JsonField(json, "impacts", s.impacts);
  JsonField(json, "shield", s.shield);
  JsonField(json, "maxShield", s.maxShield);
  JsonField(json, "shieldDownTimer", s.shieldDownTimer);
  JsonField(json, "energy", s.energy);
  JsonField(json, "maxEnergy", s.maxEnergy);
  JsonField(json, "tractorTimer", s.tractorTimer);
  JsonField(json, "orders", s.orders);
  JsonField(json, "dockTarget", s.dockTarget);
  JsonField(json, "spare", s.spare);
  JsonEndObject(json);
}

void DumpSystemObject(JsonWriter& json, const SystemObjectRecord& o) {
  JsonBeginObject(json);
  JsonField(json, "type", o.type);
  JsonField(json, "id", o.id);
  JsonField(json, "radius", o.radius);
  JsonField(json, "x", o.x);
  JsonField(json, "y", o.y);
  JsonField(json, "angle", o.angle);
  JsonField(json, "spin", o.spin);
  JsonField(json, "bound", o.bound);
  JsonField(json, "group", o.group);
  JsonField(json, "name", o.name);
  JsonEndObject(json);
}

void DumpPlace(JsonWriter& json, const PlaceRecord& p) {
  JsonBeginObject(json);
  JsonField(json, "name", p.name);
  JsonField(json, "known", p.known);
  JsonField(json, "x", p.x);
  JsonField(json, "y", p.y);
  JsonField(json, "systemFolder", p.systemFolder);
  JsonField(json, "shipOffers", p.shipOffers);
  JsonField(json, "weaponOffers", p.weaponOffers);
  JsonField(json, "goodsOffers", p.goodsOffers);
  JsonField(json, "goodsPrices", p.goodsPrices);
  JsonEndObject(json);
}

void DumpMenuItem(JsonWriter& json, const MenuItemRecord& m) {
  JsonBeginObject(json);
  JsonField(json, "kind", m.kind);
  JsonField(json, "x", m.x);
  JsonField(json, "y", m.y);
  JsonField(json, "caption", m.caption);
  JsonField(json, "action", m.action);
  JsonEndObject(json);
}

template <class T, class Writer>
void WriteList(JsonWriter& json, const char* key, const CursorList<T>& list, Writer write) {
  JsonKey(json, key);
  JsonBeginArray(json);
  for (const T& record : list) write(json, record);
  JsonEndArray(json);
}

void WriteScalars(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  JsonField(json, "LocalPlayerNumber", w.localPlayerNumber);
  JsonField(json, "CameraX", w.cameraX);
  JsonField(json, "CameraY", w.cameraY);
  JsonField(json, "PlayerHeading", w.playerHeading);
  JsonField(json, "NextObjectId", w.nextObjectId);
  JsonField(json, "PlayerShipType", w.playerShipType);
  JsonField(json, "SystemOriginX", w.systemOriginX);
  JsonField(json, "SystemOriginY", w.systemOriginY);
  JsonField(json, "CurrentSystemX", w.currentSystemX);
  JsonField(json, "CurrentSystemY", w.currentSystemY);
  JsonField(json, "CurrentSystemFolder", w.currentSystemFolder);
  JsonField(json, "SystemChangePending", w.systemChangePending);
  JsonField(json, "TimeFactor", w.timeFactor);
  JsonField(json, "NetworkGame", w.networkGame);
  JsonField(json, "DeveloperInfo", w.developerInfo);
  JsonField(json, "ScreenFade", w.screenFade);
  JsonField(json, "FrameCounter", game.loop.frameCounter);
  JsonField(json, "AnnouncementStep", game.loop.announcementStep);
  JsonField(json, "ScreenState", game.menu.screenState);
  JsonField(json, "ScreenTag", game.menu.screenTag);
  JsonField(json, "NoGameInProgress", game.menu.noGameInProgress);
  JsonField(json, "DockedPlace", game.menu.dockedPlace);
  JsonField(json, "RevealCounter", game.menu.revealCounter);
}

void WriteCounts(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  JsonKey(json, "counts");
  JsonBeginObject(json);
  JsonField(json, "Ships", w.ships.Count());
  JsonField(json, "SystemObjects", w.systemObjects.Count());
  JsonField(json, "EnvironmentPieces", w.environmentPieces.Count());
  JsonField(json, "Projectiles", w.projectiles.Count());
  JsonField(json, "FloatingObjects", w.floatingObjects.Count());
  JsonField(json, "Particles", w.particles.Count());
  JsonField(json, "FieldGlows", w.fieldGlows.Count());
  JsonField(json, "TickerMessages", w.tickerMessages.Count());
  JsonField(json, "Places", w.places.Count());
  JsonField(json, "MenuItems", game.menu.menuItems.Count());
  JsonField(json, "MenuStars", game.menu.menuStars.Count());
  JsonField(json, "SaveFileNames", game.menu.saveFileNames.Count());
  JsonField(json, "KeyCharMap", game.ui.keyCharMap.Count());
  JsonEndObject(json);
}

}  // namespace

std::string DumpState(const Game& game, int frame) {
  std::ostringstream out;
  JsonWriter json{out, {}, false};
  JsonBeginObject(json);
  JsonField(json, "frame", frame);
  JsonField(json, "mode", game.loop.menuRunning ? "menu" : "flight");
  WriteScalars(json, game);
  WriteCounts(json, game);
  JsonField(json, "ShipTypeCount", game.catalogues.ships.shipTypeCount);
  JsonField(json, "WeaponTypeCount", game.catalogues.weapons.weaponTypeCount);
  JsonField(json, "GroupCount", game.catalogues.groups.groupCount);
  WriteList(json, "Ships", game.world.ships, DumpShip);
  WriteList(json, "SystemObjects", game.world.systemObjects, DumpSystemObject);
  WriteList(json, "Places", game.world.places, DumpPlace);
  WriteList(json, "MenuItems", game.menu.menuItems, DumpMenuItem);
  JsonEndObject(json);
  return out.str();
}
