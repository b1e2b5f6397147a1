// Numbered pictures: loading, creating, the key colour, clipping and the two plain draws.

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "game/media/media_internal.h"

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

Uint32* PixelRow(SDL_Surface* surface, int y) {
  return reinterpret_cast<Uint32*>(static_cast<unsigned char*>(surface->pixels) +
                                   y * surface->pitch);
}

Uint32 BlendPixel(Uint32 source, Uint32 target) {
  const Uint32 alpha = source >> 24;
  if (alpha == 255) return source;
  auto mix = [alpha](Uint32 s, Uint32 t) { return (s * alpha + t * (255 - alpha)) / 255; };
  const Uint32 r = mix((source >> 16) & 255, (target >> 16) & 255);
  const Uint32 g = mix((source >> 8) & 255, (target >> 8) & 255);
  const Uint32 b = mix(source & 255, target & 255);
  return (target & 0xFF000000u) | (r << 16) | (g << 8) | b;
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
  if (picture.texture) SDL_DestroyTexture(picture.texture);
  if (picture.surface) SDL_FreeSurface(picture.surface);
  picture = Picture{};
  picture.surface = surface;
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
  media.device->pictures[picture].keyColour =
      (Uint32(r & 255) << 16) | (Uint32(g & 255) << 8) | (b & 255);
  MarkPictureChanged(media.device->pictures[picture]);
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

void MarkPictureChanged(Picture& picture) {
  picture.textureStale = true;
  picture.keyedStale = true;
  picture.paddedStale = true;
}

const std::vector<std::uint32_t>& KeyedPixels(Picture& picture) {
  if (!picture.keyedStale) return picture.keyedPixels;
  SDL_Surface* surface = picture.surface;
  picture.keyedPixels.resize(static_cast<size_t>(surface->w) * surface->h);
  // The key colour becomes transparency; the surface itself keeps its colours.
  for (int y = 0; y < surface->h; ++y) {
    const Uint32* row = PixelRow(surface, y);
    Uint32* out = &picture.keyedPixels[static_cast<size_t>(y) * surface->w];
    for (int x = 0; x < surface->w; ++x) {
      out[x] = (row[x] & 0x00FFFFFFu) == picture.keyColour ? (row[x] & 0x00FFFFFFu) : row[x];
    }
  }
  picture.keyedStale = false;
  return picture.keyedPixels;
}

SDL_Surface* CpuTarget(Media& media) {
  if (media.device->drawTarget >= 0) {
    Picture& target = media.device->pictures[media.device->drawTarget];
    MarkPictureChanged(target);
    return target.surface;
  }
  return media.device->headlessScreen;
}

SDL_Texture* PictureTexture(Media& media, int number) {
  if (!PictureExists(media, number) || !media.device->renderer) return nullptr;
  Picture& picture = media.device->pictures[number];
  if (!picture.textureStale && picture.texture) return picture.texture;
  SDL_Surface* surface = picture.surface;
  if (picture.texture) {
    int w = 0, h = 0;
    SDL_QueryTexture(picture.texture, nullptr, nullptr, &w, &h);
    if (w != surface->w || h != surface->h) {
      SDL_DestroyTexture(picture.texture);
      picture.texture = nullptr;
    }
  }
  if (!picture.texture) {
    picture.texture = SDL_CreateTexture(media.device->renderer, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STATIC, surface->w, surface->h);
    if (!picture.texture) return nullptr;
    SDL_SetTextureBlendMode(picture.texture, SDL_BLENDMODE_BLEND);
  }
  SDL_UpdateTexture(picture.texture, nullptr, KeyedPixels(picture).data(), surface->w * 4);
  SDL_SetTextureScaleMode(picture.texture,
                          media.device->filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  picture.textureStale = false;
  return picture.texture;
}

void BlitPictureSurface(const Picture& source, const SDL_Rect& sourceRect, SDL_Surface* target,
                        int x, int y, bool keyed) {
  const int left = std::max(0, -x);
  const int top = std::max(0, -y);
  const int right = std::min(sourceRect.w, target->w - x);
  const int bottom = std::min(sourceRect.h, target->h - y);
  for (int row = top; row < bottom; ++row) {
    const Uint32* from = PixelRow(source.surface, sourceRect.y + row) + sourceRect.x;
    Uint32* to = PixelRow(target, y + row) + x;
    for (int column = left; column < right; ++column) {
      const Uint32 pixel = from[column];
      if (keyed && (pixel & 0x00FFFFFFu) == source.keyColour) continue;
      to[column] = keyed ? BlendPixel(pixel, to[column]) : (pixel | 0xFF000000u);
    }
  }
}

static void DrawPicture(Media& media, int number, int x, int y, bool keyed) {
  if (!PictureExists(media, number)) return;
  const Picture& picture = media.device->pictures[number];
  const SDL_Rect source = PictureSourceRect(picture);
  if (source.w <= 0 || source.h <= 0) return;
  if (media.device->drawTarget == number) return;  // a picture is never drawn into itself
  if (SDL_Surface* target = CpuTarget(media)) {
    BlitPictureSurface(picture, source, target, x, y, keyed);
    return;
  }
  SDL_Texture* texture = PictureTexture(media, number);
  if (!texture) return;
  SDL_SetTextureBlendMode(texture, keyed ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
  SDL_SetTextureAlphaMod(texture, 255);
  SDL_SetTextureColorMod(texture, 255, 255, 255);
  const SDL_Rect target{x, y, source.w, source.h};
  SDL_RenderCopy(media.device->renderer, texture, &source, &target);
}

void DrawOpaque(Media& media, int picture, int x, int y) {
  DrawPicture(media, picture, x, y, false);
}

void DrawKeyed(Media& media, int picture, int x, int y) {
  DrawPicture(media, picture, x, y, true);
}

bool ReadPictureRgb(const std::string& file, int& width, int& height,
                    std::vector<std::uint8_t>& rgb) {
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
