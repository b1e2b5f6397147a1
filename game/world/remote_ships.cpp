#include "game/world/remote_ships.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// The span of reports the motion is measured over: long enough to even out the arrival, short
// enough to follow a turn or a change of speed.
constexpr double kMotionWindowMs = 100;
// The span the sender's frame time is measured over, and its value until it is measured (the
// game's 50 frames a second).
constexpr double kFrameWindowMs = 500;
constexpr double kDefaultFrameMs = 20;
// A report is taken as at most this old when it arrives (after a pause in the reports).
constexpr double kOldestReportMs = 25;
// Faster turns than this (radians a millisecond; ships turn at most about a fifth of this) are
// measuring errors.
constexpr double kFastestTurnPerMs = 0.03;
// A ship whose reports have stopped (it stopped, or they are late) is not carried on further.
constexpr double kLongestGuessMs = 150;
// How fast a correction fades: about two thirds in this time (a few frames).
constexpr double kBlendMs = 50;
// A report is a few milliseconds old when a frame takes it (the way through the server, the wait
// for the frame) even when it arrived last: the ship is shown that much further on.
constexpr double kLeadMs = 5;
// The samples kept at most (a flood of reports in one frame cannot grow a track).
constexpr size_t kMostSamples = 64;

struct Point {
  float x = 0;
  float y = 0;
};

// The newest report advanced by the measured motion: the velocity, which stands for the middle
// of the window, turned on at the measured rate (a circling ship stays on its circle).
Point Predicted(const RemoteTrack& track, double timeMs) {
  const RemoteSample& last = track.samples.back();
  const double ahead = std::clamp(timeMs - last.timeMs, -kLongestGuessMs, kLongestGuessMs);
  const double turn = track.turnPerMs * (track.velocitySpanMs / 2 + ahead / 2);
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  const double vx = track.velocityX * c - track.velocityY * s;
  const double vy = track.velocityX * s + track.velocityY * c;
  return {last.x + static_cast<float>(vx * ahead), last.y + static_cast<float>(vy * ahead)};
}

// How fast the direction of motion turns: between the velocities of the window's two halves.
double MeasureTurn(const std::vector<RemoteSample>& samples) {
  if (samples.size() < 3) return 0;
  const RemoteSample& a = samples.front();
  const RemoteSample& m = samples[samples.size() / 2];
  const RemoteSample& b = samples.back();
  if (m.timeMs - a.timeMs <= 0 || b.timeMs - m.timeMs <= 0) return 0;
  const double first = std::atan2(m.y - a.y, m.x - a.x);
  const double second = std::atan2(b.y - m.y, b.x - m.x);
  if (std::hypot(m.x - a.x, m.y - a.y) < 2 || std::hypot(b.x - m.x, b.y - m.y) < 2) return 0;
  double change = std::remainder(second - first, 2 * 3.14159265358979);
  const double perMs = change / ((b.timeMs - a.timeMs) / 2);
  return std::clamp(perMs, -kFastestTurnPerMs, kFastestTurnPerMs);
}

// The sender reports once a frame while his ship moves, so the reports' spacing on the sender's
// clock is his frame time, measured over the recent arrivals.
double SenderFrameMs(const RemoteTrack& track) {
  const std::vector<RemoteArrival>& arrivals = track.arrivals;
  if (arrivals.size() < 5) return kDefaultFrameMs;
  const double span = arrivals.back().timeMs - arrivals.front().timeMs;
  const double reports = static_cast<double>(arrivals.back().number - arrivals.front().number);
  return std::clamp(span / reports, 5.0, 100.0);
}

// Reports come in batches, a frame's worth at a time. A report was sent no later than it
// arrived, and a sender frame after the one before it: its time is the latest that fits every
// recent arrival, and not much earlier than its own.
double ReportTime(const RemoteTrack& track, double nowMs) {
  const double frameMs = SenderFrameMs(track);
  double latest = nowMs;
  for (const RemoteArrival& arrival : track.arrivals) {
    latest = std::min(
        latest, arrival.timeMs + static_cast<double>(track.reports - arrival.number) * frameMs);
  }
  return std::max(latest, nowMs - kOldestReportMs);
}

void MeasureMotion(RemoteTrack& track) {
  std::vector<RemoteSample>& samples = track.samples;
  const double newest = samples.back().timeMs;
  while (samples.size() > 2 && newest - samples[1].timeMs >= kMotionWindowMs) {
    samples.erase(samples.begin());
  }
  if (samples.size() > kMostSamples) samples.erase(samples.begin());
  if (samples.size() >= 2 && newest - samples.front().timeMs > 4 * kMotionWindowMs) {
    samples.erase(samples.begin(), samples.end() - 1);  // it had stood still: start afresh
  }
  const RemoteSample& oldest = samples.front();
  const double span = newest - oldest.timeMs;
  if (span <= 0) {
    if (samples.size() < 2) track.velocityX = track.velocityY = 0;
    return;
  }
  track.velocityX = static_cast<float>((samples.back().x - oldest.x) / span);
  track.velocityY = static_cast<float>((samples.back().y - oldest.y) / span);
  track.velocitySpanMs = span;
  track.turnPerMs = MeasureTurn(samples);
}

void NoteArrival(RemoteTrack& track, double nowMs) {
  track.arrivals.push_back({track.reports, nowMs});
  while (track.arrivals.size() > kMostSamples ||
         (track.arrivals.size() > 1 && nowMs - track.arrivals.front().timeMs > kFrameWindowMs)) {
    track.arrivals.erase(track.arrivals.begin());
  }
}

}  // namespace

double RemoteClockMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void TakeRemoteReport(RemoteTrack& track, ShipRecord& ship, float x, float y, double nowMs) {
  if (!track.placed || std::hypot(ship.x - x, ship.y - y) > kRemoteJumpDistance) {
    track = RemoteTrack{};
    track.placed = true;
    track.samples.push_back({nowMs, x, y});
    track.arrivals.push_back({0, nowMs});
    track.shownAtMs = nowMs;
    ship.x = x;
    ship.y = y;
    return;
  }
  ++track.reports;
  const double reportTime = ReportTime(track, nowMs);
  NoteArrival(track, nowMs);
  track.samples.push_back({reportTime, x, y});
  MeasureMotion(track);
  // The ship stays where it is shown; the difference to the new prediction fades from here.
  const Point then = Predicted(track, track.shownAtMs + kLeadMs);
  track.offsetX = ship.x - then.x;
  track.offsetY = ship.y - then.y;
}

void FlyRemoteShip(RemoteTrack& track, ShipRecord& ship, double nowMs) {
  if (!track.placed) return;
  const double elapsed = std::max(0.0, nowMs - track.shownAtMs);
  const float fade = static_cast<float>(std::exp(-elapsed / kBlendMs));
  track.offsetX *= fade;
  track.offsetY *= fade;
  track.shownAtMs = nowMs;
  const Point now = Predicted(track, nowMs + kLeadMs);
  ship.x = now.x + track.offsetX;
  ship.y = now.y + track.offsetY;
}
