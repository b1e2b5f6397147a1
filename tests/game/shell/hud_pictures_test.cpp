// The flight overlay on the sample universe, read from the pixels of the screen and of the panel
// pictures. (The switches and positions the clicks change are checked by tests/scripts/hud_*.txt.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "flight_fixture.h"
#include "formats/kind_defs.h"
#include "formats/latin1.h"
#include "formats/media_numbers.h"
#include "formats/rounding.h"
#include "formats/system_file.h"
#include "formats/text_rules.h"
#include "game/flight/system_objects.h"
#include "game/hud/atmospheres.h"
#include "game/hud/location_panel.h"
#include "game/media/scan_codes.h"
#include "game/shell/frame_loop.h"
#include "game/stations/people_screens.h"
#include "game/world/missions.h"
#include "game/world/places.h"
#include "game/world/world_lists.h"

namespace {

struct Spot {
  int x;
  int y;
};

class HudPictures : public testing::Test {
 protected:
  void SetUp() override { run.StartInFlight(); }

  Media& media() { return run.game->media; }

  // The pixels of a picture, copied onto the cleared screen and read there.
  std::vector<int> PicturePixels(int picture, const std::vector<Spot>& spots) {
    ClearScreen(media(), 0);
    DrawOpaque(media(), picture, 0, 0);
    std::vector<int> pixels;
    for (const Spot& spot : spots) pixels.push_back(ReadScreenPixel(media(), spot.x, spot.y));
    return pixels;
  }
  int PicturePixel(int picture, int x, int y) { return PicturePixels(picture, {{x, y}})[0]; }

  // Pixels of a rectangle of a picture that differ from the panel background's.
  int ChangedPixels(int picture, int x0, int y0, int x1, int y1) {
    std::vector<Spot> spots;
    for (int y = y0; y < y1; ++y) {
      for (int x = x0; x < x1; ++x) spots.push_back({x, y});
    }
    const std::vector<int> shown = PicturePixels(picture, spots);
    const std::vector<int> ground = PicturePixels(kPictureMapFrame, spots);
    int changed = 0;
    for (size_t i = 0; i < spots.size(); ++i) changed += shown[i] != ground[i] ? 1 : 0;
    return changed;
  }

  // A click on a HUD button, the pointer then moved away so that no hover highlight blinks.
  void ClickAway(int frame, int x, int y) {
    run.Click(frame, x, y);
    run.At(frame + 3, [this] { InjectMouseMove(media(), 512, 300); });
  }

