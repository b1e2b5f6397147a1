// Drawing onto the CPU-drawn frame: every draw is recorded (cpu_frame.h) and carried out when the
// frame is shown or read. Additive quads of square pictures become pre-scaled splats.

#include <algorithm>
#include <cmath>

#include "game/media/cpu_drawing.h"
#include "game/media/media_backend.h"
#include "game/media/soft_quads.h"

namespace {

constexpr int kMaxTurnedSplatSide = 24;  // larger quads of pictures that are not round are turned
constexpr std::size_t kMaxSplatBytes = std::size_t{64} << 20;

FrameCommand Command(FrameCommand::Kind kind) {
  FrameCommand command;
  command.kind = kind;
  return command;
}

SoftImage& SoftImageOf(MediaDevice& device, Picture& picture) {
  if (picture.softStale || !picture.soft) {
    FlushCpuFrame(device.cpu);  // pending commands may still use the old one
    picture.soft =
        MakeSoftImage(KeyedPixels(picture).data(), picture.surface->w, picture.surface->h);
    picture.softStale = false;
  }
  return *picture.soft;
}

// Splats are kept until they take too much memory; then all are made again as needed.
void LimitSplats(MediaDevice& device) {
  if (device.cpu.splatBytes <= kMaxSplatBytes) return;
  FlushCpuFrame(device.cpu);
  for (Picture& picture : device.pictures) {
    if (picture.soft) picture.soft->splats.clear();
  }
  device.cpu.splatBytes = 0;
}

// An additive square quad as a splat: round pictures at any turn, others when small, turned to
// the nearest of kTurnSteps. A quad smaller than a pixel becomes one pixel whose alpha is
// scaled by the area covered. False when the quad must be drawn as a quad.
bool RecordSplat(MediaDevice& device, SoftImage& image, const std::array<SDL_FPoint, 4>& corners,
                 int alpha) {
  float side = 0, degrees = 0;
  if (!image.measured || !IsSquareQuad(corners, side, degrees)) return false;
  if (side > kMaxSplatSide || (!image.round && side > kMaxTurnedSplatSide)) return false;
  int step = 0;
  if (!image.round) {
    step = static_cast<int>(std::lround(degrees / 360 * kTurnSteps)) % kTurnSteps;
    if (step < 0) step += kTurnSteps;
  }
  if (side < 1) alpha = static_cast<int>(std::lround(alpha * side * side));
  if (alpha <= 0) return true;
  LimitSplats(device);
  const int splatSide = SplatSideFor(side);
  const Splat& splat = SplatOf(image, splatSide, step, device.cpu.splatBytes);
  if (!splat.adds[alpha >> 5]) return true;  // too faint to change any pixel
  const float middleX = (corners[0].x + corners[2].x) / 2;
  const float middleY = (corners[0].y + corners[2].y) / 2;
  FrameCommand command = Command(FrameCommand::Kind::kSplat);
  command.splat = &splat;
  command.alpha = alpha;
  command.x = static_cast<int>(std::floor(middleX - splatSide / 2.0f + 0.5f));
  command.y = static_cast<int>(std::floor(middleY - splatSide / 2.0f + 0.5f));
  RecordCommand(device.cpu, command, command.y, command.y + splatSide);
  return true;
}

}  // namespace

void CpuClear(MediaDevice& device, int colour) {
  FrameCommand command = Command(FrameCommand::Kind::kClear);
  command.colour = colour;
  RecordCommand(device.cpu, command, 0, kScreenHeight);
}

void CpuReadPixels(MediaDevice& device, const SDL_Rect& rect, SDL_Surface* into) {
  if (!device.cpu.surface) return;
  FlushCpuFrame(device.cpu);
  SDL_Rect source = rect;
  SDL_BlitSurface(device.cpu.surface, &source, into, nullptr);
}

void CpuDrawPicture(MediaDevice& device, Picture& picture, const SDL_Rect& source, int x, int y,
                    bool keyed) {
  FrameCommand command = Command(FrameCommand::Kind::kBlit);
  command.picture = &picture;
  command.rect = source;
  command.x = x;
  command.y = y;
  command.keyed = keyed;
  RecordCommand(device.cpu, command, y, y + source.h);
}

void CpuFillBoxOnFrame(MediaDevice& device, const SDL_Rect& box, int colour) {
  FrameCommand command = Command(FrameCommand::Kind::kFill);
  command.rect = box;
  command.colour = colour;
  RecordCommand(device.cpu, command, box.y, box.y + std::max(box.h, 0));
}

void CpuDrawLineOnFrame(MediaDevice& device, int x1, int y1, int x2, int y2, int colour) {
  FrameCommand command = Command(FrameCommand::Kind::kLine);
  command.rect = SDL_Rect{x1, y1, x2, y2};
  command.colour = colour;
  RecordCommand(device.cpu, command, std::min(y1, y2), std::max(y1, y2) + 1);
}

void CpuDrawText(MediaDevice& device, SDL_Surface* glyphs, int x, int y) {
  // The caller frees its surface after the call; the record keeps a copy until it has run.
  FrameCommand command = Command(FrameCommand::Kind::kGlyphs);
  command.glyphs = SDL_DuplicateSurface(glyphs);
  if (!command.glyphs) return;
  command.x = x;
  command.y = y;
  RecordCommand(device.cpu, command, y, y + glyphs->h);
}

void CpuDrawQuad(MediaDevice& device, Picture& picture, const std::array<SDL_FPoint, 4>& corners,
                 int alpha) {
  if (!device.cpu.surface) return;
  float left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
  for (const SDL_FPoint& corner : corners) {
    if (!std::isfinite(corner.x) || !std::isfinite(corner.y)) return;
    left = std::min(left, corner.x);
    right = std::max(right, corner.x);
    top = std::min(top, corner.y);
    bottom = std::max(bottom, corner.y);
  }
  // Off the frame, or so far out that positions would not fit the integers below.
  if (bottom < -1 || top > kScreenHeight + 1 || right < -1 || left > kScreenWidth + 1) return;
  if (top < -1e6f || bottom > 1e6f || left < -1e6f || right > 1e6f) return;
  SoftImage& image = SoftImageOf(device, picture);
  const bool additive = device.blend == BlendMode::kAdditive;
  if (additive) MeasureSoftImage(image);
  if (additive && device.filtered && RecordSplat(device, image, corners, alpha)) return;
  FrameCommand command = Command(FrameCommand::Kind::kQuad);
  command.image = &image;
  command.corners = corners;
  command.alpha = alpha;
  command.additive = additive;
  command.filtered = device.filtered;
  RecordCommand(device.cpu, command, static_cast<int>(std::floor(top)) - 1,
                static_cast<int>(std::ceil(bottom)) + 1);
}

void CpuForgetPicture(MediaDevice& device, Picture& picture) {
  FlushCpuFrame(device.cpu);
  picture.softStale = true;
}
