#pragma once

// Helpers shared by the media layer's source files; nothing outside game/shell uses them.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

#include "game/media/media.h"

struct Mix_Chunk;
typedef struct _TTF_Font TTF_Font;

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

struct MediaDevice {
  bool fullscreen = true;
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
  // Headless runs time clips by frames shown (20 ms each), not by the sound device's clock, so
  // that a scripted run replays exactly.
  std::uint64_t framesShown = 0;
  std::uint64_t lastClipEndFrame = 0;
  int frameCap = 0;
  std::uint64_t lastFlipTicks = 0;
};

// The picture's texture, uploaded (again) when its surface changed since the last upload.
SDL_Texture* PictureTexture(Media& media, int number);

// The picture's pixels with the key colour made transparent, remade after the surface changed.
const std::vector<std::uint32_t>& KeyedPixels(Picture& picture);

// Call after changing a picture's surface or key colour.
void MarkPictureChanged(Picture& picture);

// The surface that drawing goes to on the CPU: the picture of DrawInto (marked as changed), or
// the headless screen; nullptr when drawing goes to the window's renderer.
SDL_Surface* CpuTarget(Media& media);

// Replaces picture n with the given ARGB8888 surface (taking ownership).
void StorePicture(Media& media, int number, SDL_Surface* surface);

// A new ARGB8888 surface, cleared to black with opaque alpha.
SDL_Surface* NewPictureSurface(int width, int height);

// Copies a source rectangle of a picture's surface onto a surface at (x, y), clipped to the
// destination; key-colour pixels are skipped when keyed.
void BlitPictureSurface(const Picture& source, const SDL_Rect& sourceRect, SDL_Surface* target,
                        int x, int y, bool keyed);

// The source rectangle later draws of a picture use: its clip, else the whole picture.
SDL_Rect PictureSourceRect(const Picture& picture);

inline bool ValidPictureNumber(int number) {
  return number >= 0 && number < kPictureSlots;
}

// Decodes a JPEG file into an ARGB8888 surface; nullptr when the file is missing or not a JPEG.
SDL_Surface* DecodeJpegFile(const std::string& file);

// Converts a position in the window to the 1024 x 768 screen, clamped to it.
void WindowToScreen(Media& media, int windowX, int windowY, int& x, int& y);
