#include "game/flight/pad_flight.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formats/angles.h"
#include "formats/object_kinds.h"
#include "game/media/gamepad.h"
#include "game/world/geometry.h"

bool PadSpeedsUp(const Media& media) {
  return PadHeld(media, kPadRightShoulder) || PadAxisValue(media, kPadRightTrigger) > kPadDeadZone;
}

bool PadSlowsDown(const Media& media) {
  return PadHeld(media, kPadLeftShoulder) || PadAxisValue(media, kPadLeftTrigger) > kPadDeadZone;
}

float StickTurnRate(float x, float y) {
  // The angle off the nose, positive to the right; ahead of the ship's level it is the turn that
  // MouseTurnRate gives a pointer in that direction.
  double off = std::atan2(x, -y) / kRadiansPerDegree;
  if (x == 0 && y > 0) off = 180;
  return static_cast<float>(std::clamp(off, -double(kMaxTurnRate), double(kMaxTurnRate)));
}

bool PadTurnRate(const Media& media, float& turnRate) {
  const float x = PadAxisValue(media, kPadLeftX);
  const float y = PadAxisValue(media, kPadLeftY);
  if (std::hypot(x, y) < kPadDeadZone) return false;
  turnRate = StickTurnRate(x, y);
  return true;
}

void SelectNextDockable(World& world, float shipX, float shipY) {
  struct Candidate {
    double distance;
    int id;
  };
  std::vector<Candidate> nearest;
  for (const SystemObjectRecord& object : world.visit.systemObjects) {
    if (!IsDockable(object.type)) continue;
    // The pieces of one lane share its id: each id is one choice.
    const auto same = [&](const Candidate& c) { return c.id == object.id; };
    if (std::any_of(nearest.begin(), nearest.end(), same)) continue;
    nearest.push_back({std::hypot(object.x - shipX, object.y - shipY), object.id});
  }
  if (nearest.empty()) return;
  std::stable_sort(nearest.begin(), nearest.end(),
                   [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
  if (nearest.size() > size_t(kPadSelectionCycle)) nearest.resize(kPadSelectionCycle);
  int& selected = world.flight.selectedObject;
  size_t next = 0;
  for (size_t i = 0; i < nearest.size(); ++i) {
    if (nearest[i].id == selected) next = (i + 1) % nearest.size();
  }
  selected = nearest[next].id;
}
