#include "formats/element_kinds.h"

#include <gtest/gtest.h>

// The vocabulary the game builds from and the checker checks against.
TEST(ElementKinds, NamesWhatTheGameBuilds) {
  EXPECT_EQ(PlanetPictureOf("Erde"), 4210);
  EXPECT_EQ(PlanetPictureOf("W\xFCste"), 4220);
  EXPECT_EQ(PlanetPictureOf("Eis"), 4270);
  EXPECT_EQ(PlanetPictureOf("K\xE4se"), 0);
  EXPECT_EQ(FieldAreaOf("Strahlung"), 2);
  EXPECT_EQ(FieldAreaOf("Nebel"), 0);
  ASSERT_NE(FindEnvironmentKind("Lavaasteroiden"), nullptr);
  EXPECT_EQ(FindEnvironmentKind("Lavaasteroiden")->area, 3);
  EXPECT_EQ(FindEnvironmentKind("Lavaasteroiden")->red, 50);

  EXPECT_TRUE(GameKnowsElementType("Andockringe", "irgendwas"));  // any type of ring
  EXPECT_TRUE(GameKnowsElementType("Routen", "GR\xDCN"));
  EXPECT_TRUE(GameKnowsElementType("Sonnen", "Wei\xDF"));
  EXPECT_FALSE(GameKnowsElementType("Sonnen", "Rot"));
  EXPECT_FALSE(GameKnowsElementType("Stationen", "Ring"));
  EXPECT_FALSE(GameKnowsElementGroup("Monde"));
  EXPECT_FALSE(GameKnowsElementType("Monde", "Erde"));
}
