#pragma once

struct Game;

// The animated background of every menu screen: drifting, twinkling stars and faint clouds.
void DrawMenuStars(Game& game);

// Three rings of star-burst lights orbiting the screen on an ellipse.
void DrawOrbitingLights(Game& game);

// The menu's mouse pointer: glows at the mouse position.
void DrawMenuPointer(Game& game);
