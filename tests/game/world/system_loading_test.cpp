#include "game/world/system_loading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "formats/element_kinds.h"
#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/system_file.h"
#include "game/world/places.h"
#include "game/world/routes.h"
#include "game/world/world_lists.h"
#include "tests/game/support/fixture_files.h"

namespace {

// Origin of the test system: a multiple of 1024, so field centres fall on it exactly.
constexpr int kOriginX = 200 * 1024;
constexpr int kOriginY = 100 * 1024;

ElementRecord Element(std::string group, std::string type, std::string name, int x, int y,
                      int direction, double rotation, int radius, int length,
                      std::string groupName = "") {
  return {std::move(group), std::move(type), std::move(name), std::move(groupName), x, y, direction,
          rotation,         radius,          length};
}

void WriteUniverse(const std::filesystem::path& folder) {
  WriteFixtureFile(folder / "INI" / "Universum.ini",
                   "[Systeme]\r\nTest\r\n" + std::to_string(kOriginX) + "\r\n" +
                       std::to_string(kOriginY) +
                       "\r\n[Routen]\r\nGR\xDCN\r\n300000\r\n150000\r\n0\r\n2\r\n3\r\n"
                       "Test <> Fern\r\n[Systeme]\r\nFern\r\n304800\r\n102400\r\n");
  WriteFixtureFile(folder / "INI" / "Gruppen.ini",
                   "0    Spieler                  1.0  \r\n"
                   "1    Die Allianz              0.5  1.0  \r\n");
  const std::vector<ElementRecord> elements = {
      Element("Sonnen", "Wei\xDF", "", 50000, 50000, 0, 0, 3000, 0),
      Element("Planeten", "Erde", "Terra", 20000, 30000, 0, 1.5, 800, 0, "Die Allianz"),
      Element("Planeten", "Gas", "Gigant", 70000, 30000, 0, 2.5, 1500, 0),
      Element("Stationen", "Kreuz", "Basis", 40000, 60000, 0, 0, 400, 0),
      Element("Andockringe", "Andockring", "Planet Neue Allianz", 40500, 60000, 90, 0, 0, 0),
      Element("Routen", "BLAU", "Terra <> Basis", 10000, 10000, 0, 0, 0, 1),
      Element("Felder", "Minen", "", 10 * 1024, 10 * 1024, 0, 0, 1024, 0),
      Element("Planeten", "K\xE4se", "Mond", 1000, 1000, 0, 0, 100, 0),
      Element("Sonnen", "Rot", "", 1000, 1000, 0, 0, 100, 0),
      Element("Umgebungen", "Asteroiden", "", 30 * 1024, 70 * 1024, 0, 0, 2048, 0),
      Element("Felder", "Strahlung", "", 80 * 1024, 80 * 1024, 0, 0, 3072, 0),
  };
  WriteFixtureFile(folder / "INI" / "Test" / "System.ini", WriteSystemElements(elements));
}

class SystemLoading : public testing::Test {
 protected:
  void SetUp() override {
    WriteUniverse(folder.path);
    world.groups = LoadGroups(folder.path / "INI" / "Gruppen.ini");
    world.cameraX = kOriginX + 45001;
    world.cameraY = kOriginY + 79300;
  }
  SystemContext Context() { return SystemContext{rng, folder.path}; }
  std::vector<const SystemObjectRecord*> ObjectsOfType(int type) {
    std::vector<const SystemObjectRecord*> found;
    for (const SystemObjectRecord& o : world.visit.systemObjects) {
      if (o.type == type) found.push_back(&o);
    }
    return found;
  }
  FixtureFolder folder;
  Rng rng;
  World world;
};

}  // namespace

