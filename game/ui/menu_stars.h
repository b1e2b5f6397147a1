#pragma once

#include "game/ui/ui_records.h"
#include "game/world/cursor_list.h"
#include "game/world/random.h"

constexpr int kMenuStarCount = 301;

// The menu background: small drifting glows (kind 1) and a few large faint clouds (kind 2)
// spread over the screen and a little beyond its right edge, where they drift in from.
void CreateMenuStars(CursorList<MenuStarRecord>& stars, Rng& rng);
