#include "game/ui/menu_pad.h"

#include <algorithm>
#include <vector>

#include "game/media/gamepad.h"
#include "game/ui/menu_items.h"

namespace {

constexpr int kItemHeight = 36;
constexpr float kStickStep = 0.5f;  // how far the stick must lean to walk

// Dimmed and reserved items ignore clicks, and one without an action (a title) does nothing.
bool TakesClicks(const MenuItemRecord& item) {
  return item.kind != kReservedItem && item.kind != kDimmedEntry && item.action >= 0;
}

// -1 up, 1 down, 0 neither: a D-pad press, or the stick leaning, again and again while held.
int StepAsked(MenuState& menu, const Media& media) {
  if (PadPressed(media, kPadUp) || PadPressed(media, kPadLeft)) return -1;
  if (PadPressed(media, kPadDown) || PadPressed(media, kPadRight)) return 1;
  const float y = PadAxisValue(media, kPadLeftY);
  const int lean = y <= -kStickStep ? -1 : y >= kStickStep ? 1 : 0;
  if (lean == 0) {
    menu.padStickFrames = 0;
    return 0;
  }
  const int held = menu.padStickFrames++;
  const bool repeat = held >= kPadRepeatDelay && (held - kPadRepeatDelay) % kPadRepeatFrames == 0;
  return held == 0 || repeat ? lean : 0;
}

}  // namespace

void WalkMenuWithPad(MenuState& menu, Media& media) {
  const int step = StepAsked(menu, media);
  if (step == 0) return;
  std::vector<std::pair<int, const MenuItemRecord*>> walkable;  // list position, item
  int position = 0;
  for (const MenuItemRecord& item : menu.menuItems) {
    ++position;
    if (TakesClicks(item)) walkable.emplace_back(position, &item);
  }
  if (walkable.empty()) return;
  const int count = static_cast<int>(walkable.size());
  int target = step > 0 ? 0 : count - 1;  // nothing lit yet: the first or the last
  for (int i = 0; i < count; ++i) {
    if (walkable[i].first == menu.hoveredItem) target = (i + step + count) % count;
  }
  const MenuItemRecord& item = *walkable[target].second;
  InjectMouseMove(media, std::clamp(item.x + ItemHitWidth(item) / 2, 0, kScreenWidth - 1),
                  std::clamp(item.y + kItemHeight / 2, 0, kScreenHeight - 1));
}

bool PadGoesBack(const MenuState& menu, const Media& media) {
  return (PadPressed(media, kPadB) || PadPressed(media, kPadStart)) &&
         menu.framesOnScreen > kFreshScreenFrames;
}
