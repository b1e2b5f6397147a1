#pragma once

// Helpers shared by the media layer's source files; outside game/media only its tests use them.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/media/cpu_frame.h"
#include "game/media/gamepad.h"
#include "game/media/media.h"
#include "game/media/soft_image.h"

struct Mix_Chunk;
typedef struct _TTF_Font TTF_Font;
struct MediaBackend;

struct Picture {
  SDL_Surface* surface = nullptr;          // always ARGB8888
  std::vector<std::uint32_t> keyedPixels;  // the surface with the key colour made transparent
  bool keyedStale = true;
  std::uint32_t keyColour = 0;  // RGB of the transparent key, black unless set
  bool clipped = false;         // later draws show only the clip rectangle
  SDL_Rect clip{0, 0, 0, 0};
  // The windowed back end's copy on the graphics side, uploaded again after the surface changed.
  SDL_Texture* texture = nullptr;
  bool textureStale = true;
  // What the CPU renderer draws quads from, made again after the surface changed.
  std::unique_ptr<SoftImage> soft;
  bool softStale = true;
};

struct Quad {
  bool exists = false;
  float width = 0;
  float height = 0;
  std::array<SDL_FPoint, 4> corners{};  // top-left, top-right, bottom-right, bottom-left
};

enum class BlendMode { kAlpha, kAdditive };

// The gamepad's state (gamepad.cpp): live from events, and the frame's sample of it.
struct PadInput {
  SDL_GameController* controller = nullptr;  // the pad in use, if one is plugged in
  SDL_JoystickID instance = -1;
  std::array<bool, kPadButtons> held{};
  std::array<bool, kPadButtons> pressedSinceRead{};
  std::array<float, kPadAxes> axes{};
  std::array<bool, kPadButtons> sampledHeld{};
  std::array<bool, kPadButtons> sampledPressed{};
  std::array<float, kPadAxes> sampledAxes{};
};

struct InputState {
  std::array<bool, kScanCodes> held{};            // live state from events
  std::array<bool, kScanCodes> releasePending{};  // went up since the last ReadKeyboard
  std::array<bool, kScanCodes> sampledHeld{};     // as of the last ReadKeyboard
  std::array<bool, kScanCodes> sampledReleased{};
  std::array<bool, kScanCodes> shiftedWhileHeld{};  // a Shift key was down while it was
  std::array<bool, kScanCodes> releasedShifted{};   // of those released since the last read
  std::array<bool, kScanCodes> sampledReleasedShifted{};
  // Whether the key's last press came from the keyboard (whose typed characters arrive as text)
  // rather than from injection.
  std::array<bool, kScanCodes> fromKeyboard{};
  std::array<bool, kScanCodes> sampledFromKeyboard{};
  std::string typedText;  // characters typed since the last read, in the game's 8-bit text
  std::string sampledTypedText;
  int liveMouseX = kScreenWidth / 2;
  int liveMouseY = kScreenHeight / 2;
  std::array<bool, 3> liveButtons{};       // index 1 left, 2 right
  std::array<bool, 3> pressedSinceRead{};  // went down since the last ReadMouse
  std::array<int, 3> framesStillDown{};    // samples a short press still shows as down
  int mouseX = kScreenWidth / 2;
  int mouseY = kScreenHeight / 2;
  std::array<bool, 3> buttons{};
  PadInput pad;
};

// The windowed back end's platform objects.
struct WindowScreen {
  bool fullscreen = true;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* target = nullptr;  // the 1024 x 768 frame, shown letterboxed in the window
  // Drawn by the CPU instead (a renderer without a graphics card): the frame is uploaded into
  // this texture once a flip.
  SDL_Texture* streaming = nullptr;
  int frameCap = 0;
  std::uint64_t lastFlipTicks = 0;
};

struct MediaDevice {
  // Chosen when the screen opens. Until then the headless back end without a frame: draws to the
  // screen land nowhere, drawing into pictures works.
  const MediaBackend* backend;
  CpuFrame cpu;  // the frame drawn by the CPU (headless, or a window without a graphics card)
  std::string rendererName = "none";  // what draws the screen, for reports
  WindowScreen windowed;
  std::vector<Picture> pictures = std::vector<Picture>(kPictureSlots);
  std::vector<Quad> quads = std::vector<Quad>(kPictureSlots);
  int drawTarget = -1;  // picture receiving shape and text drawing (DrawInto), -1 = screen
  BlendMode blend = BlendMode::kAlpha;
  bool filtered = true;
  std::vector<TTF_Font*> fonts;
  InputState input;
  bool audioOpen = false;
  std::vector<Mix_Chunk*> clips;
  std::vector<int> clipVolumes = std::vector<int>(kPictureSlots, 100);  // per clip number, 0..100
  int lastChannel = -1;
  Mix_Chunk* lastChunk = nullptr;
  // Headless runs time clips by frames shown (20 ms each), not by the sound device's clock, so
  // that a scripted run replays exactly.
  std::uint64_t framesShown = 0;
  std::uint64_t lastClipEndFrame = 0;

  MediaDevice();
};

// The picture's pixels with the key colour made transparent, remade after the surface changed.
const std::vector<std::uint32_t>& KeyedPixels(Picture& picture);

// Call before changing a picture's surface or key colour: drawing still pending that uses it is
// carried out first.
void MarkPictureChanged(MediaDevice& device, Picture& picture);

// The picture that DrawInto chose, marked as changed; nullptr while drawing goes to the screen.
SDL_Surface* DrawIntoSurface(MediaDevice& device);

// Replaces picture n with the given ARGB8888 surface (taking ownership).
void StorePicture(Media& media, int number, SDL_Surface* surface);

// Frees picture n's surface and whatever the back end made of it.
void FreePicture(MediaDevice& device, Picture& picture);

// A new ARGB8888 surface, cleared to black with opaque alpha.
SDL_Surface* NewPictureSurface(int width, int height);

// The source rectangle later draws of a picture use: its clip, else the whole picture.
SDL_Rect PictureSourceRect(const Picture& picture);

inline bool ValidPictureNumber(int number) {
  return number >= 0 && number < kPictureSlots;
}

// The gamepad's part of the event loop and of the frame's sample (gamepad.cpp). Pads are looked
// for only in a window: a headless run takes pad input from its script alone.
void OpenGamepads();
bool HandlePadEvent(Media& media, const SDL_Event& event);  // false: no pad event
void SamplePad(PadInput& pad);
void CloseGamepad(PadInput& pad);

// Decodes a JPEG file into an ARGB8888 surface; nullptr when the file is missing, not a JPEG or
// larger than the game's pictures ever are.
SDL_Surface* DecodeJpegFile(const std::string& file);

// The size a JPEG file's header claims, read without decoding the pixels.
bool ReadJpegSize(const std::string& file, int& width, int& height);
