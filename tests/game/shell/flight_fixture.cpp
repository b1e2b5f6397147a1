#include "flight_fixture.h"

#include <gtest/gtest.h>

#include "game/shell/frame_loop.h"
#include "game/shell/game_flow.h"
#include "game/world/geometry.h"
#include "game/world/world_lists.h"

SampleFlight::SampleFlight() {
  const std::filesystem::path folder = VELMARITH_TEST_GAME_DIR;
  EXPECT_TRUE(std::filesystem::exists(folder / "BMP")) << "no assembled game folder";
  game = MakeStartedGame(folder);
  AddFrameHook(game->hooks, [this] {
    ++frame_;
    schedule_.RunDue(frame_);
    if (frame_ >= end_) game->media.quitRequested = true;
  });
}

void SampleFlight::StartInFlight() {
  StartFreeGame(*game);
  LeaveMenuToFlight(*game);
  game->frame.screenFade = 0;
}

void SampleFlight::PlaceShip(float x, float y, float heading) {
  ShipRecord& ship = Ship();
  ship.x = game->world.cameraX = x;
  ship.y = game->world.cameraY = y;
  ship.heading = game->world.playerHeading = heading;
  ship.speed = 0;
  ship.turnRate = 0;
}

void SampleFlight::At(int frame, std::function<void()> action) {
  schedule_.At(frame_ + frame, std::move(action));
}

void SampleFlight::Click(int frame, int x, int y) {
  At(frame, [this, x, y] {
    InjectMouseMove(game->media, x, y);
    InjectMouseButton(game->media, 1, true);
  });
  At(frame + 2, [this] { InjectMouseButton(game->media, 1, false); });
}

void SampleFlight::Tap(int frame, int scanCode) {
  Hold(frame, frame + 1, scanCode);
}

void SampleFlight::Hold(int from, int to, int scanCode) {
  At(from, [this, scanCode] { InjectKey(game->media, scanCode, true); });
  At(to, [this, scanCode] { InjectKey(game->media, scanCode, false); });
}

void SampleFlight::Run(int frames) {
  end_ = frame_ + frames;
  game->media.quitRequested = false;
  while (!game->media.quitRequested) RunFrame(*game);
  game->media.quitRequested = false;
  schedule_.Clear();
}

bool SampleFlight::ScreenPoint(const SystemObjectRecord& object, int& x, int& y) const {
  ViewPoint view;
  if (!ViewTransform(game->world, object.x, object.y, 8000, view)) return false;
  x = static_cast<int>(kShipScreenX + view.viewOffsetX);
  y = static_cast<int>(kShipScreenY + view.viewOffsetY);
  return true;
}

const SystemObjectRecord* SampleFlight::Object(const std::string& name, int type) const {
  for (const SystemObjectRecord& object : game->world.visit.systemObjects) {
    if (object.name == name && object.type == type) return &object;
  }
  return nullptr;
}

std::string SampleFlight::Title() const {
  const MenuItemRecord* first = game->menu.menuItems.Front();
  return first ? first->caption : "";
}