  SampleFlight run;
};

TEST_F(HudPictures, EachButtonShowsItsHighlightWhileItsPanelIsShown) {
  const int highlight = PicturePixel(kPictureButtonHighlight, 0, 16);
  run.At(1, [this] { InjectMouseMove(media(), 512, 300); });
  run.Run(3);
  struct Button {
    int x;
    int y;
    bool shown;
  };
  const Button buttons[] = {
      {300, 730, true}, {800, 730, false}, {750, 730, false}, {700, 730, false}, {992, 120, true}};
  for (const Button& button : buttons) {
    EXPECT_EQ(ReadScreenPixel(media(), button.x, button.y + 16) == highlight, button.shown)
        << button.x << ", " << button.y;
    ClickAway(1, button.x + 16, button.y + 16);
    run.Run(8);
    EXPECT_EQ(ReadScreenPixel(media(), button.x, button.y + 16) == highlight, !button.shown)
        << button.x << ", " << button.y;
    ClickAway(30, button.x + 16, button.y + 16);  // past the double-click window
    run.Run(60);
  }
  // "Andocken" is highlighted while a docking request stands.
  EXPECT_NE(ReadScreenPixel(media(), 850, 746), highlight);
  run.Ship().dockTarget = 160;
  run.Run(1);
  EXPECT_EQ(ReadScreenPixel(media(), 850, 746), highlight);
}

TEST_F(HudPictures, TheSystemMapShowsTheStartSystemsBodiesAndOnlyItsKnownRings) {
  FindPlace(run.game->world, "Planet Neue Allianz")->known = 1;
  ClickAway(1, 716, 746);
  run.Run(5);
  ASSERT_EQ(run.game->hud.systemMapShown, 1);
  const std::vector<ElementRecord> elements =
      LoadSystemElements(DataPath(run.game->folder, "INI\\Kernwelt\\System.ini"));
  int bodies = 0;
  for (const ElementRecord& e : elements) {
    const int x = RoundToInt(e.x * 0.005) + 5;  // the map lies at (5, 5) in the panel
    const int y = RoundToInt(e.y * 0.005) + 5;
    if (e.elementGroup == "Sonnen" || e.elementGroup == "Planeten") {
      bodies += 1;
      EXPECT_EQ(PicturePixel(kPicturePanel, x, y),
                ElementColour(run.game->catalogues.elementDefs, e.elementGroup, e.elementType))
          << e.elementGroup << " " << e.name;
    } else if (e.elementGroup == "Andockringe") {
      // The ring's magenta mark, on its left where the label does not cover it.
      const bool known = e.name == "Planet Neue Allianz";
      EXPECT_EQ(PicturePixel(kPicturePanel, x - 2, y) == MakeColour(255, 0, 255), known) << e.name;
    }
  }
  EXPECT_GE(bodies, 5);
}

TEST_F(HudPictures, TheSystemMapShowsTheMissionGridTheMissionsSquareAndTheLanesOut) {
  // A mission at (72000, 11000) of Kernwelt names square "H2": column H covers 65000..75000
  // (pixels 325..375 of the map), row 2 5000..15000 (pixels 25..75).
  ASSERT_EQ(GridReference(72000, 11000), "H2");
  run.Ship().orders = MissionMarker(72000, 11000);
  ShipRecord target = run.Ship();  // the mission waits for its ship
  target.id = 500;
  target.controller = 0;
  target.group = kMissionGroupOffset + 1;
  target.orders.clear();
  target.x = 72000;
  target.y = 11000;
  run.game->world.ships.Add(target);
  ClickAway(1, 716, 746);
  run.Run(5);
  ASSERT_EQ(run.game->hud.systemMapShown, 1);
  const int mission = MakeColour(255, 210, 40);
  int marked = 0;
  for (const Spot spot : {Spot{350, 25}, Spot{350, 74}, Spot{325, 50}, Spot{374, 50}}) {
    marked += PicturePixel(kPicturePanel, spot.x + 5, spot.y + 5) == mission ? 1 : 0;
  }
  EXPECT_GE(marked, 3);
  // The grid's band edges lie at 25, 75 ... 475: most of each line shows between the bodies.
  const int grid = MakeColour(34, 52, 84);
  std::vector<Spot> column;
  for (int y = 0; y < 500; ++y) column.push_back({5 + 25, 5 + y});
  const std::vector<int> line = PicturePixels(kPicturePanel, column);
  EXPECT_GT(std::count(line.begin(), line.end(), grid), 300);
  // The green lane "Kernwelt <> Qemara" leaves at (60000, 86000) southwards, to y 114000; the
  // lane "Kernwelt <> Alpha 23" at (84000, 30000) eastwards, to x 112000.
  const int lane = ElementColour(run.game->catalogues.elementDefs, "Routen", "GR\xDCN");
  EXPECT_EQ(PicturePixel(kPicturePanel, 5 + 300, 5 + 490), lane);
  // "-> Alpha 23" over it: ink that is neither the panel's ground, the grid nor the lane.
  std::vector<Spot> label;
  for (int y = 146; y < 166; ++y) {
    for (int x = 425; x < 500; ++x) label.push_back({x, y});
  }
  const std::vector<int> shown = PicturePixels(kPicturePanel, label);
  const std::vector<int> ground = PicturePixels(kPictureMapFrame, label);
  int ink = 0;
  for (size_t i = 0; i < label.size(); ++i) {
    ink += shown[i] != ground[i] && shown[i] != grid && shown[i] != lane && shown[i] != 0 ? 1 : 0;
  }
  EXPECT_GT(ink, 40);
  // With the mission over, the square goes.
  run.Ship().orders.clear();
  run.Run(2);
  marked = 0;
  for (const Spot spot : {Spot{350, 25}, Spot{350, 74}, Spot{325, 50}, Spot{374, 50}}) {
    marked += PicturePixel(kPicturePanel, spot.x + 5, spot.y + 5) == mission ? 1 : 0;
  }
  EXPECT_EQ(marked, 0);
}

TEST_F(HudPictures, ThePlaceListShowsKnownPlacesOnlyAndTheTabsSwitchTheItems) {
  int marked = 0;
  for (PlaceRecord& place : run.game->world.places) {
    const std::string& name = place.name;
    place.known =
        name == "Station Wacht" || name == "Farmwelt Tessa" || name == "Handelsposten Kern";
    marked += place.known;
  }
  ASSERT_EQ(marked, 3);
  ClickAway(1, 816, 746);
  run.Run(5);
  ASSERT_EQ(run.game->hud.locationInfoShown, 1);
  for (int row = 1; row <= kLocationRows; ++row) {
    const int changed = ChangedPixels(kPicturePanel, 15, 45 + 20 * row, 470, 65 + 20 * row);
    EXPECT_EQ(changed > 0, row <= 3) << "row " << row;
  }
  // The third row selects Station Wacht, whose first ship offer heads the ships tab.
  run.Click(1, 400, 260);
  run.Click(30, 315, 450);  // "Schiffe"
  run.Run(40);
  FlightContext flight = FlightOf(*run.game);
  HudContext hud{flight, run.game->hud};
  const PlaceRecord* place = SelectedKnownPlace(hud);
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->name, "Station Wacht");
  const std::string first = ItemText(hud, *place, 1, 0);
  const int ship = ShipTypeIndex(run.game->catalogues.ships, TrimBlanks(first.substr(0, 20)));
  ASSERT_GT(ship, 0) << first;
  EXPECT_EQ(first.substr(20),
            "     " + std::to_string(run.game->catalogues.ships.shipTypes[ship].price) + "$");
  EXPECT_EQ(ItemCount(hud), static_cast<int>(place->shipOffers.size()) / 30);
}