TEST_F(SystemLoading, CreatesTheSystemsObjectsWithIdsInFileOrder) {
  EnterSystem(world, Context());
  EXPECT_EQ(world.visit.currentSystemFolder, "Test");
  EXPECT_EQ(world.visit.currentSystemX, kOriginX);
  EXPECT_EQ(world.visit.systemOriginX, 304800);  // the last system read
  EXPECT_EQ(world.visit.systemObjects.Count(), 16);

  const auto suns = ObjectsOfType(4310);
  ASSERT_EQ(suns.size(), 1u);
  EXPECT_EQ(suns[0]->id, 110);
  EXPECT_EQ(suns[0]->name, "Sonne");
  EXPECT_EQ(suns[0]->x, kOriginX + 50000);

  const auto earth = ObjectsOfType(4210);
  ASSERT_EQ(earth.size(), 1u);
  EXPECT_EQ(earth[0]->spin, 2);  // 1.5 rounds to 2
  EXPECT_EQ(earth[0]->group, 1);
  const auto gas = ObjectsOfType(4260);
  ASSERT_EQ(gas.size(), 1u);
  EXPECT_EQ(gas[0]->spin, 2);  // 2.5 rounds to 2 as well
  EXPECT_EQ(gas[0]->id, 130);

  const auto rings = ObjectsOfType(4100);
  ASSERT_EQ(rings.size(), 1u);
  EXPECT_EQ(rings[0]->name, "Planet Neue Allianz - Andockring");
  EXPECT_EQ(rings[0]->angle, 270);
  EXPECT_EQ(rings[0]->radius, 128);
  EXPECT_EQ(rings[0]->id, 150);

  const auto radiation = ObjectsOfType(4000);
  ASSERT_EQ(radiation.size(), 1u);
  EXPECT_EQ(radiation[0]->id, 0);
  EXPECT_EQ(radiation[0]->radius, 3072);
}

TEST_F(SystemLoading, RoutesMakeTwoLanesWithSharedIds) {
  EnterSystem(world, Context());
  // Blue, length 1: start and end marker only, 1000 apart, 160 to either side.
  std::map<int, std::vector<const SystemObjectRecord*>> lanes;
  for (const SystemObjectRecord& o : world.visit.systemObjects) {
    if (o.type > 4000 && o.type < 4100) lanes[o.id].push_back(&o);
  }
  ASSERT_EQ(lanes[161].size(), 2u);
  ASSERT_EQ(lanes[162].size(), 2u);
  const auto& out = lanes[161];
  EXPECT_EQ(out[0]->type, 4011);
  EXPECT_EQ(out[1]->type, 4013);
  EXPECT_EQ(out[0]->x, kOriginX + 10000);
  EXPECT_EQ(out[0]->y, kOriginY + 10160);
  EXPECT_EQ(out[1]->x, kOriginX + 11000);
  EXPECT_EQ(out[0]->name, "-> Basis");
  const auto& back = lanes[162];
  EXPECT_EQ(back[0]->x, kOriginX + 11000);
  EXPECT_EQ(back[0]->y, kOriginY + 9840);
  EXPECT_EQ(back[1]->x, kOriginX + 10000);
  EXPECT_EQ(back[0]->angle, -180);
  EXPECT_EQ(back[0]->name, "-> Terra");

  // The universe's green lane, length 2: a middle marker 4000 along.
  ASSERT_EQ(lanes[171].size(), 3u);
  EXPECT_EQ(lanes[171][1]->type, 4022);
  EXPECT_EQ(lanes[171][1]->x, 304000);
  EXPECT_EQ(lanes[171][2]->x, 308000);
  EXPECT_EQ(lanes[171][0]->name, "-> Fern");
  EXPECT_EQ(lanes[171][0]->group, 3);
  EXPECT_EQ(lanes[172].size(), 3u);
  EXPECT_EQ(world.nextObjectId, 170);
}

TEST_F(SystemLoading, MineGridKeepsThePointsInsideTheCircle) {
  EnterSystem(world, Context());
  const int cx = kOriginX + 10 * 1024;
  const int cy = kOriginY + 10 * 1024;
  std::vector<std::pair<int, int>> offsets;
  for (const ProjectileRecord& p : world.visit.projectiles) {
    EXPECT_EQ(p.sprite, 4401);
    EXPECT_EQ(p.ownerGroup, -1);
    EXPECT_EQ(p.range, 1);
    offsets.emplace_back(int(p.x) - cx, int(p.y) - cy);
  }
  std::sort(offsets.begin(), offsets.end());
  EXPECT_EQ(offsets,
            (std::vector<std::pair<int, int>>{{-453, -453}, {-403, 247}, {247, -403}, {297, 297}}));
}

TEST_F(SystemLoading, EnvironmentAreaTintAndPiecesStayInTheirCircle) {
  EnterSystem(world, Context());
  ASSERT_EQ(world.visit.fieldGlows.Count(), 1);
  EXPECT_EQ(world.visit.fieldGlows.Front()->colour, 60 + 256 * 60 + 65536 * 60);
  const double cx = kOriginX + 30 * 1024;
  const double cy = kOriginY + 70 * 1024;
  int rocks = 0;
  int stars = 0;
  for (const EnvironmentPieceRecord& piece : world.visit.environmentPieces) {
    if (piece.type >= 1011 && piece.type <= 1013) {
      ++rocks;
      EXPECT_LE(std::hypot(piece.x - cx, piece.y - cy), 2048.0);
    } else {
      ++stars;
      EXPECT_GE(piece.type, 1002);
      EXPECT_LE(piece.type, 1007);
      EXPECT_LE(std::hypot(piece.x - world.cameraX, piece.y - world.cameraY), 1600.0);
    }
  }
  // 480 drawn in the square, about pi/4 of them inside the circle.
  EXPECT_GT(rocks, 300);
  EXPECT_LT(rocks, 460);
  EXPECT_GT(stars, 120);
  EXPECT_LE(stars, 200);
}

