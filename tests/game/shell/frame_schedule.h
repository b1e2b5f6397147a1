#pragma once

// Actions kept for given frames: a test hooks `RunDue` to the game's flips and so acts inside the
// menu loop and the flight loop alike.

#include <functional>
#include <map>
#include <utility>

class FrameSchedule {
 public:
  // Runs the action at the frame, after what was scheduled there before.
  void At(int frame, std::function<void()> action) {
    auto previous = std::move(actions_[frame]);
    actions_[frame] = [previous, action] {
      if (previous) previous();
      action();
    };
  }
  void RunDue(int frame) {
    if (auto it = actions_.find(frame); it != actions_.end()) it->second();
  }
  bool Empty() const { return actions_.empty(); }
  int LastFrame() const { return actions_.empty() ? 0 : actions_.rbegin()->first; }
  void Clear() { actions_.clear(); }

 private:
  std::map<int, std::function<void()>> actions_;
};
