#pragma once

#include "game/media/media.h"

// The gamepad: the first game controller plugged in, opened when it appears and let go when it is
// unplugged (the next one plugged in takes its place). Its buttons and sticks are kept by the
// media layer from the device's events and sampled with the keyboard (ReadKeyboard), so that the
// game reads a plain state and scripts and tests inject pad input as they inject keys.

enum PadButton {
  kPadA,
  kPadB,
  kPadX,
  kPadY,
  kPadBack,
  kPadStart,
  kPadLeftShoulder,
  kPadRightShoulder,
  kPadUp,
  kPadDown,
  kPadLeft,
  kPadRight,
  kPadButtons
};

// Sticks run from -1 to 1 (x to the right, y downwards, as on the screen), triggers from 0 to 1.
enum PadAxis {
  kPadLeftX,
  kPadLeftY,
  kPadRightX,
  kPadRightY,
  kPadLeftTrigger,
  kPadRightTrigger,
  kPadAxes
};

// A stick or trigger counts only beyond a quarter of its way: pads rest a little off centre.
inline constexpr float kPadDeadZone = 0.25f;

// As of the last ReadKeyboard: held, and pressed since the sample before (a press and release
// between two frames still shows as pressed, and as held for that one sample).
bool PadHeld(const Media& media, int button);
bool PadPressed(const Media& media, int button);
float PadAxisValue(const Media& media, int axis);

// Pad input as if from the device (scripts, tests); values are clamped to the axis's range.
void InjectPadButton(Media& media, int button, bool down);
void InjectPadAxis(Media& media, int axis, float value);
