// A busy flight frame in the start system, headless: 50 computer ships flying, docking and riding
// lanes round the camera and 5000 particles alive.
//   build/bench/bench_flight_frames [game folder]
// Prints the simulation alone (every pass with drawing off), the whole frame, and each pass with
// and without its drawing, as the median of five batches.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "bench_game.h"
#include "formats/object_kinds.h"
#include "game/flight/environment.h"
#include "game/flight/floating_objects.h"
#include "game/flight/particles.h"
#include "game/flight/player_pass.h"
#include "game/flight/projectiles.h"
#include "game/flight/ships_pass.h"
#include "game/flight/system_objects.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kShips = 50;
constexpr int kParticles = 5000;

// Keeps the scene as busy as promised between measured frames: ships that docked are replaced,
// particles that died are made again round the camera (`spread` units either way).
struct Scene {
  Game& game;
  std::vector<int> rings;    // ids of docking rings
  std::vector<int> entries;  // ids of lane entries
  float spread = 1200;
  int made = 0;

  void AddComputerShip() {
    World& world = game.world;
    Rng& rng = game.rng;
    const int type = 1 + RandomInt(rng, game.catalogues.ships.shipTypeCount - 1);
    const ShipType& t = game.catalogues.ships.shipTypes[type];
    ShipRecord ship{};
    ship.type = ShipPictureOf(type);
    ship.id = world.nextObjectId += 10;
    ship.radius = float(t.size);
    ship.x = world.cameraX - 1500 + RandomInt(rng, 3000);
    ship.y = world.cameraY - 1500 + RandomInt(rng, 3000);
    ship.heading = float(RandomInt(rng, 359));
    ship.turnRate = float(RandomInt(rng, 20) - 10);
    ship.agility = float(t.agility);
    ship.speed = float(20 + RandomInt(rng, 60));
    ship.maxSpeed = float(t.maxSpeed);
    ship.driveFactor = 1;
    ship.hull = float(t.hull);
    ship.maxHull = t.hull;
    ship.shield = ship.maxShield = 100;
    ship.energy = float(t.energy);
    ship.maxEnergy = t.energy;
    ship.tractorTimer = -1;
    ship.dockTarget = -1;
    // A third heads for a docking ring, a fifth for a lane; the rest cruise.
    const int job = made++ % 15;
    if (job < 5 && !rings.empty()) ship.dockTarget = rings[job % rings.size()];
    if (job >= 5 && job < 8 && !entries.empty()) ship.dockTarget = entries[job % entries.size()];
    world.ships.Reset();
    while (world.ships.Next()) {
    }
    AddShip(world.ships, ship);
  }

  void AddSomeParticle() {
    Rng& rng = game.rng;
    const float x = game.world.cameraX - spread + RandomInt(rng, int(2 * spread));
    const float y = game.world.cameraY - spread + RandomInt(rng, int(2 * spread));
    const int kind = RandomInt(rng, 9);
    ParticleRecord p{};
    p.x = x;
    p.y = y;
    p.heading = float(RandomInt(rng, 359));
    p.alpha = 155 + RandomInt(rng, 100);
    if (kind < 4) {  // exhaust
      p.sprite = 1;
      p.size = float(2 + RandomInt(rng, 4));
      p.speed = 2;
      p.life = 1;
    } else if (kind < 7) {  // lane plasma
      p.sprite = 412;
      p.size = float(19 + RandomInt(rng, 27));
      p.speed = 90;
      p.life = 23;
    } else if (kind < 9) {  // explosion fire
      p.sprite = 11;
      p.size = float(30 + RandomInt(rng, 70));
      p.speed = 3;
      p.life = 1;
    } else {  // a shot's trail
      p.sprite = 3101;
      p.size = 6;
      p.life = 2;
    }
    game.world.visit.particles.Reset();
    AddParticle(game.world.visit.particles, p);
  }

