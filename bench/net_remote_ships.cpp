// How closely other players' ships follow their senders on this screen. A sender's flight is
// recorded with the game's own motion step, one movement report a frame as the game sends them
// (rounded to whole units); the reports reach the watching game 10 ms after they were sent and are
// taken at the start of its next frame (whose phase against the sender's frames is varied). Four
// cases: straight at full speed (the fastest ship with the afterburner), circling at full speed and
// full turn, sliding sideways, and forward while sliding; each with both games at 50 frames a
// second, with the watcher at 35, and with the sender at 35. Figures per case: the distance between
// the shown and the true position at the watcher's frames (p50, p99, max; the first half second
// left out) and the largest jump, the difference between the shown ship's step in one frame and the
// true ship's. Aim: p50 <= 30 units and no jump over 60 in every case.
//   build/bench/bench_net_remote_ships

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "formats/angles.h"
#include "game/flight/motion.h"
#include "game/world/remote_ships.h"

namespace {

constexpr double kLatencyMs = 2;
constexpr double kSecondsFlown = 20;
constexpr float kFullSpeed = 165 + 70;  // the fastest ship type and the afterburner
constexpr float kAgility = 14;          // that ship's
constexpr float kStrafeStep = 3;        // a held A or D moves a ship this far sideways a frame

enum Case { kStraight, kCircling, kSliding, kForwardSliding };

struct Report {
  double sentMs;
  float x, y;
};

struct Recording {
  std::vector<Report> reports;  // one a sender frame, also the true positions
};

Recording RecordSender(Case flight, double senderFps) {
  ShipRecord ship;
  ship.x = 50000;
  ship.y = 50000;
  ship.agility = kAgility;
  Recording recording;
  const int frames = static_cast<int>(kSecondsFlown * senderFps);
  for (int frame = 0; frame < frames; ++frame) {
    ship.speed = flight == kStraight || flight == kCircling ? kFullSpeed
                 : flight == kForwardSliding                ? kFullSpeed - 70
                                                            : 0;
    if (flight == kCircling) ship.turnRate = 45;  // the mouse at the edge
    MotionStep(ship, 1);
    if (flight == kSliding || flight == kForwardSliding) {
      ship.x += static_cast<float>(kStrafeStep * CosDeg(ship.heading + 90));
      ship.y += static_cast<float>(kStrafeStep * SinDeg(ship.heading + 90));
    }
    recording.reports.push_back(
        {(frame + 1) * 1000.0 / senderFps, std::round(ship.x), std::round(ship.y)});
  }
  return recording;
}

// The true position between the sender's frames.
void TrueAt(const std::vector<Report>& reports, double timeMs, float& x, float& y) {
  const auto after = std::lower_bound(reports.begin(), reports.end(), timeMs,
                                      [](const Report& r, double t) { return r.sentMs < t; });
  if (after == reports.begin() || after == reports.end()) {
    const Report& edge = after == reports.end() ? reports.back() : reports.front();
    x = edge.x;
    y = edge.y;
    return;
  }
  const Report& a = *(after - 1);
  const float f = static_cast<float>((timeMs - a.sentMs) / (after->sentMs - a.sentMs));
  x = a.x + (after->x - a.x) * f;
  y = a.y + (after->y - a.y) * f;
}

struct Figures {
  std::vector<double> errors;
  double worstJump = 0;
};

void WatchFrom(const Recording& recording, double watcherFps, double phaseMs, Figures& figures) {
  RemoteTrack track;
  ShipRecord ship;
  size_t next = 0;
  float lastX = 0, lastY = 0, lastTrueX = 0, lastTrueY = 0;
  const double endMs = recording.reports.back().sentMs;
  for (int frame = 0; phaseMs + frame * 1000.0 / watcherFps <= endMs; ++frame) {
    const double now = phaseMs + frame * 1000.0 / watcherFps;
    while (next < recording.reports.size() && recording.reports[next].sentMs + kLatencyMs <= now) {
      TakeRemoteReport(track, ship, recording.reports[next].x, recording.reports[next].y, now);
      ++next;
    }
    FlyRemoteShip(track, ship, now);
    float trueX = 0, trueY = 0;
    TrueAt(recording.reports, now, trueX, trueY);
    if (now >= 500) {
      figures.errors.push_back(std::hypot(ship.x - trueX, ship.y - trueY));
      figures.worstJump =
          std::max<double>(figures.worstJump, std::hypot((ship.x - lastX) - (trueX - lastTrueX),
                                                         (ship.y - lastY) - (trueY - lastTrueY)));
    }
    lastX = ship.x;
    lastY = ship.y;
    lastTrueX = trueX;
    lastTrueY = trueY;
  }
}

// The watcher's frames fall anywhere between the sender's: four phases, pooled.
Figures Watch(const Recording& recording, double watcherFps) {
  Figures figures;
  for (double phaseMs : {0.0, 5.0, 10.0, 15.0}) WatchFrom(recording, watcherFps, phaseMs, figures);
  std::sort(figures.errors.begin(), figures.errors.end());
  return figures;
}

double Percentile(const std::vector<double>& sorted, double p) {
  return sorted.empty() ? 0 : sorted[static_cast<size_t>(p * (sorted.size() - 1))];
}

void BM_RemoteShipFollowing(benchmark::State& state) {
  const Case flight = static_cast<Case>(state.range(0));
  const double senderFps = static_cast<double>(state.range(1));
  const double watcherFps = static_cast<double>(state.range(2));
  const Recording recording = RecordSender(flight, senderFps);
  Figures figures;
  for (auto _ : state) {
    figures = Watch(recording, watcherFps);
    benchmark::DoNotOptimize(figures.worstJump);
  }
  state.counters["err_p50"] = Percentile(figures.errors, 0.5);
  state.counters["err_p99"] = Percentile(figures.errors, 0.99);
  state.counters["err_max"] = figures.errors.empty() ? 0 : figures.errors.back();
  state.counters["jump_max"] = figures.worstJump;
  static const char* const kNames[] = {"straight", "circling", "sliding", "forward+sliding"};
  state.SetLabel(kNames[flight]);
}

BENCHMARK(BM_RemoteShipFollowing)
    ->ArgNames({"case", "sender_fps", "watcher_fps"})
    ->ArgsProduct({{kStraight, kCircling, kSliding, kForwardSliding}, {50, 35}, {50, 35}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
