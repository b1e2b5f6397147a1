#pragma once

#include <functional>
#include <vector>

// Work that every finished frame of any loop does, flight and menus alike, right before the frame
// is shown: scripted input and checks, network polling. Run in the order they were added.
struct FrameHooks {
  std::vector<std::function<void()>> onFrameEnd;
};

inline void AddFrameHook(FrameHooks& hooks, std::function<void()> hook) {
  hooks.onFrameEnd.push_back(std::move(hook));
}

inline void RunFrameHooks(const FrameHooks& hooks) {
  for (const auto& hook : hooks.onFrameEnd) hook();
}
