// Numbered pictures: loading, creating, the key colour, clipping and the two plain draws.

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "game/media/cpu_drawing.h"
#include "game/media/media_backend.h"
#include "game/media/picture_header.h"

namespace {

bool HasJpegExtension(const std::string& file) {
  const auto dot = file.find_last_of('.');
  if (dot == std::string::npos) return false;
  std::string extension = file.substr(dot + 1);
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == "jpg" || extension == "jpeg";
}

SDL_Surface* LoadBmpFile(const std::string& file) {
  SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
  if (!loaded) return nullptr;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  return converted;
}

}  // namespace

SDL_Surface* NewPictureSurface(int width, int height) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, std::max(width, 1), std::max(height, 1),
                                                        32, SDL_PIXELFORMAT_ARGB8888);
  if (surface) SDL_FillRect(surface, nullptr, 0xFF000000u);
  return surface;
}

void StorePicture(Media& media, int number, SDL_Surface* surface) {
  Picture& picture = media.device->pictures[number];
  FreePicture(*media.device, picture);
  picture.surface = surface;
}

void FreePicture(MediaDevice& device, Picture& picture) {
  device.backend->forgetPicture(device, picture);
  if (picture.surface) SDL_FreeSurface(picture.surface);
  picture = Picture{};
}

bool PictureExists(const Media& media, int number) {
  return ValidPictureNumber(number) && media.device->pictures[number].surface != nullptr;
}

int PictureWidth(const Media& media, int number) {
  return PictureExists(media, number) ? media.device->pictures[number].surface->w : 0;
}

int PictureHeight(const Media& media, int number) {
  return PictureExists(media, number) ? media.device->pictures[number].surface->h : 0;
}

bool LoadPicture(Media& media, int number, const std::string& file) {
  if (!ValidPictureNumber(number)) return false;
  if (CheckPictureFile(file) != PictureFileCheck::kFits) return false;
  SDL_Surface* surface = HasJpegExtension(file) ? DecodeJpegFile(file) : LoadBmpFile(file);
  if (!surface) return false;
  StorePicture(media, number, surface);
  return true;
}

void CreatePicture(Media& media, int number, int width, int height, bool /*texture*/) {
  // Every picture can serve as a quad texture here, so the flag needs no handling.
  if (!ValidPictureNumber(number)) return;
  if (SDL_Surface* surface = NewPictureSurface(width, height)) StorePicture(media, number, surface);
}

void SetKeyColour(Media& media, int picture, int r, int g, int b) {
  if (!PictureExists(media, picture)) return;
  MarkPictureChanged(*media.device, media.device->pictures[picture]);
  media.device->pictures[picture].keyColour =
      (Uint32(r & 255) << 16) | (Uint32(g & 255) << 8) | (b & 255);
}

void ClipPicture(Media& media, int picture, int x, int y, int w, int h) {
  if (!PictureExists(media, picture)) return;
  media.device->pictures[picture].clipped = true;
  media.device->pictures[picture].clip = SDL_Rect{x, y, std::max(w, 0), std::max(h, 0)};
}

SDL_Rect PictureSourceRect(const Picture& picture) {
  SDL_Rect whole{0, 0, picture.surface->w, picture.surface->h};
  if (!picture.clipped) return whole;
  SDL_Rect clipped;
  if (!SDL_IntersectRect(&picture.clip, &whole, &clipped)) return SDL_Rect{0, 0, 0, 0};
  return clipped;
}

void MarkPictureChanged(MediaDevice& device, Picture& picture) {
  FlushCpuFrame(device.cpu);  // recorded draws of the frame may read it
  picture.textureStale = true;
  picture.keyedStale = true;
  picture.softStale = true;
}

const std::vector<std::uint32_t>& KeyedPixels(Picture& picture) {
  if (!picture.keyedStale) return picture.keyedPixels;
  SDL_Surface* surface = picture.surface;
  picture.keyedPixels.resize(static_cast<size_t>(surface->w) * surface->h);
  // The key colour becomes transparency; the surface itself keeps its colours.
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(
        static_cast<const unsigned char*>(surface->pixels) + y * surface->pitch);
    Uint32* out = &picture.keyedPixels[static_cast<size_t>(y) * surface->w];
    for (int x = 0; x < surface->w; ++x) {
      out[x] = (row[x] & 0x00FFFFFFu) == picture.keyColour ? (row[x] & 0x00FFFFFFu) : row[x];
    }
  }
  picture.keyedStale = false;
  return picture.keyedPixels;
}

SDL_Surface* DrawIntoSurface(MediaDevice& device) {
  if (device.drawTarget < 0) return nullptr;
  Picture& target = device.pictures[device.drawTarget];
  MarkPictureChanged(device, target);
  return target.surface;
}

static void DrawPicture(Media& media, int number, int x, int y, bool keyed) {
  if (!PictureExists(media, number)) return;
  MediaDevice& device = *media.device;
  Picture& picture = device.pictures[number];
  const SDL_Rect source = PictureSourceRect(picture);
  if (source.w <= 0 || source.h <= 0) return;
  if (device.drawTarget == number) return;  // a picture is never drawn into itself
  if (SDL_Surface* target = DrawIntoSurface(device)) {
    CpuBlit(picture, source, target, x, y, keyed);
  } else {
    device.backend->drawPicture(device, picture, source, x, y, keyed);
  }
}

void DrawOpaque(Media& media, int picture, int x, int y) {
  DrawPicture(media, picture, x, y, false);
}

void DrawKeyed(Media& media, int picture, int x, int y) {
  DrawPicture(media, picture, x, y, true);
}

bool ReadPictureRgb(const std::string& file, int& width, int& height,
                    std::vector<std::uint8_t>& rgb) {
  if (CheckPictureFile(file) != PictureFileCheck::kFits) return false;
  SDL_Surface* loaded = SDL_LoadBMP(file.c_str());
  if (!loaded) return false;
  SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
  SDL_FreeSurface(loaded);
  if (!converted) return false;
  width = converted->w;
  height = converted->h;
  rgb.resize(static_cast<size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(converted->pixels) + y * converted->pitch;
    std::copy(row, row + width * 3, rgb.begin() + static_cast<size_t>(y) * width * 3);
  }
  SDL_FreeSurface(converted);
  return true;
}
