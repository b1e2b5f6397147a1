#include "formats/route_file.h"
#include "formats/traffic_loadouts.h"

#include <gtest/gtest.h>

#include "tests/formats/test_text.h"

namespace {

std::vector<RouteRecord> SampleRoutes() {
  return {
      {"Die Allianz", {{61500, 48000, 1}, {30000, 30000, 2}, {20000, 21000, 4}}, 0},
      {"Die freien H\xE4ndler", {}, 0},
      {"Die Blacks", {{-5, 1234567890, 3}}, 0},
  };
}

}  // namespace

TEST(RouteFile, WriterProducesCountLineMarkersAndThirtyCharacterWaypoints) {
  const std::string bytes = WriteRoutes(SampleRoutes());
  EXPECT_EQ(bytes, CrLf({"3", "[Routen]", "Die Allianz", "61500     48000     1         ",
                         "30000     30000     2         ", "20000     21000     4         ",
                         "[Routen]", "Die freien H\xE4ndler", "[Routen]", "Die Blacks",
                         "-5        12345678903         "}));
  EXPECT_EQ(WriteRoutes({}), "0\r\n");
}

TEST(RouteFile, ReadAndWrittenBackIsByteIdenticalInBothModes) {
  std::vector<RouteRecord> routes = SampleRoutes();
  routes[2].waypoints[0].y = 12345;
  const std::string bytes = WriteRoutes(routes);
  for (RouteReadMode mode : {RouteReadMode::kEditor, RouteReadMode::kGame}) {
    ReadIssues issues;
    const RouteFile file = ReadRoutes(bytes, mode, &issues);
    EXPECT_TRUE(issues.empty());
    EXPECT_EQ(file.declaredCount, 3);
    ASSERT_EQ(file.routes.size(), 3u);
    EXPECT_TRUE(file.routes[1].waypoints.empty());  // a route without waypoints reads back so
    EXPECT_EQ(file.routes[1].line, 7);
    EXPECT_EQ(WriteRoutes(file.routes), bytes);
  }
}

TEST(RouteFile, TheGameEndsARouteAtAnEmptyLineTheEditorDoesNot) {
  const std::string bytes =
      CrLf({"1", "[Routen]", "Die Allianz", "100       200       1", "", "300       400       2"});
  const RouteFile game = ReadRoutes(bytes, RouteReadMode::kGame);
  ASSERT_EQ(game.routes.size(), 1u);
  EXPECT_EQ(game.routes[0].waypoints.size(), 1u);
  const RouteFile editor = ReadRoutes(bytes, RouteReadMode::kEditor);
  ASSERT_EQ(editor.routes[0].waypoints.size(), 3u);
  EXPECT_EQ(editor.routes[0].waypoints[1].kind, 0);  // the empty line
  EXPECT_EQ(editor.routes[0].waypoints[2].x, 300);
}

TEST(RouteFile, CountLineMayDifferFromTheRecordsAndIsReported) {
  ReadIssues issues;
  const RouteFile file =
      ReadRoutes(CrLf({"5x", "Kommentar", "[Routen]", "Die Allianz", "1 2 3", "[Routen]"}),
                 RouteReadMode::kGame, &issues);
  EXPECT_EQ(file.declaredCount, 5);
  ASSERT_EQ(file.routes.size(), 2u);
  EXPECT_EQ(file.routes[0].waypoints[0].x, 1);  // "1 2 3" sits in the x column
  EXPECT_EQ(file.routes[1].groupName, "");
  // bad count, stray line, bad x, empty y and kind, kind outside 1..4, missing group name
  EXPECT_EQ(issues.size(), 7u);
  EXPECT_EQ(ReadRoutes("", RouteReadMode::kGame).declaredCount, 0);
}

TEST(RouteFile, GameReadsTheKindFromColumnsTwentyOneToTwentyFive) {
  const std::string line = "1         2         3    9";
  const std::string bytes = CrLf({"1", "[Routen]", "G", line});
  EXPECT_EQ(ReadRoutes(bytes, RouteReadMode::kGame).routes[0].waypoints[0].kind, 3);
  EXPECT_EQ(ReadRoutes(bytes, RouteReadMode::kEditor).routes[0].waypoints[0].kind, 3);
  EXPECT_EQ(WaypointKindNames[4], "Verschwinden + Andocken");
}

TEST(TrafficLoadouts, BountyHuntersFlyACrabOnlyInAlpha23) {
  const TrafficLoadout* home = FindTrafficLoadout("Die Kopfgeldj\xE4ger", "Alpha 23");
  const TrafficLoadout* away = FindTrafficLoadout("Die Kopfgeldj\xE4ger", "Kernwelt");
  ASSERT_NE(home, nullptr);
  ASSERT_NE(away, nullptr);
  EXPECT_EQ(home->shipType, "Krebs");
  EXPECT_EQ(away->shipType, "Schwalbe");
  EXPECT_EQ(away->weapons.size(), 3u);
  EXPECT_EQ(FindTrafficLoadout("Die Schmuggler", "")->weapons.size(), 5u);
  EXPECT_EQ(FindTrafficLoadout("Unbekannt", "Alpha 23"), nullptr);
  EXPECT_EQ(TrafficLoadouts().size(), 11u);
}
