// The gamepad through SDL's game controller API, which names the buttons and sticks of every
// known pad alike (A at the bottom, B at the right ...). Only one pad is in use at a time.

#include "game/media/gamepad.h"

#include <SDL.h>

#include <algorithm>

#include "game/media/media_internal.h"

namespace {

int PadButtonOf(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_CONTROLLER_BUTTON_A:
      return kPadA;
    case SDL_CONTROLLER_BUTTON_B:
      return kPadB;
    case SDL_CONTROLLER_BUTTON_X:
      return kPadX;
    case SDL_CONTROLLER_BUTTON_Y:
      return kPadY;
    case SDL_CONTROLLER_BUTTON_BACK:
      return kPadBack;
    case SDL_CONTROLLER_BUTTON_START:
      return kPadStart;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      return kPadLeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      return kPadRightShoulder;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      return kPadUp;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      return kPadDown;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      return kPadLeft;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      return kPadRight;
    default:
      return -1;
  }
}

int PadAxisOf(Uint8 sdlAxis) {
  switch (sdlAxis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
      return kPadLeftX;
    case SDL_CONTROLLER_AXIS_LEFTY:
      return kPadLeftY;
    case SDL_CONTROLLER_AXIS_RIGHTX:
      return kPadRightX;
    case SDL_CONTROLLER_AXIS_RIGHTY:
      return kPadRightY;
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      return kPadLeftTrigger;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      return kPadRightTrigger;
    default:
      return -1;
  }
}

// Everything let go: an unplugged pad must not leave a button held or the ship turning.
void ReleaseAll(PadInput& pad) {
  pad.held.fill(false);
  pad.axes.fill(0);
}

void OpenPad(PadInput& pad, int deviceIndex) {
  if (pad.controller || !SDL_IsGameController(deviceIndex)) return;
  pad.controller = SDL_GameControllerOpen(deviceIndex);
  if (!pad.controller) return;
  pad.instance = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad.controller));
  ReleaseAll(pad);
}

void PadRemoved(PadInput& pad, SDL_JoystickID instance) {
  if (!pad.controller || instance != pad.instance) return;
  CloseGamepad(pad);
  // Another pad still plugged in takes over.
  for (int i = 0; i < SDL_NumJoysticks() && !pad.controller; ++i) OpenPad(pad, i);
}

}  // namespace

void OpenGamepads() {
  // The pads plugged in already arrive as device events, like those plugged in later.
  SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool HandlePadEvent(Media& media, const SDL_Event& event) {
  PadInput& pad = media.device->input.pad;
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      OpenPad(pad, event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      PadRemoved(pad, event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (pad.controller && event.cbutton.which == pad.instance) {
        InjectPadButton(media, PadButtonOf(event.cbutton.button),
                        event.type == SDL_CONTROLLERBUTTONDOWN);
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (pad.controller && event.caxis.which == pad.instance) {
        InjectPadAxis(media, PadAxisOf(event.caxis.axis), event.caxis.value / 32767.0f);
      }
      return true;
    default:
      return false;
  }
}

void SamplePad(PadInput& pad) {
  for (int b = 0; b < kPadButtons; ++b) {
    pad.sampledPressed[b] = pad.pressedSinceRead[b];
    pad.sampledHeld[b] = pad.held[b] || pad.pressedSinceRead[b];
  }
  pad.pressedSinceRead.fill(false);
  pad.sampledAxes = pad.axes;
}

void CloseGamepad(PadInput& pad) {
  if (pad.controller) SDL_GameControllerClose(pad.controller);
  pad.controller = nullptr;
  pad.instance = -1;
  ReleaseAll(pad);
}

bool PadHeld(const Media& media, int button) {
  return button >= 0 && button < kPadButtons && media.device->input.pad.sampledHeld[button];
}

bool PadPressed(const Media& media, int button) {
  return button >= 0 && button < kPadButtons && media.device->input.pad.sampledPressed[button];
}

float PadAxisValue(const Media& media, int axis) {
  return axis >= 0 && axis < kPadAxes ? media.device->input.pad.sampledAxes[axis] : 0.0f;
}

void InjectPadButton(Media& media, int button, bool down) {
  if (button < 0 || button >= kPadButtons) return;
  PadInput& pad = media.device->input.pad;
  if (down && !pad.held[button]) pad.pressedSinceRead[button] = true;
  pad.held[button] = down;
}

void InjectPadAxis(Media& media, int axis, float value) {
  if (axis < 0 || axis >= kPadAxes || !(value == value)) return;  // NaN is no position
  const bool trigger = axis == kPadLeftTrigger || axis == kPadRightTrigger;
  media.device->input.pad.axes[axis] = std::clamp(value, trigger ? 0.0f : -1.0f, 1.0f);
}
