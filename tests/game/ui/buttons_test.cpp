#include "game/ui/buttons.h"

#include <gtest/gtest.h>

#include <vector>

#include "game/media/media.h"
#include "tests/game/ui/ui_parts.h"

namespace {

// Feeds a sequence of frames (true = down) and returns the state of each frame.
std::vector<int> StepFrames(ButtonTracker& tracker, const std::vector<bool>& frames) {
  std::vector<int> states;
  for (bool down : frames) states.push_back(UpdateButtonState(tracker, down));
  return states;
}

std::vector<bool> Press(int downFrames, int upFrames) {
  std::vector<bool> frames(downFrames, true);
  frames.insert(frames.end(), upFrames, false);
  return frames;
}

}  // namespace

TEST(ButtonState, HeldStatesAndAOneFramePressGivesNoClick) {
  ButtonTracker tracker;
  EXPECT_EQ(StepFrames(tracker, Press(1, 2)), (std::vector<int>{1, 0, 0}));
  const std::vector<int> held = StepFrames(tracker, Press(12, 1));
  EXPECT_EQ(held[0], 1);
  EXPECT_EQ(held[1], 2);
  EXPECT_EQ(held[9], 2);   // the 10th frame down
  EXPECT_EQ(held[10], 3);  // the 11th frame down: held longer than 10 frames
  EXPECT_EQ(held[12], 4);  // released: a click
}

TEST(ButtonState, DoubleClickNeedsTheReleasesLessThanTwentyFramesApart) {
  ButtonTracker tracker;
  // Releases 19 frames apart: 2 down + 17 up between them.
  std::vector<bool> frames = Press(2, 1);
  std::vector<bool> second = Press(2, 1);
  std::vector<bool> gap(16, false);
  frames.insert(frames.end(), gap.begin(), gap.end());
  frames.insert(frames.end(), second.begin(), second.end());
  std::vector<int> states = StepFrames(tracker, frames);
  EXPECT_EQ(states[2], 4);
  EXPECT_EQ(states[2 + 19], 5);

  ButtonTracker slow;
  frames = Press(2, 1);
  gap.assign(17, false);
  frames.insert(frames.end(), gap.begin(), gap.end());
  frames.insert(frames.end(), second.begin(), second.end());
  states = StepFrames(slow, frames);
  EXPECT_EQ(states[2], 4);
  EXPECT_EQ(states[2 + 20], 4);
}

TEST(ButtonState, AThirdQuickClickIsADoubleClickAgain) {
  ButtonTracker tracker;
  std::vector<bool> frames;
  for (int i = 0; i < 3; ++i) {
    std::vector<bool> click = Press(2, 3);
    frames.insert(frames.end(), click.begin(), click.end());
  }
  const std::vector<int> states = StepFrames(tracker, frames);
  EXPECT_EQ(states[2], 4);
  EXPECT_EQ(states[7], 5);
  EXPECT_EQ(states[12], 5);
}

TEST(IconButton, ClickTooltipAfterTenHoverFramesAndStrictBounds) {
  PartsPtr<UiParts> game = MakeParts<UiParts>();
  Media& media = game->media;
  UiState& ui = game->ui;
  InjectMouseMove(media, 310, 740);
  ReadMouse(media);
  for (int frame = 0; frame < 11; ++frame) {
    EXPECT_FALSE(IconButton(media, ui, frame * 10, 5201, 300, 730, "Informationslisten"));
    EXPECT_TRUE(ui.tooltipText.empty());
  }
  EXPECT_FALSE(IconButton(media, ui, 110, 5201, 300, 730, "Informationslisten"));
  EXPECT_EQ(ui.tooltipText, "Informationslisten");

  ui.leftButtonState = 4;
  EXPECT_TRUE(IconButton(media, ui, 120, 5201, 300, 730, "x"));
  InjectMouseMove(media, 300, 740);  // on the left edge: outside
  ReadMouse(media);
  EXPECT_FALSE(IconButton(media, ui, 130, 5201, 300, 730, "x"));
}

// A press shorter than a frame (a touchpad tap: down and up before the frame reads the mouse) is
// seen down in two frames, so it clicks like any press.
TEST(ButtonState, ATapBetweenTwoFramesStillClicks) {
  PartsPtr<UiParts> game = MakeParts<UiParts>();
  Media& media = game->media;
  UiState ui;
  InjectMouseButton(media, 1, true);
  InjectMouseButton(media, 1, false);
  std::vector<int> states;
  for (int frame = 0; frame < 4; ++frame) {
    ReadMouse(media);
    UpdateMouseButtons(ui, media);
    states.push_back(ui.leftButtonState);
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 4, 0}));

  // A press held for many frames is unchanged: down while held, then a click on release.
  InjectMouseButton(media, 2, true);
  for (int frame = 0; frame < 3; ++frame) {
    ReadMouse(media);
    UpdateMouseButtons(ui, media);
  }
  InjectMouseButton(media, 2, false);
  ReadMouse(media);
  UpdateMouseButtons(ui, media);
  EXPECT_EQ(ui.rightButtonState, 4);
}
