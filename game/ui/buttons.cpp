#include "game/ui/buttons.h"

#include <cmath>

#include "game/media/media.h"

int UpdateButtonState(ButtonTracker& tracker, bool down) {
  if (tracker.doubleClickWindow > 0) tracker.doubleClickWindow -= 1;
  int releaseKind = 0;
  if (down) {
    tracker.heldFrames += 1;
  } else {
    if (tracker.heldFrames > 1) {
      releaseKind = tracker.doubleClickWindow > 0 ? 2 : 1;
      tracker.doubleClickWindow = 20;
    }
    tracker.heldFrames = 0;
  }
  int state = 0;
  if (tracker.heldFrames == 1) state = 1;
  if (tracker.heldFrames > 1) state = 2;
  if (tracker.heldFrames > 10) state = 3;
  if (releaseKind == 1) state = 4;
  if (releaseKind == 2) state = 5;
  return state;
}

void UpdateMouseButtons(UiState& ui, const Media& media, bool padLeft) {
  ui.rightButtonState = UpdateButtonState(ui.rightTracker, MouseButton(media, 2));
  ui.leftButtonState = UpdateButtonState(ui.leftTracker, MouseButton(media, 1) || padLeft);
}

bool IconButton(Media& media, UiState& ui, int frameCounter, int picture, int x, int y,
                const std::string& tooltip) {
  DrawQuad(media, picture, static_cast<float>(x), static_cast<float>(y), 255);
  const int mouseX = MouseX(media);
  const int mouseY = MouseY(media);
  if (!(x < mouseX && mouseX < x + 32 && y < mouseY && mouseY < y + 32)) return false;
  if (std::sin(frameCounter * 0.04) < 0) {
    DrawQuad(media, 5200, static_cast<float>(x), static_cast<float>(y), 255);
  }
  ui.hoverFrames = ui.lastHoveredButton == picture ? ui.hoverFrames + 1 : 0;
  ui.lastHoveredButton = picture;
  if (ui.hoverFrames > 10) ui.tooltipText = tooltip;
  return ui.leftButtonState == 4;
}
