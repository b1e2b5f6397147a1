#pragma once

// What the frame loop and the menu loop keep from frame to frame and every pass may read.
struct FrameState {
  int frameCounter = 0;     // +10 every frame: blinking, sprite turning and other periodic effects
  float timeFactor = 1.0f;  // multiplies motion and timers; stays 1
  int screenFade = 0;       // > 0 fading in from black, < 0 fading out to black
  int menuFrames = 0;       // frames the menu loop has run: it draws into pictures flight shares
};
