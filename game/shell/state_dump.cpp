#include "game/shell/state_dump.h"

#include <array>
#include <map>
#include <sstream>
#include "game/shell/game.h"

#include "formats/json_record.h"
#include "formats/media_numbers.h"

namespace {

template <class T>
void WriteList(JsonWriter& json, const char* key, const CursorList<T>& list) {
  JsonKey(json, key);
  JsonBeginArray(json);
  for (const T& record : list) JsonRecord(json, record);
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
  JsonField(json, "SystemOriginX", w.visit.systemOriginX);
  JsonField(json, "SystemOriginY", w.visit.systemOriginY);
  JsonField(json, "CurrentSystemX", w.visit.currentSystemX);
  JsonField(json, "CurrentSystemY", w.visit.currentSystemY);
  JsonField(json, "CurrentSystemFolder", w.visit.currentSystemFolder);
  JsonField(json, "SystemChangePending", w.systemChangePending);
  JsonField(json, "TimeFactor", game.frame.timeFactor);
  JsonField(json, "NetworkGame", w.networkGame);
  JsonField(json, "DeveloperInfo", w.developerInfo);
  JsonField(json, "ScreenFade", game.frame.screenFade);
  JsonField(json, "FrameCounter", game.frame.frameCounter);
  JsonField(json, "AnnouncementStep", game.world.docking.announcementStep);
  JsonField(json, "ScreenState", game.menu.screenState);
  JsonField(json, "ScreenTag", game.menu.screenTag);
  JsonField(json, "HoveredItem", game.menu.hoveredItem);
  JsonField(json, "NoGameInProgress", game.menu.noGameInProgress);
  JsonField(json, "DockedPlace", game.world.docking.dockedPlace);
  JsonField(json, "RevealCounter", game.menu.revealCounter);
  JsonField(json, "PendingReward", game.world.pendingReward.amount);
  JsonField(json, "SaveName", game.save.saveName);
  JsonField(json, "SaveListScroll", game.save.saveListScroll);
}

template <size_t N>
void WriteInts(JsonWriter& json, const char* key, const std::array<int, N>& values) {
  JsonKey(json, key);
  JsonBeginArray(json);
  for (int value : values) JsonInt(json, value);
  JsonEndArray(json);
}

// The visit to the docked station: the copies of the place's lines the dealers change, the
// people met there and who of them came, the list positions.
void WriteStation(JsonWriter& json, const Game& game) {
  const StationState& station = game.station;
  JsonField(json, "CurrentShipOffers", station.currentShipOffers);
  JsonField(json, "CurrentWeaponOffers", station.currentWeaponOffers);
  JsonField(json, "CurrentGoodsOffers", station.currentGoodsOffers);
  JsonField(json, "CurrentGoodsPrices", station.currentGoodsPrices);
  JsonField(json, "SelectedPerson", station.selectedPerson);
  WriteInts(json, "PresenceRolls", station.presenceRolls);
  WriteInts(json, "ListScroll", station.listScroll);
}

// The player's row of the attitudes: what kills and contracts change.
void WritePlayerAttitudes(JsonWriter& json, const World& world) {
  JsonKey(json, "PlayerAttitudes");
  JsonBeginArray(json);
  for (int g = 0; g <= world.groups.groupCount; ++g) {
    JsonNumber(json, GroupRelation(world.groups, 0, g));
  }
  JsonEndArray(json);
}

// The names the save and load screens offer.
void WriteSaveFileNames(JsonWriter& json, const Game& game) {
  JsonKey(json, "SaveFileNames");
  JsonBeginArray(json);
  for (const std::string& name : game.save.saveFileNames) JsonText(json, name);
  JsonEndArray(json);
}

void WriteCounts(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  JsonKey(json, "counts");
  JsonBeginObject(json);
  JsonField(json, "Ships", w.ships.Count());
  JsonField(json, "SystemObjects", w.visit.systemObjects.Count());
  JsonField(json, "EnvironmentPieces", w.visit.environmentPieces.Count());
  JsonField(json, "Projectiles", w.visit.projectiles.Count());
  JsonField(json, "FloatingObjects", w.visit.floatingObjects.Count());
  JsonField(json, "Particles", w.visit.particles.Count());
  JsonField(json, "FieldGlows", w.visit.fieldGlows.Count());
  JsonField(json, "TickerMessages", w.tickerMessages.Count());
  JsonField(json, "Places", w.places.Count());
  JsonField(json, "MenuItems", game.menu.menuItems.Count());
  JsonField(json, "MenuStars", game.menu.menuStars.Count());
  JsonField(json, "SaveFileNames", game.save.saveFileNames.Count());
  JsonField(json, "KeyCharMap", game.ui.keyCharMap.Count());
  JsonField(json, "StationPeople", game.station.stationPeople.Count());
  JsonEndObject(json);
}

// The game-server client: the connection (0 none, 1 open, 11 no address, 12 failed) and what the
// character screens show.
void WriteNetwork(JsonWriter& json, const Game& game) {
  const NetState& net = game.net;
  JsonField(json, "ServerConnection", net.serverConnection);
  JsonField(json, "MyAccountId", game.settings.myAccountId);
  JsonKey(json, "CharacterNames");
  JsonBeginArray(json);
  for (const std::string& name : net.characterNames) JsonText(json, name);
  JsonEndArray(json);
  JsonField(json, "SelectedCharacter", net.selectedCharacter);
  JsonField(json, "NewCharacterName", net.newCharacterName);
}

// The settings in effect (the display, the renderer asked for, the clips' volumes) and what the
// settings file holds now, read back as the next start reads it.
void WriteSettings(JsonWriter& json, const Game& game) {
  JsonField(json, "Fullscreen", IsFullscreen(game.media) ? 1 : 0);
  JsonField(json, "Renderer", RendererSettingName(game.settings.renderer));
  JsonField(json, "EffectsVolume", ClipVolume(game.media, kSoundExplosion));
  JsonField(json, "AnnouncementVolume", ClipVolume(game.media, kSoundDockingVoice1));
  Settings stored;
  LoadSettings(stored, GameFile(game, "Konfigurationen.ini"));
  JsonKey(json, "SettingsFile");
  JsonBeginObject(json);
  JsonField(json, "Vollbild", stored.fullscreen ? 1 : 0);
  JsonField(json, "Renderer", RendererSettingName(stored.renderer));
  JsonField(json, "LautstaerkeEffekte", stored.effectsVolume);
  JsonField(json, "LautstaerkeAnsagen", stored.announcementVolume);
  JsonEndObject(json);
}

// What flight keeps for the local player, and the launch point it respawns at.
void WriteFlight(JsonWriter& json, const Game& game) {
  const World& w = game.world;
  JsonField(json, "SelectedObject", w.flight.selectedObject);
  JsonField(json, "LaunchX", w.launchX);
  JsonField(json, "LaunchY", w.launchY);
  JsonField(json, "LaunchHeading", w.launchHeading);
  JsonField(json, "HeatWarning", w.flight.heatWarning);
  JsonField(json, "FieldWarning", w.flight.fieldWarning);
  JsonField(json, "Afterburner", w.flight.afterburner);
  JsonField(json, "MouseSteering", w.flight.mouseSteering);
  JsonField(json, "PiecesNearby", w.flight.piecesNearby);
  JsonField(json, "DockedRequest", w.docking.dockedRequest);
}

// The flight overlay: its panel switches and positions, the tooltip, the chat line, and how
// often its pictures were rendered (they are rendered on change, not every frame).
void WriteHud(JsonWriter& json, const Game& game) {
  const HudState& hud = game.hud;
  JsonField(json, "WeaponListShown", hud.weaponListShown);
  JsonField(json, "LocationInfoShown", hud.locationInfoShown);
  JsonField(json, "ReputationShown", hud.reputationShown);
  JsonField(json, "SystemMapShown", hud.systemMapShown);
  JsonField(json, "CompassShown", hud.compassShown);
  JsonField(json, "LocationScroll", hud.locationScroll);
  JsonField(json, "SelectedPlace", hud.selectedPlace);
  JsonField(json, "LocationTab", hud.locationTab);
  JsonField(json, "ItemScroll", hud.itemScroll);
  JsonField(json, "GroupListScroll", hud.groupListScroll);
  JsonField(json, "SelectedGroup", hud.selectedGroup);
  JsonField(json, "HelpPage", hud.helpPage);
  JsonField(json, "HudStatusLine", hud.statusLine);
  JsonField(json, "HudPictureRenders", hud.pictureRenders);
  JsonField(json, "TooltipText", game.ui.tooltipText);
  JsonField(json, "LastTooltipText", game.ui.lastTooltipText);
  JsonField(json, "EditActive", game.ui.editActive);
  JsonField(json, "EditBuffer", game.ui.editBuffer);
  JsonField(json, "ObjectsNearby", game.world.flight.objectsNearby);
}

// How many records of a list have each type code ("1": 40, "1003": 180 ...).
template <class T, class Code>
void WriteKinds(JsonWriter& json, const char* key, const CursorList<T>& list, Code code) {
  std::map<int, int> counts;
  for (const T& record : list) counts[code(record)] += 1;
  JsonKey(json, key);
  JsonBeginObject(json);
  for (const auto& [kind, count] : counts) JsonField(json, std::to_string(kind), count);
  JsonEndObject(json);
}

void WriteKindCounts(JsonWriter& json, const Game& game) {
  const SystemVisit& v = game.world.visit;
  JsonKey(json, "kinds");
  JsonBeginObject(json);
  WriteKinds(json, "Particles", v.particles, [](const ParticleRecord& p) { return p.sprite; });
  WriteKinds(json, "EnvironmentPieces", v.environmentPieces,
             [](const EnvironmentPieceRecord& p) { return p.type; });
  WriteKinds(json, "FloatingObjects", v.floatingObjects,
             [](const FloatingObjectRecord& f) { return f.type; });
  WriteKinds(json, "Projectiles", v.projectiles,
             [](const ProjectileRecord& p) { return p.sprite; });
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
  WriteFlight(json, game);
  WriteHud(json, game);
  WriteKindCounts(json, game);
  WriteStation(json, game);
  WriteNetwork(json, game);
  WriteSettings(json, game);
  WritePlayerAttitudes(json, game.world);
  JsonField(json, "ShipTypeCount", game.catalogues.ships.shipTypeCount);
  JsonField(json, "WeaponTypeCount", game.catalogues.weapons.weaponTypeCount);
  JsonField(json, "GroupCount", game.world.groups.groupCount);
  WriteList(json, "Ships", game.world.ships);
  WriteList(json, "SystemObjects", game.world.visit.systemObjects);
  WriteList(json, "FloatingObjects", game.world.visit.floatingObjects);
  WriteList(json, "FieldGlows", game.world.visit.fieldGlows);
  WriteList(json, "TickerMessages", game.world.tickerMessages);
  WriteList(json, "Places", game.world.places);
  WriteList(json, "MenuItems", game.menu.menuItems);
  WriteList(json, "StationPeople", game.station.stationPeople);
  WriteSaveFileNames(json, game);
  JsonEndObject(json);
  return out.str();
}
