#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct Mix_Chunk;
typedef struct _TTF_Font TTF_Font;

// The media layer: numbered pictures with a quad each, the 1024 x 768 screen, keys by set-1 scan
// code, the mouse and numbered sound clips. Everything the game draws, reads or plays goes
// through these operations.

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kPictureSlots = 10000;  // picture and quad numbers 0..9999
constexpr int kScanCodes = 256;

// Colours are 24-bit integers with red in the lowest byte.
constexpr int MakeColour(int r, int g, int b) {
  return r + 256 * g + 65536 * b;
}

struct Picture {
  SDL_Surface* surface = nullptr;  // always ARGB8888
  SDL_Texture* texture = nullptr;  // uploaded lazily, again after the surface changed
  bool textureStale = true;
  std::vector<std::uint32_t> keyedPixels;  // the surface with the key colour made transparent
  bool keyedStale = true;
  std::vector<std::uint32_t> paddedPixels;  // the keyed pixels with an edge border (headless)
  bool paddedStale = true;
  std::uint32_t keyColour = 0;  // RGB of the transparent key, black unless set
  bool clipped = false;         // later draws show only the clip rectangle
  SDL_Rect clip{0, 0, 0, 0};
};

struct Quad {
  bool exists = false;
  float width = 0;
  float height = 0;
  std::array<SDL_FPoint, 4> corners{};  // top-left, top-right, bottom-right, bottom-left
};

enum class BlendMode { kAlpha, kAdditive };

struct InputState {
  std::array<bool, kScanCodes> held{};            // live state from events
  std::array<bool, kScanCodes> releasePending{};  // went up since the last ReadKeyboard
  std::array<bool, kScanCodes> sampledHeld{};     // as of the last ReadKeyboard
  std::array<bool, kScanCodes> sampledReleased{};
  int liveMouseX = kScreenWidth / 2;
  int liveMouseY = kScreenHeight / 2;
  std::array<bool, 3> liveButtons{};  // index 1 left, 2 right
  int mouseX = kScreenWidth / 2;
  int mouseY = kScreenHeight / 2;
  std::array<bool, 3> buttons{};
};

struct Media {
  bool headless = false;
  bool fullscreen = true;
  bool quitRequested = false;  // the window was closed
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;       // windowed only
  SDL_Surface* headlessScreen = nullptr;  // the off-screen frame in headless mode, CPU-drawn
  SDL_Texture* screenTarget = nullptr;    // the 1024 x 768 frame shown letterboxed in a window
  std::vector<Picture> pictures = std::vector<Picture>(kPictureSlots);
  std::vector<Quad> quads = std::vector<Quad>(kPictureSlots);
  int drawTarget = -1;  // picture receiving shape and text drawing (DrawInto), -1 = screen
  BlendMode blend = BlendMode::kAlpha;
  bool filtered = true;
  std::vector<TTF_Font*> fonts;
  InputState input;
  bool audioOpen = false;
  std::vector<Mix_Chunk*> clips;
  int lastChannel = -1;
  Mix_Chunk* lastChunk = nullptr;
  int frameCap = 0;
  std::uint64_t lastFlipTicks = 0;
  // Called with every finished frame, right before it is shown (scripted runs count frames,
  // take screenshots and feed input here).
  std::function<void()> onFlip;
};

// Start-up and shut-down. InitVideo opens SDL's video and event subsystems; OpenScreen creates the
// window (or the off-screen frame when headless) and returns false on failure.
bool InitVideo(Media& media, bool headless);
bool InitAudio(Media& media);  // false when no device: the game goes on silently
bool InitFonts(Media& media);
bool OpenScreen(Media& media, int width, int height, int depth);
void ShutdownMedia(Media& media);

// Screen and frame.
void SetFrameCap(Media& media, int framesPerSecond);
void ClearScreen(Media& media, int colour);
void FlipScreen(Media& media);
void ToggleFullscreen(Media& media);
void GrabScreen(Media& media, int picture, int x, int y, int w, int h);
bool SavePicture(Media& media, int picture, const std::string& file);
// The colour of one pixel of the current frame (red in the lowest byte), for tests and checks.
int ReadScreenPixel(Media& media, int x, int y);

// Pictures. Files are file-system paths (the caller maps data paths).
bool LoadPicture(Media& media, int number, const std::string& file);
void CreatePicture(Media& media, int number, int width, int height, bool texture = false);
bool PictureExists(const Media& media, int number);
int PictureWidth(const Media& media, int number);
int PictureHeight(const Media& media, int number);
void SetKeyColour(Media& media, int picture, int r, int g, int b);
void ClipPicture(Media& media, int picture, int x, int y, int w, int h);
void DrawOpaque(Media& media, int picture, int x, int y);
void DrawKeyed(Media& media, int picture, int x, int y);
void DrawInto(Media& media, int picture);
void EndDraw(Media& media);
void FillBox(Media& media, int x, int y, int w, int h, int colour);
void FillCircle(Media& media, int cx, int cy, int radius, int colour);
void DrawLine(Media& media, int x1, int y1, int x2, int y2, int colour);
int LoadFont(Media& media, const std::string& faceName, int size);
void DrawFontText(Media& media, int font, int x, int y, const std::string& text, int colour);
int TextWidth(Media& media, int font, const std::string& text);

// Quads.
void CreateQuad(Media& media, int quad, int picture);
void BeginQuads(Media& media);
void SetQuadSize(Media& media, int quad, float width, float height);
void RotateQuad(Media& media, int quad, float degrees);
void ShapeQuad(Media& media, int quad, float x1, float y1, float x2, float y2, float x3, float y3,
               float x4, float y4);
void DrawQuad(Media& media, int quad, float x, float y, int alpha);
void SetBlend(Media& media, int source, int destination);
void SetQuadFilter(Media& media, bool on);

// Input, sampled once per frame.
void ReadKeyboard(Media& media);
bool KeyHeld(const Media& media, int scanCode);  // -1: any key
bool KeyReleased(const Media& media, int scanCode);
void ReadMouse(Media& media);
int MouseX(const Media& media);
int MouseY(const Media& media);
bool MouseButton(const Media& media, int button);  // 1 left, 2 right
// Scripted input arrives as if from the devices; mouse positions are screen pixels.
void InjectKey(Media& media, int scanCode, bool down);
void InjectMouseMove(Media& media, int x, int y);
void InjectMouseButton(Media& media, int button, bool down);
// Handles window and device events (also done by ReadKeyboard and FlipScreen).
void PumpEvents(Media& media);

// Sound.
bool LoadClip(Media& media, int number, const std::string& file);
void PlayClip(Media& media, int number);
bool ClipPlaying(const Media& media);

// Time.
void SleepMs(const Media& media, int milliseconds);
std::uint64_t TickMs();