TEST_F(HudPictures, AFullHullFillsAllOf150PixelsAndAMaximumOfZeroNone) {
  auto barRow = [this] {
    std::vector<int> row;
    for (int x = 400; x < 550; ++x) row.push_back(ReadScreenPixel(media(), x, 755));
    return row;
  };
  run.Run(1);
  const std::vector<int> full = barRow();
  EXPECT_EQ(full.front(), full.back());  // one picture stretched: the colour changes only down it
  run.Ship().hull = 60;                  // of 120
  run.Run(1);
  const std::vector<int> half = barRow();
  EXPECT_EQ(half[5], full[5]);
  EXPECT_NE(half[145], full[145]);
  EXPECT_EQ(half[145], half[80]);
  run.Ship().maxHull = 0;
  run.Run(1);
  const std::vector<int> none = barRow();
  EXPECT_EQ(none[5], half[145]);
  EXPECT_EQ(none[145], half[145]);
}

TEST_F(HudPictures, TheFirstHelpPageShowsOnF1AndComesBackAfterOtherLoopsDrewOverIt) {
  run.Tap(1, kKeyF1);
  run.Run(4);
  ASSERT_EQ(run.game->hud.helpPage, 1);
  const std::vector<Spot> spots = {{5, 5}, {20, 15}, {300, 100}, {900, 100}};
  const std::vector<int> page = PicturePixels(kPictureHelpPage, spots);
  EXPECT_NE(page[0], 0);  // the box's frame
  EXPECT_EQ(page[3], 0);  // right of the box: nothing
  run.Run(1);
  EXPECT_EQ(ReadScreenPixel(media(), 64 + 5, 64 + 5), page[0]);  // drawn at (64, 64)
  // The station draws its data-sheet plate into the same picture while its own loop runs (it
  // counts its menu frames); the page is rendered again afterwards.
  DrawInto(media(), kPictureHelpPage);
  FillBox(media(), 0, 0, 1024, 368, MakeColour(9, 9, 9));
  EndDraw(media());
  run.game->frame.frameCounter += 500;
  run.game->frame.menuFrames += 50;
  const int renders = run.game->hud.pictureRenders;
  run.Run(1);
  EXPECT_EQ(PicturePixels(kPictureHelpPage, spots), page);
  run.Run(5);
  EXPECT_EQ(run.game->hud.pictureRenders, renders + 2);  // the help page and the weapon list
}

