#pragma once

#include "game/media/media.h"
#include "game/ui/ui_records.h"
#include "game/world/cursor_list.h"
#include "game/world/random.h"

// The animated background of every menu screen: drifting, twinkling stars and faint clouds.
void DrawMenuStars(Media& media, CursorList<MenuStarRecord>& stars, Rng& rng);

// Three rings of star-burst lights orbiting the screen on an ellipse.
void DrawOrbitingLights(Media& media, Rng& rng, int frameCounter);

// The menu's mouse pointer: glows at the mouse position.
void DrawMenuPointer(Media& media);
