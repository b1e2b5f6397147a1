// Fights in the sample universe, played with the mouse like a player who keeps the pointer on the
// enemy: the left button held steers towards it, the right button fires. (A script cannot follow
// a moving ship; the loss to hostile fire and the respawn are a script, tests/scripts.)

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "flight_fixture.h"
#include "formats/group_catalogue.h"
#include "game/media/scan_codes.h"
#include "game/save/save_game.h"
#include "game/shell/frame_loop.h"
#include "game/world/computer_ships.h"
#include "game/world/geometry.h"
#include "game/world/missions.h"
#include "tests/support/temp_folder.h"

namespace {

class Battle : public testing::Test {
 protected:
  void SetUp() override {
    sample.StartInFlight();
    SeedRandom(sample.game->rng, 5);
  }
  World& world() { return sample.game->world; }

  // A computer ship of the group's traffic loadout at (x, y), with no orders.
  int AddEnemy(const std::string& group, float x, float y, int offset = 0) {
    World& w = world();
    w.nextObjectId += 10;
    TakeLoadout(w.lastLoadout, group, w.visit.currentSystemFolder, sample.game->catalogues,
                sample.game->rng);
    ShipRecord ship = MakeComputerShip(w, sample.game->catalogues, w.lastLoadout,
                                       GroupIndex(w.groups, group) + offset, x, y, 90);
    return AppendShip(w, ship).id;
  }
  const ShipRecord* Find(int id) {
    for (const ShipRecord& ship : world().ships) {
      if (ship.id == id) return &ship;
    }
    return nullptr;
  }
  // Plays frames with the pointer on the ship, both buttons held, until it is gone (true) or the
  // frames run out or the local ship is lost.
  bool Hunt(int id, int frames) {
    Media& media = sample.game->media;
    InjectMouseButton(media, 1, true);
    InjectMouseButton(media, 2, true);
    bool gone = false;
    for (int i = 0; i < frames && !gone; ++i) {
      const ShipRecord* enemy = Find(id);
      if (!enemy) {
        gone = true;
        break;
      }
      ViewPoint view;
      if (ViewTransform(world(), enemy->x, enemy->y, 8000, view)) {
        InjectMouseMove(media, std::clamp(int(kShipScreenX + view.viewOffsetX), 0, 1023),
                        std::clamp(int(kShipScreenY + view.viewOffsetY), 0, 767));
      }
      sample.Run(1);
      if (sample.InMenu() || world().docking.dockedRequest) break;
    }
    InjectMouseButton(media, 1, false);
    InjectMouseButton(media, 2, false);
    sample.Run(1);
    return gone || !Find(id);
  }
  std::map<int, int> Kinds(bool particles) {
    std::map<int, int> kinds;
    if (particles) {
      for (const ParticleRecord& p : world().visit.particles) kinds[p.sprite] += 1;
    } else {
      for (const FloatingObjectRecord& f : world().visit.floatingObjects) kinds[f.type] += 1;
    }
    return kinds;
  }
  SampleFlight sample;
};

class Fight : public Battle {
 protected:
  void SetUp() override {
    Battle::SetUp();
    // Lasers from the dealer's better shelves make short work of any ship.
    const int laser = WeaponTypeIndex(sample.game->catalogues.weapons, "Orkan-Laser");
    ASSERT_GT(laser, 0);
    world().ships.Front()->weapons.clear();
    for (int i = 0; i < 3; ++i) world().ships.Front()->weapons += ReadyWeapon(laser);
  }
};

TEST_F(Fight, AShipShotDownBurstsDropsPodsThatTheTractorCollectsAndCostsStanding) {
  const int qema = GroupIndex(world().groups, "Der Qema-Bund");
  const float before = GroupRelation(world().groups, 0, qema);
  const ShipRecord& local = *world().ships.Front();
  const int id = AddEnemy("Der Qema-Bund", local.x, local.y - 700);
  ASSERT_TRUE(Hunt(id, 3000));
  EXPECT_FALSE(sample.InMenu());
  // The burst of fire and the ring of the explosion.
  std::map<int, int> particles = Kinds(true);
  EXPECT_GT(particles[11] + particles[12], 100);
  // The kill cost the standing with the group (0.03, and again through its own 1).
  EXPECT_NEAR(GroupRelation(world().groups, 0, qema), before - 0.06, 1e-5);
  // The pods of its weapons and cargo drift where it fell.
  std::map<int, int> pods = Kinds(false);
  const int dropped = pods[3901] + pods[3911] + pods[3912] + pods[3913];
  ASSERT_GT(dropped, 0);
  const std::string weapons = local.weapons;
  const std::string cargo = local.cargo;

  // B held a moment: 50 frames after it is let go, every pod within 1000 comes aboard.
  sample.Hold(1, 5, kKeyB);
  sample.Run(60);
  pods = Kinds(false);
  EXPECT_EQ(pods[3901] + pods[3911] + pods[3912] + pods[3913], 0);
  EXPECT_GT(local.weapons.size() + local.cargo.size(), weapons.size() + cargo.size());
}

// The free game's ship as it starts, with its three guns, against the traffic loadout of the one
// group near the start system that is hostile to a new player (the Blacks fly in Kernwelt and in
// Alpha 23): a player who keeps the pointer on the enemy wins, whatever the chance.
TEST_F(Battle, TheStartShipWinsAgainstTheWeakestHostileLoadoutNearTheStart) {
  const int blacks = GroupIndex(world().groups, "Die Blacks");
  ASSERT_LE(GroupRelation(world().groups, 0, blacks), -0.5f);
  ShipRecord& local = *world().ships.Front();
  const ShipRecord start = local;
  for (const int seed : {1, 2, 3, 4}) {
    // Far from the routes, so that no other ship joins in; the ship as it left the station.
    local = start;
    sample.PlaceShip(90000, 95000, 270);
    SeedRandom(sample.game->rng, static_cast<std::uint64_t>(seed));
    const int id = AddEnemy("Die Blacks", local.x, local.y - 900);
    EXPECT_EQ(Find(id)->group, blacks);
    const bool won = Hunt(id, 6000);
    // A lost ship is back at the start ring, its station screen open.
    ASSERT_FALSE(local.x == start.x && local.y == start.y) << "lost, seed " << seed;
    ASSERT_TRUE(won) << "seed " << seed;
  }
}

TEST_F(Fight, TheRewardOfAMissionArrivesWhenItsShipIsDestroyed) {
  World& w = world();
  ShipRecord& local = *w.ships.Front();
  // As the people at a station hand it out: a marker, the reward, and a ship of the group + 200.
  local.orders = MissionMarker(static_cast<int>(local.x), static_cast<int>(local.y) - 800);
  w.pendingReward.amount = 2200;
  const int money = local.money;
  const int id = AddEnemy("Der Qema-Bund", local.x, local.y - 800, kMissionGroupOffset);
  ASSERT_TRUE(Hunt(id, 3000));
  sample.Run(2);
  EXPECT_EQ(local.orders, "");
  EXPECT_EQ(local.money, money + 2200);
  EXPECT_EQ(w.pendingReward.amount, 0);
}

TEST_F(Fight, AMissionSavedAndLoadedAgainPaysWhenItsShipIsDestroyed) {
  World& w = world();
  w.ships.Front()->orders = MissionMarker(45000, 79000);
  w.pendingReward.amount = 2200;
  const ShipRecord& local = *w.ships.Front();
  AddEnemy("Der Qema-Bund", local.x, local.y - 800, kMissionGroupOffset);
  // A game folder of its own for the save, on the sample universe.
  TempFolder folder("mission");
  std::filesystem::create_directory_symlink(std::filesystem::path(VELMARITH_TEST_GAME_DIR) / "INI",
                                            folder.path / "INI");
  ASSERT_TRUE(SaveGame(w, folder.path, "Auftrag").ok);
  CancelMission(w);  // the game went on without it
  w.ships.Front()->money = 500;

  ASSERT_TRUE(LoadGame(w, folder.path, sample.game->rng, "Auftrag").ok);
  const int money = w.ships.Front()->money;
  EXPECT_NE(money, 500);
  int id = 0;
  for (const ShipRecord& ship : w.ships) {
    if (IsMissionShip(ship)) id = ship.id;
  }
  ASSERT_NE(id, 0) << "the mission ship is not back";
  ASSERT_TRUE(Hunt(id, 3000));
  sample.Run(2);
  EXPECT_EQ(w.ships.Front()->orders, "");
  EXPECT_EQ(w.ships.Front()->money, money + 2200);
  EXPECT_EQ(w.pendingReward.amount, 0);
}

}  // namespace

namespace {

// The reddest pixel (red minus the others) in a square of the current frame.
int Reddest(Media& media, int x0, int y0, int x1, int y1) {
  int best = -1000;
  for (int y = y0; y < y1; y += 2) {
    for (int x = x0; x < x1; x += 2) {
      const int c = ReadScreenPixel(media, x, y);
      best = std::max(best, (c & 255) - ((c >> 8) & 255) / 2 - ((c >> 16) & 255) / 2);
    }
  }
  return best;
}

TEST_F(Fight, AHostileShipOffTheScreenHasARedMarkerOnTheEdge) {
  const ShipRecord& local = *world().ships.Front();
  AddEnemy("Die Blacks", local.x + 3000, local.y, 100);  // right of the ship, beyond the screen
  sample.Run(1);
  EXPECT_GT(Reddest(sample.game->media, 960, 560, 1024, 680), 100);
}

}  // namespace