TEST_F(HudPictures, TheNewestTickerLineSitsAt620AndLinesExpireInOrder) {
  // Rows over the weapon list's still picture, so only the ticker changes their pixels.
  auto rows = [this](int y0, int y1) {
    std::vector<int> pixels;
    for (int y = y0; y < y1; ++y) {
      for (int x = 10; x < 34; ++x) pixels.push_back(ReadScreenPixel(media(), x, y));
    }
    return pixels;
  };
  run.game->world.helpHintPending = 0;  // no "F1: Hilfe" of the new game among these lines
  run.Run(1);
  const std::vector<int> upper = rows(609, 620), lower = rows(621, 640), below = rows(642, 660);
  auto& ticker = run.game->world.tickerMessages;
  AddTickerMessage(ticker, 30, "WWWW", 10, "x").life = 1;
  AddTickerMessage(ticker, 30, "MMMM", 10, "y").life = 2;
  run.Run(1);
  EXPECT_NE(rows(609, 620), upper);  // the older line, at 605
  EXPECT_NE(rows(621, 640), lower);  // the newest, last in the list, at 620
  EXPECT_EQ(rows(642, 660), below);
  EXPECT_EQ(ticker.Count(), 2);
  run.Run(1);  // the older one is deleted (life below 0); the walk then skips the next record
  ASSERT_EQ(ticker.Count(), 1);
  EXPECT_EQ(ticker.Front()->text1, "MMMM");
  EXPECT_EQ(ticker.Front()->life, 1);  // not counted down in the frame it was skipped
  run.Run(2);
  EXPECT_EQ(ticker.Count(), 0);
}

TEST_F(HudPictures, AtmospheresAreTurnedSquaresReachingWhereTheBodyBurnsTheShip) {
  // A white atmosphere picture makes the drawn square visible as it is.
  CreatePicture(media(), 4211, 64, 64, true);
  DrawInto(media(), 4211);
  FillBox(media(), 0, 0, 64, 64, MakeColour(255, 255, 255));
  EndDraw(media());
  CreateQuad(media(), 4211, 4211);
  World& world = run.game->world;
  world.cameraX = 50000;
  world.cameraY = 50000;
  world.playerHeading = 270;  // north up: the view is not turned
  // Half the square's side: 1.05 x (the body's 100 + the free game's ship's 24).
  const float h = BurningReach(4210, 100 + world.ships.Front()->radius);
  EXPECT_NEAR(h, 130.2f, 0.01f);
  for (const float angle : {0.0f, 45.0f}) {
    world.visit.systemObjects.Clear();
    AddSystemObject(world.visit.systemObjects, TestObject(4210, 10, 100, 50000, 49700, angle));
    ClearScreen(media(), 0);
    SetBlend(media(), kBlendAdditive);
    FlightContext flight = FlightOf(*run.game);
    HudContext hud{flight, run.game->hud};
    DrawAtmospheres(hud);
    SetBlend(media(), kBlendNormal);
    // The body's middle is drawn at (512, 312); a corner region of the upright square lies
    // outside the square turned by 45 degrees, and a point beyond the upright square's side
    // inside the turned one.
    const int in = static_cast<int>(0.9f * h);
    const int beyond = static_cast<int>(1.25f * h);
    EXPECT_NE(ReadScreenPixel(media(), 512, 312), 0) << angle;
    EXPECT_EQ(ReadScreenPixel(media(), 512 + in, 312 - in) != 0, angle == 0) << angle;
    EXPECT_EQ(ReadScreenPixel(media(), 512 + beyond, 312) != 0, angle == 45) << angle;
  }
}

}  // namespace
