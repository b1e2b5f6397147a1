#pragma once

// The CPU-drawn frame: draws to the screen are recorded in order and carried out when the frame
// is needed (shown, read, or a picture they use is about to change), in bands of rows on every
// drawing thread. Each band carries out every command that touches it, in order, within its rows,
// so the frame comes out the same on one thread or many.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

#include "game/media/draw_workers.h"
#include "game/media/soft_image.h"

struct Picture;

struct FrameCommand {
  enum class Kind : std::uint8_t { kClear, kBlit, kFill, kLine, kGlyphs, kQuad, kSplat };
  Kind kind = Kind::kClear;
  bool keyed = false;     // blit
  bool additive = false;  // quad
  bool filtered = true;   // quad
  int colour = 0;         // clear, fill, line
  int alpha = 255;        // quad, splat
  SDL_Rect rect{};        // fill: the box; blit: the source; line: x1, y1, x2, y2
  int x = 0, y = 0;       // blit, glyphs, splat
  const Picture* picture = nullptr;
  SDL_Surface* glyphs = nullptr;
  const SoftImage* image = nullptr;
  const Splat* splat = nullptr;
  std::array<SDL_FPoint, 4> corners{};
};

struct CpuFrame {
  SDL_Surface* surface = nullptr;  // ARGB8888, the frame itself
  std::vector<FrameCommand> commands;
  std::vector<std::vector<std::uint32_t>> bands;  // the commands touching each band, in order
  std::vector<SDL_Surface*> ownedGlyphs;          // freed after the commands ran
  DrawWorkers workers;
  int threads = 1;
  std::size_t splatBytes = 0;  // made since the splats were last dropped
};

constexpr int kBandRows = 32;

bool OpenCpuFrame(CpuFrame& frame, int width, int height, int threads);
void CloseCpuFrame(CpuFrame& frame);

// Appends a command that touches the rows [top, bottom) (clipped to the frame).
void RecordCommand(CpuFrame& frame, const FrameCommand& command, int top, int bottom);

// Carries out the recorded commands and empties the record.
void FlushCpuFrame(CpuFrame& frame);
