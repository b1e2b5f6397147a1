#include "game/media/cpu_frame.h"

#include <algorithm>
#include <atomic>

#include "game/media/cpu_drawing.h"
#include "game/media/media_internal.h"
#include "game/media/soft_quads.h"

namespace {

void RunCommand(SDL_Surface* target, RowBand rows, const FrameCommand& c) {
  using Kind = FrameCommand::Kind;
  switch (c.kind) {
    case Kind::kClear:
      CpuFillBox(target, SDL_Rect{0, 0, target->w, target->h}, c.colour, rows);
      break;
    case Kind::kFill:
      CpuFillBox(target, c.rect, c.colour, rows);
      break;
    case Kind::kLine:
      CpuDrawLine(target, c.rect.x, c.rect.y, c.rect.w, c.rect.h, c.colour, rows);
      break;
    case Kind::kBlit:
      CpuBlit(*c.picture, c.rect, target, c.x, c.y, c.keyed, rows);
      break;
    case Kind::kGlyphs:
      CpuBlendGlyphs(c.glyphs, target, c.x, c.y, rows);
      break;
    case Kind::kQuad:
      DrawSoftQuad(target, rows, *c.image, c.corners, c.alpha, c.additive, c.filtered);
      break;
    case Kind::kSplat:
      DrawSplat(target, rows, *c.splat, c.x, c.y, c.alpha);
      break;
  }
}

}  // namespace

bool OpenCpuFrame(CpuFrame& frame, int width, int height, int threads) {
  CloseCpuFrame(frame);
  frame.surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!frame.surface) return false;
  frame.bands.assign((height + kBandRows - 1) / kBandRows, {});
  frame.threads = std::max(threads, 1);
  StartDrawWorkers(frame.workers, frame.threads - 1);
  return true;
}

void CloseCpuFrame(CpuFrame& frame) {
  FlushCpuFrame(frame);
  StopDrawWorkers(frame.workers);
  if (frame.surface) SDL_FreeSurface(frame.surface);
  frame.surface = nullptr;
  frame.bands.clear();
}

void RecordCommand(CpuFrame& frame, const FrameCommand& command, int top, int bottom) {
  if (!frame.surface) {
    if (command.glyphs) SDL_FreeSurface(command.glyphs);
    return;
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, frame.surface->h);
  if (command.glyphs) frame.ownedGlyphs.push_back(command.glyphs);
  if (top >= bottom) return;
  const auto index = static_cast<std::uint32_t>(frame.commands.size());
  frame.commands.push_back(command);
  for (int band = top / kBandRows; band <= (bottom - 1) / kBandRows; ++band) {
    frame.bands[band].push_back(index);
  }
}

void FlushCpuFrame(CpuFrame& frame) {
  if (!frame.commands.empty()) {
    std::atomic<int> next{0};
    const int bandCount = static_cast<int>(frame.bands.size());
    const std::function<void()> job = [&] {
      for (int band; (band = next.fetch_add(1, std::memory_order_relaxed)) < bandCount;) {
        const RowBand rows{band * kBandRows, std::min((band + 1) * kBandRows, frame.surface->h)};
        for (const std::uint32_t index : frame.bands[band]) {
          RunCommand(frame.surface, rows, frame.commands[index]);
        }
      }
    };
    RunOnAllWorkers(frame.workers, job);
    frame.commands.clear();
    for (auto& band : frame.bands) band.clear();
  }
  for (SDL_Surface* glyphs : frame.ownedGlyphs) SDL_FreeSurface(glyphs);
  frame.ownedGlyphs.clear();
}
