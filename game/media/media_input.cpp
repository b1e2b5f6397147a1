// Keyboard and mouse. Events update a live state; ReadKeyboard and ReadMouse take the frame's
// sample of it, so a key pressed and released within one frame still counts as released.
// Keys are named by their set-1 scan codes (extended keys as 128 + code), which follow the
// physical position of a key, whatever the layout prints on it.

#include <SDL.h>

#include <algorithm>
#include <array>

#include "game/media/media_backend.h"
#include "game/media/scan_codes.h"
#include "game/media/text_input.h"

namespace {

std::array<int, SDL_NUM_SCANCODES> BuildScanCodeTable() {
  std::array<int, SDL_NUM_SCANCODES> table{};
  const std::pair<SDL_Scancode, int> pairs[] = {
      {SDL_SCANCODE_ESCAPE, 1},
      {SDL_SCANCODE_1, 2},
      {SDL_SCANCODE_2, 3},
      {SDL_SCANCODE_3, 4},
      {SDL_SCANCODE_4, 5},
      {SDL_SCANCODE_5, 6},
      {SDL_SCANCODE_6, 7},
      {SDL_SCANCODE_7, 8},
      {SDL_SCANCODE_8, 9},
      {SDL_SCANCODE_9, 10},
      {SDL_SCANCODE_0, 11},
      {SDL_SCANCODE_MINUS, 12},
      {SDL_SCANCODE_EQUALS, 13},
      {SDL_SCANCODE_BACKSPACE, 14},
      {SDL_SCANCODE_TAB, 15},
      {SDL_SCANCODE_Q, 16},
      {SDL_SCANCODE_W, 17},
      {SDL_SCANCODE_E, 18},
      {SDL_SCANCODE_R, 19},
      {SDL_SCANCODE_T, 20},
      {SDL_SCANCODE_Y, 21},
      {SDL_SCANCODE_U, 22},
      {SDL_SCANCODE_I, 23},
      {SDL_SCANCODE_O, 24},
      {SDL_SCANCODE_P, 25},
      {SDL_SCANCODE_LEFTBRACKET, 26},
      {SDL_SCANCODE_RIGHTBRACKET, 27},
      {SDL_SCANCODE_RETURN, 28},
      {SDL_SCANCODE_LCTRL, 29},
      {SDL_SCANCODE_A, 30},
      {SDL_SCANCODE_S, 31},
      {SDL_SCANCODE_D, 32},
      {SDL_SCANCODE_F, 33},
      {SDL_SCANCODE_G, 34},
      {SDL_SCANCODE_H, 35},
      {SDL_SCANCODE_J, 36},
      {SDL_SCANCODE_K, 37},
      {SDL_SCANCODE_L, 38},
      {SDL_SCANCODE_SEMICOLON, 39},
      {SDL_SCANCODE_APOSTROPHE, 40},
      {SDL_SCANCODE_GRAVE, 41},
      {SDL_SCANCODE_LSHIFT, 42},
      {SDL_SCANCODE_BACKSLASH, 43},
      {SDL_SCANCODE_NONUSHASH, 43},
      {SDL_SCANCODE_Z, 44},
      {SDL_SCANCODE_X, 45},
      {SDL_SCANCODE_C, 46},
      {SDL_SCANCODE_V, 47},
      {SDL_SCANCODE_B, 48},
      {SDL_SCANCODE_N, 49},
      {SDL_SCANCODE_M, 50},
      {SDL_SCANCODE_COMMA, 51},
      {SDL_SCANCODE_PERIOD, 52},
      {SDL_SCANCODE_SLASH, 53},
      {SDL_SCANCODE_RSHIFT, 54},
      {SDL_SCANCODE_KP_MULTIPLY, 55},
      {SDL_SCANCODE_LALT, 56},
      {SDL_SCANCODE_SPACE, 57},
      {SDL_SCANCODE_CAPSLOCK, 58},
      {SDL_SCANCODE_F1, 59},
      {SDL_SCANCODE_F2, 60},
      {SDL_SCANCODE_F3, 61},
      {SDL_SCANCODE_F4, 62},
      {SDL_SCANCODE_F5, 63},
      {SDL_SCANCODE_F6, 64},
      {SDL_SCANCODE_F7, 65},
      {SDL_SCANCODE_F8, 66},
      {SDL_SCANCODE_F9, 67},
      {SDL_SCANCODE_F10, 68},
      {SDL_SCANCODE_NUMLOCKCLEAR, 69},
      {SDL_SCANCODE_SCROLLLOCK, 70},
      {SDL_SCANCODE_KP_7, 71},
      {SDL_SCANCODE_KP_8, 72},
      {SDL_SCANCODE_KP_9, 73},
      {SDL_SCANCODE_KP_MINUS, 74},
      {SDL_SCANCODE_KP_4, 75},
      {SDL_SCANCODE_KP_5, 76},
      {SDL_SCANCODE_KP_6, 77},
      {SDL_SCANCODE_KP_PLUS, 78},
      {SDL_SCANCODE_KP_1, 79},
      {SDL_SCANCODE_KP_2, 80},
      {SDL_SCANCODE_KP_3, 81},
      {SDL_SCANCODE_KP_0, 82},
      {SDL_SCANCODE_KP_PERIOD, 83},
      {SDL_SCANCODE_NONUSBACKSLASH, 86},
      {SDL_SCANCODE_F11, 87},
      {SDL_SCANCODE_F12, 88},
      {SDL_SCANCODE_KP_ENTER, 156},
      {SDL_SCANCODE_RCTRL, 157},
      {SDL_SCANCODE_KP_DIVIDE, 181},
      {SDL_SCANCODE_RALT, 184},
      {SDL_SCANCODE_HOME, 199},
      {SDL_SCANCODE_UP, 200},
      {SDL_SCANCODE_PAGEUP, 201},
      {SDL_SCANCODE_LEFT, 203},
      {SDL_SCANCODE_RIGHT, 205},
      {SDL_SCANCODE_END, 207},
      {SDL_SCANCODE_DOWN, 208},
      {SDL_SCANCODE_PAGEDOWN, 209},
      {SDL_SCANCODE_INSERT, 210},
      {SDL_SCANCODE_DELETE, 211},
  };
  for (const auto& [sdl, set1] : pairs) table[sdl] = set1;
  return table;
}

int ScanCodeOf(SDL_Scancode sdl) {
  static const std::array<int, SDL_NUM_SCANCODES> table = BuildScanCodeTable();
  return sdl >= 0 && sdl < SDL_NUM_SCANCODES ? table[sdl] : 0;
}

int ButtonIndexOf(Uint8 sdlButton) {
  if (sdlButton == SDL_BUTTON_LEFT) return 1;
  if (sdlButton == SDL_BUTTON_RIGHT) return 2;
  return 0;
}

bool AltHeld(const InputState& input) {
  return input.held[56] || input.held[184];
}

void PressKey(Media& media, int scanCode, bool down, bool fromKeyboard);

void HandleKey(Media& media, const SDL_KeyboardEvent& event) {
  const int code = ScanCodeOf(event.keysym.scancode);
  if (code == 0) return;
  const bool down = event.type == SDL_KEYDOWN;
  if (down && code == 28 && AltHeld(media.device->input)) {
    // Alt+Enter switches between full screen and a window and is not seen by the game.
    if (!event.repeat) ToggleFullscreen(media);
    return;
  }
  PressKey(media, code, down, true);
}

// A key's press or release, from the keyboard or injected.
void PressKey(Media& media, int scanCode, bool down, bool fromKeyboard) {
  if (scanCode <= 0 || scanCode >= kScanCodes) return;
  InputState& input = media.device->input;
  if (down && !input.held[scanCode]) input.fromKeyboard[scanCode] = fromKeyboard;
  if (down && (scanCode == kKeyLeftShift || scanCode == kKeyRightShift)) {
    for (int code = 1; code < kScanCodes; ++code) {
      if (input.held[code]) input.shiftedWhileHeld[code] = true;
    }
  }
  if (down && !input.held[scanCode]) {
    input.shiftedWhileHeld[scanCode] = input.held[kKeyLeftShift] || input.held[kKeyRightShift];
  }
  if (!down && input.held[scanCode]) {
    input.releasePending[scanCode] = true;
    input.releasedShifted[scanCode] = input.shiftedWhileHeld[scanCode];
  }
  input.held[scanCode] = down;
}

}  // namespace

