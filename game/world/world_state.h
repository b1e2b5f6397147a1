#pragma once

#include <string>

#include "game/world/cursor_list.h"
#include "game/world/records.h"

// The world of one game: every list of things that appear and vanish, and the world scalars.
// Catalogues, menus, the HUD and the media live in structs of their own.
struct World {
  CursorList<ShipRecord> ships;  // the local ship is always the first record
  CursorList<SystemObjectRecord> systemObjects;
  CursorList<EnvironmentPieceRecord> environmentPieces;
  CursorList<ProjectileRecord> projectiles;
  CursorList<FloatingObjectRecord> floatingObjects;
  CursorList<ParticleRecord> particles;
  CursorList<FieldGlowRecord> fieldGlows;
  CursorList<TickerMessageRecord> tickerMessages;
  CursorList<PlaceRecord> places;  // sorted by name, byte-wise

  int localPlayerNumber = 1;
  float cameraX = 0;
  float cameraY = 0;
  float playerHeading = 0;
  int nextObjectId = 100;
  int playerShipType = 1;
  int systemOriginX = 0;
  int systemOriginY = 0;
  int currentSystemX = 0;
  int currentSystemY = 0;
  std::string currentSystemFolder;
  int systemChangePending = 0;
  float timeFactor = 1.0f;
  int networkGame = 0;
  int developerInfo = 0;
  int screenFade = 0;  // > 0 fading in from black, < 0 fading out to black

  // Where the local ship last left a docking ring; it respawns there.
  float launchX = 0;
  float launchY = 0;
  float launchHeading = 0;
};

// Empties the lists that belong to one visit of a system (entering a system, a new game).
void ClearSystemLists(World& world);
