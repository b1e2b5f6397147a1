#pragma once

struct Game;

// One frame of flight, in its fixed order: input, the passes over the world lists, the overlay,
// the screen fade and the flip.
void RunFrame(Game& game);

// The docking announcement: plays the four voice clips 10..13 one after another.
void AdvanceAnnouncement(Game& game);

// The fade between menu and flight, drawn over the finished picture.
void DrawScreenFade(Game& game);

// F12: saves the screen as "Bild" + 1000..9999 + ".bmp" in the game folder.
void TakeScreenshot(Game& game);