  void TopUp() {
    while (game.world.ships.Count() < kShips + 1) AddComputerShip();
    while (game.world.visit.particles.Count() < kParticles) AddSomeParticle();
    game.frame.screenFade = 0;
    game.world.docking.dockedRequest = 0;  // the local ship stays in flight
  }
};

// Frames of the scene, topped up between them; `work` is timed, the top-up is not.
double MedianMs(Scene& scene, int frames, const std::function<void()>& work) {
  return MedianBatchMs(frames, work, [&] { scene.TopUp(); });
}

void ReportPasses(Scene& scene) {
  Game& game = scene.game;
  struct Pass {
    const char* name;
    void (*run)(FlightContext&);
    BlendFactors blend;  // as the frame has it when the pass runs
  };
  const Pass passes[] = {{"environment pieces", RunEnvironmentPieces, kBlendNormal},
                         {"system objects", RunSystemObjects, kBlendNormal},
                         {"ships", RunShipsPass, kBlendNormal},
                         {"floating objects", RunFloatingObjects, kBlendNormal},
                         {"particles", RunParticles, kBlendAdditive}};
  for (const Pass& pass : passes) {
    auto timed = [&](bool drawing) {
      return MedianMs(scene, drawing ? 4 : 20, [&] {
        FlightContext flight = FlightOf(game);
        flight.drawing = drawing;
        BeginQuads(game.media);
        SetBlend(game.media, pass.blend);
        pass.run(flight);
        // The CPU renderer draws what was recorded when the frame is read (or shown).
        if (drawing) ReadScreenPixel(game.media, 0, 0);
      });
    };
    const double simulation = timed(false);
    const double whole = timed(true);
    std::printf("  %-20s simulation %7.3f ms   with drawing %7.3f ms\n", pass.name, simulation,
                whole);
  }
}

// The particles in the 800 box, and the pixels their squares cover (before clipping).
struct InView {
  int count = 0;
  double megapixels = 0;
};
InView ParticlesInView(const Game& game) {
  InView view;
  for (const ParticleRecord& p : game.world.visit.particles) {
    if (std::abs(p.x - game.world.cameraX) < 800 && std::abs(p.y - game.world.cameraY) < 800) {
      ++view.count;
      view.megapixels += 4.0 * p.size * p.size / 1e6;
    }
  }
  return view;
}

}  // namespace

int main(int argc, char** argv) {
  auto game = StartBenchFlight(argc, argv, 1);
  if (!game) return 1;
  std::printf("drawn by %s\n", ScreenRendererName(game->media).c_str());

  Scene scene{*game, {}, {}};
  for (const SystemObjectRecord& o : game->world.visit.systemObjects) {
    if (o.type == 4100) scene.rings.push_back(o.id);
    if (o.type == 4011 && std::abs(o.x - game->world.cameraX) < 3000 &&
        std::abs(o.y - game->world.cameraY) < 3000) {
      scene.entries.push_back(o.id);
    }
  }
  // The local ship cruises through the middle of it all.
  game->world.ships.Front()->speed = 60;
  game->world.ships.Front()->turnRate = 5;

  for (const float spread : {1200.0f, 700.0f}) {
    scene.spread = spread;
    game->world.visit.particles.Clear();
    scene.TopUp();
    for (int i = 0; i < 20; ++i) {
      scene.TopUp();
      RunFrame(*game);
    }
    const InView view = ParticlesInView(*game);
    std::printf(
        "%d ships, %d particles within %.0f of the camera (%d in the 800 box, %.1f Mpixel of "
        "quads):\n",
        game->world.ships.Count() - 1, game->world.visit.particles.Count(), spread, view.count,
        view.megapixels);
    const double simulation = MedianMs(scene, 20, [&] { RunFlightPasses(*game, false); });
    const double whole = MedianMs(scene, 10, [&] { RunFrame(*game); });
    std::printf("  simulation (all flight passes, no drawing): %.3f ms\n", simulation);
    std::printf("  whole headless frame (RunFrame, no cap):    %.3f ms\n", whole);
    ReportPasses(scene);
  }
  ShutdownMedia(game->media);
  return 0;
}
