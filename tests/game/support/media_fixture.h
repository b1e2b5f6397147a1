#pragma once

#include <memory>

#include "game/media/media.h"

// Shuts the media layer down before the record that holds it goes: anything with a `media`
// field, from the media alone to the parts a layer works on or a whole game.
struct MediaCloser {
  template <class Parts>
  void operator()(Parts* parts) const {
    ShutdownMedia(parts->media);
    delete parts;
  }
};
template <class Parts>
using PartsPtr = std::unique_ptr<Parts, MediaCloser>;

// Opens the 1024 x 768 screen with its fonts: headless, or a window on SDL's dummy video driver.
void OpenTestScreen(Media& media, bool headless);

// New parts of a game whose screen is open and nothing else is loaded.
template <class Parts>
PartsPtr<Parts> MakeParts(bool headless = true) {
  PartsPtr<Parts> parts(new Parts);
  OpenTestScreen(parts->media, headless);
  return parts;
}

// The media layer alone.
struct MediaParts {
  Media media;
};

// A 20 x 20 picture with a quad of the same number: a black (key-colour) left half and the colour
// in the right half.
void MakeHalfKeyedPicture(Media& media, int number, int colour);
