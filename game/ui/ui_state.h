#pragma once

#include <string>

#include "game/ui/ui_records.h"
#include "game/world/cursor_list.h"

// Per-button memory of the click state machine.
struct ButtonTracker {
  int heldFrames = 0;         // frames the button has been down
  int doubleClickWindow = 0;  // frames left in which a release counts as a double click
};

// Button states, hover and tooltip memory and the one-line text entry.
struct UiState {
  ButtonTracker leftTracker;
  ButtonTracker rightTracker;
  int leftButtonState = 0;  // 0 up, 1 first frame, 2 held, 3 held long, 4 click, 5 double
  int rightButtonState = 0;
  // The left press began over a HUD control or an open panel: until it is released it neither
  // steers nor selects.
  bool leftPressOnHud = false;

  int lastHoveredButton = -1;
  int hoverFrames = 0;
  std::string tooltipText;
  std::string lastTooltipText;

  int editActive = 0;
  std::string editBuffer;
  std::string editSavedText;
  int editCursor = 0;
  int editMaxLength = 30;
  int repeatFrames = 0;
  int repeatKey = 0;
  CursorList<KeyCharRecord> keyCharMap;
};
