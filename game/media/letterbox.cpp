#include "game/media/letterbox.h"

#include <algorithm>
#include <cmath>

#include "game/media/media.h"

PictureBox LetterboxIn(int outputWidth, int outputHeight) {
  if (outputWidth <= 0 || outputHeight <= 0) return PictureBox{0, 0, kScreenWidth, kScreenHeight};
  const double scale = std::min(static_cast<double>(outputWidth) / kScreenWidth,
                                static_cast<double>(outputHeight) / kScreenHeight);
  const int width = std::max(1, static_cast<int>(kScreenWidth * scale));
  const int height = std::max(1, static_cast<int>(kScreenHeight * scale));
  return PictureBox{(outputWidth - width) / 2, (outputHeight - height) / 2, width, height};
}

ScreenPoint WindowPointToScreen(int windowWidth, int windowHeight, int drawableWidth,
                                int drawableHeight, int windowX, int windowY) {
  double pixelX = windowX;
  double pixelY = windowY;
  if (windowWidth > 0 && windowHeight > 0 && drawableWidth > 0 && drawableHeight > 0) {
    pixelX = windowX * static_cast<double>(drawableWidth) / windowWidth;
    pixelY = windowY * static_cast<double>(drawableHeight) / windowHeight;
  } else {
    drawableWidth = kScreenWidth;
    drawableHeight = kScreenHeight;
  }
  const PictureBox box = LetterboxIn(drawableWidth, drawableHeight);
  const double x = std::floor((pixelX - box.x) * kScreenWidth / box.width);
  const double y = std::floor((pixelY - box.y) * kScreenHeight / box.height);
  return ScreenPoint{static_cast<int>(std::clamp(x, 0.0, kScreenWidth - 1.0)),
                     static_cast<int>(std::clamp(y, 0.0, kScreenHeight - 1.0))};
}