TEST_F(SystemLoading, EnteringAgainGivesNewIdsAndKeepsOnlyTheLocalShip) {
  AddShip(world.ships, {.type = 2001, .id = 10, .controller = 1});
  AddShip(world.ships, {.type = 2002, .id = 500});
  AddShip(world.ships, {.type = 2003, .id = 510});
  EnterSystem(world, Context());
  EXPECT_EQ(world.ships.Count(), 1);
  EXPECT_EQ(world.ships.Front()->id, 10);
  EnterSystem(world, Context());
  EXPECT_EQ(world.visit.systemObjects.Count(), 16);
  EXPECT_EQ(ObjectsOfType(4310)[0]->id, 180);
  EXPECT_EQ(world.nextObjectId, 240);
}

TEST_F(SystemLoading, ACameraOnTheSquaresEdgeLoadsNoSystem) {
  world.cameraX = kOriginX;
  EnterSystem(world, Context());
  EXPECT_EQ(world.visit.currentSystemFolder, "");
  EXPECT_EQ(world.visit.systemObjects.Count(), 6);  // only the universe's green lane
  EXPECT_EQ(world.visit.projectiles.Count(), 0);
}

TEST(Places, SortedFirstSystemWinsPositionLastFileWinsTexts) {
  FixtureFolder folder;
  const auto ini = folder.path / "INI";
  WriteFixtureFile(ini / "Universum.ini",
                   "[Systeme]\r\nA\r\n0\r\n0\r\n[Systeme]\r\nB\r\n100000\r\n0\r\n"
                   "[Systeme]\r\nLeer\r\n200000\r\n0\r\n");
  WriteFixtureFile(ini / "A" / "System.ini",
                   WriteSystemElements({Element("Andockringe", "x", "Zeta", 1, 2, 0, 0, 0, 0),
                                        Element("Andockringe", "x", "Alpha", 3, 4, 0, 0, 0, 0)}));
  WriteFixtureFile(ini / "B" / "System.ini",
                   WriteSystemElements({Element("Andockringe", "x", "Alpha", 5, 6, 0, 0, 0, 0),
                                        Element("Andockringe", "x", "Mitte", 7, 8, 0, 0, 0, 0)}));
  PlaceFile alphaInA;
  alphaInA.shipOffers = MakeOfferRecord("Falke", "-1");
  WriteFixtureFile(ini / "A" / "Orte" / "Alpha.ini", WritePlace(alphaInA));
  PlaceFile alphaInB;
  alphaInB.weaponOffers = MakeOfferRecord("Loku I", "-1");
  alphaInB.goodsPrices = MakeOfferRecord("Wasser", "1000") + MakeOfferRecord("Erz", "3000");
  WriteFixtureFile(ini / "B" / "Orte" / "Alpha.ini", WritePlace(alphaInB));

  World world;
  BuildPlaces(world, folder.path);
  std::vector<std::string> names;
  for (const PlaceRecord& place : world.places) names.push_back(place.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Mitte", "Zeta"}));
  const PlaceRecord* alpha = FindPlace(world, "Alpha");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->x, 3);
  EXPECT_EQ(alpha->systemFolder, "A");
  EXPECT_EQ(alpha->shipOffers, "");  // B's file replaced A's texts
  EXPECT_EQ(alpha->weaponOffers, MakeOfferRecord("Loku I", "-1"));
  EXPECT_EQ(alpha->goodsPrices.substr(20, 10), "100 " + std::string(6, ' '));
  EXPECT_EQ(FindPlace(world, "Mitte")->known, 0);
}

// A lane of absurd length (possible in a file) is laid at the longest length the game flies,
// not as a billion markers.
TEST_F(SystemLoading, AnAbsurdRouteLengthIsLaidAtTheLongestLength) {
  AddRoute(world, 9000, 3, 0, 0, 0, 999999999, 0, "A <> B");
  int markers = 0;
  for (const SystemObjectRecord& o : world.visit.systemObjects) markers += o.id == 9001;
  EXPECT_EQ(markers, kMaxRouteLength + 1);
}