void InjectKey(Media& media, int scanCode, bool down) {
  PressKey(media, scanCode, down, false);
}

void InjectText(Media& media, const std::string& utf8) {
  std::string& typed = media.device->input.typedText;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : 4;
    long code = length == 1 ? lead : lead & (0x3F >> (length - 1));
    bool whole = i + length <= utf8.size();
    for (int k = 1; whole && k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
      whole = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    i += whole ? length : 1;
    if (whole && ((code >= 32 && code <= 126) || (code >= 160 && code <= 255))) {
      typed += static_cast<char>(code);
    }
  }
}

const std::string& TypedText(const Media& media) {
  return media.device->input.sampledTypedText;
}

bool KeyFromKeyboard(const Media& media, int scanCode) {
  return scanCode > 0 && scanCode < kScanCodes && media.device->input.sampledFromKeyboard[scanCode];
}

void InjectMouseMove(Media& media, int x, int y) {
  media.device->input.liveMouseX = std::clamp(x, 0, kScreenWidth - 1);
  media.device->input.liveMouseY = std::clamp(y, 0, kScreenHeight - 1);
}

void InjectMouseButton(Media& media, int button, bool down) {
  if (button != 1 && button != 2) return;
  InputState& input = media.device->input;
  if (down && !input.liveButtons[button]) input.pressedSinceRead[button] = true;
  input.liveButtons[button] = down;
}

