#pragma once

#include <map>
#include <string>
#include <vector>

#include "formats/group_catalogue.h"
#include "game/world/computer_loadout.h"
#include "game/world/cursor_list.h"
#include "game/world/flight_state.h"
#include "game/world/records.h"
#include "game/world/remote_ships.h"

// The world is grouped by how long its parts live, so that entering a system, starting, saving
// and loading a game each say plainly what they keep:
// - SystemVisit: what one visit to a star system holds; entering a system starts a fresh one.
// - World: one game; a new game or a loaded one starts from a fresh world, and the few parts
//   that outlive a game are handed over by name (StartNewGameWorld, StartLoadedGameWorld).
// What lives for the whole run (catalogues, settings, media) lives outside the world.

// The contents of the current star system, rebuilt from its files on every entry.
struct SystemVisit {
  CursorList<SystemObjectRecord> systemObjects;
  CursorList<EnvironmentPieceRecord> environmentPieces;
  CursorList<ProjectileRecord> projectiles;
  CursorList<FloatingObjectRecord> floatingObjects;
  CursorList<ParticleRecord> particles;
  CursorList<FieldGlowRecord> fieldGlows;

  std::string currentSystemFolder;  // the system the camera is in
  int currentSystemX = 0;           // its origin
  int currentSystemY = 0;
  int systemOriginX = 0;  // origin of the system being loaded
  int systemOriginY = 0;
  bool trafficSeeded = false;  // the route traffic met on arrival is placed (once per visit)
};

// The docking request and its announcement, shared by flight, the HUD and the stations.
struct DockingState {
  std::string dockedPlace;   // the place docked at or asked for; under 3 characters: none
  int announcementStep = 0;  // the docking announcement: 0 idle, 1..19 running
  int dockedRequest = 0;     // raised by flight when the local ship has docked or respawns
};

// A mission's reward, paid by flight when no mission ship is left.
struct PendingReward {
  int amount = 0;
};

// The local ship's last destruction: the station screen opened by the respawn says so and lists
// what was lost, until the player leaves that screen.
struct ShipLoss {
  bool destroyed = false;
  std::vector<std::string> lines;  // "Fracht : 12 Medizin", "Waffe  : ...", "Auftrag: ..."
};

struct World {
  // The first record is always the local player's ship, which lives for the game; computer ships
  // belong to the visit (entering a system removes them), other players' ships to the network
  // session.
  CursorList<ShipRecord> ships;
  // Built at start-up from every system's rings; their known flags and stock lines change in play
  // and are saved with the game.
  CursorList<PlaceRecord> places;  // sorted by name, byte-wise
  // Group names and attitudes: read anew for every new game, changed by kills and contracts.
  GroupCatalogue groups = EmptyGroupCatalogue();
  CursorList<TickerMessageRecord> tickerMessages;

  int localPlayerNumber = 1;
  float cameraX = 0;
  float cameraY = 0;
  float playerHeading = 0;
  int nextObjectId = 100;
  int playerShipType = 1;
  int systemChangePending = 0;
  int networkGame = 0;
  int developerInfo = 0;
  int helpHintPending = 0;  // a new game says "F1: Hilfe" in the ticker once it reaches flight

  // Where the local ship last left a docking ring; it respawns there.
  float launchX = 0;
  float launchY = 0;
  float launchHeading = 0;

  DockingState docking;
  PendingReward pendingReward;
  ShipLoss shipLoss;
  FlightState flight;
  ComputerLoadout lastLoadout;  // what the last computer ship made got (computer_ships.h)
  SystemVisit visit;
  // The other players' motion, by player number; shown only, never saved.
  std::map<int, RemoteTrack> remoteTracks;
};

// Starts a fresh visit (entering a system, a new game). Particles are left to fade on their own,
// and the system last entered stays named until the camera is found in another.
void StartSystemVisit(SystemVisit& visit);

// A new game starts from a fresh world; it keeps only what outlives a game: the places (built
// from the data at start-up, with the known flags and stock lines they have come to), the
// ticker, the network session's numbers, the developer switch, the docking announcement in
// progress, a pending system change, the pending mission reward, the last computer loadout and
// the fading particles.
void StartNewGameWorld(World& world);

// A loaded game starts from a fresh world too. Besides what a new game keeps, it keeps the ships
// (the local one gives its pilot name to the loaded ship; entering the system removes the computer
// ships, other players' ships stay), the group attitudes (the file holds only the player's row)
// and the flight's selection and switches.
void StartLoadedGameWorld(World& world);

// Whether the player is docked at a place (DockedPlace names one).
bool Docked(const World& world);
