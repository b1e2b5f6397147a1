#pragma once

#include <string>
#include <string_view>

#include "tools/mkassets/image.h"

// Text drawn into pictures with the DejaVu faces (the fonts-dejavu-core package).
enum class Face { kSans, kSansBold, kMono, kMonoBold, kSerifBold };

std::string FacePath(Face face);

// Opens the font library once; throws std::runtime_error when a face cannot be found.
void InitText();
void QuitText();

// The text (UTF-8) as a picture: colour everywhere, coverage in alpha, tightly cut to the
// rendered box (height = the font's line height).
Image TextImage(Face face, int pixelSize, std::string_view utf8, Rgba colour);

// Draws the text centred on (cx, cy), with a soft dark halo for contrast when `halo` > 0.
void DrawTextCentred(Image& image, Face face, int pixelSize, std::string_view utf8, float cx,
                     float cy, Rgba colour, float halo = 0);