void PumpEvents(Media& media) {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;  // input then comes from injection only
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_QUIT:
        media.quitRequested = true;
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        HandleKey(media, event.key);
        break;
      case SDL_TEXTINPUT:
        InjectText(media, event.text.text);
        break;
      case SDL_MOUSEMOTION: {
        int x = 0, y = 0;
        media.device->backend->windowToScreen(*media.device, event.motion.x, event.motion.y, x, y);
        InjectMouseMove(media, x, y);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        InjectMouseButton(media, ButtonIndexOf(event.button.button),
                          event.type == SDL_MOUSEBUTTONDOWN);
        break;
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          // Keys released while another window has the focus would otherwise stay held.
          for (int code = 1; code < kScanCodes; ++code) InjectKey(media, code, false);
          for (int button = 0; button < kPadButtons; ++button) {
            InjectPadButton(media, button, false);
          }
          for (int axis = 0; axis < kPadAxes; ++axis) InjectPadAxis(media, axis, 0);
        }
        break;
      default:
        HandlePadEvent(media, event);
        break;
    }
  }
}

void ReadKeyboard(Media& media) {
  PumpEvents(media);
  InputState& input = media.device->input;
  input.sampledHeld = input.held;
  input.sampledReleased = input.releasePending;
  input.sampledReleasedShifted = input.releasedShifted;
  input.releasePending.fill(false);
  input.releasedShifted.fill(false);
  input.sampledFromKeyboard = input.fromKeyboard;
  input.sampledTypedText = std::move(input.typedText);
  input.typedText.clear();
  SamplePad(input.pad);
}

bool KeyHeld(const Media& media, int scanCode) {
  if (scanCode == -1) {
    for (bool held : media.device->input.sampledHeld) {
      if (held) return true;
    }
    return false;
  }
  return scanCode > 0 && scanCode < kScanCodes && media.device->input.sampledHeld[scanCode];
}

bool KeyReleased(const Media& media, int scanCode) {
  return scanCode > 0 && scanCode < kScanCodes && media.device->input.sampledReleased[scanCode];
}

bool KeyReleasedShifted(const Media& media, int scanCode) {
  return KeyReleased(media, scanCode) && media.device->input.sampledReleasedShifted[scanCode];
}

void ReadMouse(Media& media) {
  InputState& input = media.device->input;
  input.mouseX = input.liveMouseX;
  input.mouseY = input.liveMouseY;
  // Every press shows as down in at least two samples, so that a quick tap (a touchpad, or a
  // press and release between two frames) still makes a click.
  for (int button = 1; button <= 2; ++button) {
    if (input.pressedSinceRead[button]) input.framesStillDown[button] = 2;
    input.pressedSinceRead[button] = false;
    input.buttons[button] = input.liveButtons[button] || input.framesStillDown[button] > 0;
    if (input.framesStillDown[button] > 0) input.framesStillDown[button] -= 1;
  }
}

int MouseX(const Media& media) {
  return media.device->input.mouseX;
}
int MouseY(const Media& media) {
  return media.device->input.mouseY;
}

bool MouseButton(const Media& media, int button) {
  return (button == 1 || button == 2) && media.device->input.buttons[button];
}
