#pragma once

// Helpers shared by the media layer's source files; nothing outside game/shell uses them.

#include "game/shell/media.h"

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
