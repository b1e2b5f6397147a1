// What the player sees of the sample universe's planets and suns agrees with what they do: the
// opaque disc reaches the depth at which a ship is crushed, and the glow of the atmosphere or
// corona covers the band in which it burns, ending where the burning begins.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "game/flight/system_objects.h"
#include "game/hud/atmospheres.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game_flow.h"
#include "game/world/geometry.h"
#include "game/world/system_loading.h"
#include "game/world/world_lists.h"
#include "game_fixture.h"

namespace {

constexpr int kWhite = MakeColour(255, 255, 255);

struct Bodies : testing::Test {
  void SetUp() override {
    const std::filesystem::path folder = VELMARITH_TEST_GAME_DIR;
    ASSERT_TRUE(std::filesystem::exists(folder / "BMP")) << "no assembled game folder";
    game = MakeStartedGame(folder);
    StartFreeGame(*game);  // the free game's ship, whose size sets the burning band
    World& world = game->world;
    world.visit.systemObjects.Clear();
    SystemContext context{game->rng, folder};
    for (const auto& entry : std::filesystem::directory_iterator(folder / "INI")) {
      if (!std::filesystem::exists(entry.path() / "System.ini")) continue;
      LoadSystemFile(world, context, entry.path().filename().string());
    }
    for (const SystemObjectRecord& o : world.visit.systemObjects) {
      if (IsPlanet(o.type) || IsSun(o.type)) bodies.push_back(o);
    }
  }

  // Leaves the body alone in the system, so that nothing else is drawn.
  void Alone(const SystemObjectRecord& o) {
    game->world.visit.systemObjects.Clear();
    AddSystemObject(game->world.visit.systemObjects, o);
  }

  // Puts the camera (the ship's place on the screen) at `distance` from the body's middle in the
  // direction `degrees`, the view turned by `heading`.
  void LookFrom(const SystemObjectRecord& o, float distance, float degrees, float heading) {
    World& world = game->world;
    world.cameraX = o.x + distance * static_cast<float>(CosDeg(degrees));
    world.cameraY = o.y + distance * static_cast<float>(SinDeg(degrees));
    world.playerHeading = heading;
  }
  // The pixel under the ship after the body alone was drawn as flight draws it, on `background`.
  int BodyPixel(const SystemObjectRecord& o, int background) {
    ClearScreen(game->media, background);
    BeginQuads(game->media);
    FlightContext flight = FlightOf(*game);
    DrawSystemObject(flight, o);
    return ReadScreenPixel(game->media, kShipScreenX, kShipScreenY);
  }
  // The same for the atmosphere layer over black, with every body of the universe drawn.
  int GlowPixel() {
    ClearScreen(game->media, 0);
    BeginQuads(game->media);
    SetBlend(game->media, kBlendAdditive);
    FlightContext flight = FlightOf(*game);
    HudContext hud{flight, game->hud};
    DrawAtmospheres(hud);
    SetBlend(game->media, kBlendNormal);
    return ReadScreenPixel(game->media, kShipScreenX, kShipScreenY);
  }
  static int Brightest(int colour) {
    return std::max({colour & 255, (colour >> 8) & 255, (colour >> 16) & 255});
  }

  GamePtr game;
  std::vector<SystemObjectRecord> bodies;  // every planet and sun of every system
};

TEST_F(Bodies, TheOpaqueDiscReachesTheCrushingDepthAndTheGlowCoversTheBurningBand) {
  const float shipRadius = game->world.ships.Front()->radius;
  int planets = 0;
  int suns = 0;
  for (const SystemObjectRecord& body : bodies) {
    (IsSun(body.type) ? suns : planets) += 1;
    Alone(body);
    SystemObjectRecord o = body;
    const std::string name = o.name + " (" + std::to_string(o.type) + ")";
    // The surface at 0.9 of the body's own radius hides what lies behind it, in every direction
    // and however the body and the view are turned.
    for (int degrees = 0; degrees < 360; degrees += 45) {
      o.angle = static_cast<float>(degrees) / 3;
      LookFrom(o, kCrushingShare * o.radius, static_cast<float>(degrees), 270 + degrees / 5.0f);
      EXPECT_EQ(BodyPixel(o, 0), BodyPixel(o, kWhite)) << name << " at " << degrees;
    }
    // The glow lights the band where the free game's ship burns, out to its edge, and no farther.
    const float burning = BurningReach(o.type, o.radius + shipRadius);
    for (int degrees = 0; degrees < 360; degrees += 90) {
      LookFrom(body, 0.97f * burning, static_cast<float>(degrees), 270);
      EXPECT_GE(Brightest(GlowPixel()), 24) << name << " at " << degrees;
      LookFrom(body, (o.radius + burning) / 2, static_cast<float>(degrees), 270);
      EXPECT_GE(Brightest(GlowPixel()), 40) << name << " at " << degrees;
      LookFrom(body, burning + 2, static_cast<float>(degrees), 270);
      EXPECT_EQ(GlowPixel() & 0xFFFFFF, 0) << name << " at " << degrees;
    }
  }
  EXPECT_GE(planets, 15);
  EXPECT_EQ(suns, 7);
}

}  // namespace
