#include "scheduled_flow.h"

#include "game/media/media.h"
#include "game/shell/frame_loop.h"
#include "game/shell/menu_loop.h"

void ScheduledFlow::StartGame() {
  game = MakeStartedGame(folder.path);
  AddFrameHook(game->hooks, [this] {
    // A click's press waits while the screen is too new to take it, as a player's would have
    // to; the schedule stands still meanwhile.
    if (pressFrames.count(frame + 1) && game->loop.menuRunning &&
        game->menu.framesOnScreen + 1 <= kFreshScreenFrames) {
      return;
    }
    ++frame;
    schedule.RunDue(frame);
    if (frame >= lastFrame) game->media.quitRequested = true;
  });
}

void ScheduledFlow::At(int when, std::function<void()> action) {
  schedule.At(when, std::move(action));
}

void ScheduledFlow::ClickAt(int when, int x, int y) {
  pressFrames.insert(when);
  At(when, [this, x, y] {
    InjectMouseMove(game->media, x, y);
    InjectMouseButton(game->media, 1, true);
  });
  At(when + clickFrames, [this] { InjectMouseButton(game->media, 1, false); });
}

void ScheduledFlow::ClickOn(int when, const std::string& caption) {
  pressFrames.insert(when);
  At(when, [this, caption] {
    const MenuItemRecord* item = Item(caption);
    ASSERT_NE(item, nullptr) << caption;
    InjectMouseMove(game->media, item->x + 10, item->y + 10);
    InjectMouseButton(game->media, 1, true);
  });
  At(when + clickFrames, [this] { InjectMouseButton(game->media, 1, false); });
}

void ScheduledFlow::TapKey(int when, int code) {
  At(when, [this, code] { InjectKey(game->media, code, true); });
  At(when + 1, [this, code] { InjectKey(game->media, code, false); });
}

const MenuItemRecord* ScheduledFlow::Item(const std::string& caption) {
  for (const MenuItemRecord& item : game->menu.menuItems) {
    if (item.caption == caption) return &item;
  }
  return nullptr;
}

void ScheduledFlow::Play(int frames) {
  lastFrame = frames;
  OpenStartMenu(*game);
  while (!game->media.quitRequested) RunFrame(*game);
  if (!schedule.Empty()) {
    EXPECT_GE(frame, schedule.LastFrame()) << "the run ended before its last check";
  }
}
