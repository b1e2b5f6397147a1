#pragma once

#include <string>

// The orders queue of a computer ship (and of another player's ship): 25-character records, the
// world x and y right-aligned in 10 characters each, then the waypoint kind right-aligned in 5.
// The head of the queue is the first record.

inline constexpr int kWaypointRecordWidth = 25;

struct QueuedWaypoint {
  int x = 0;
  int y = 0;
  int kind = 0;  // 1 appear + undock, 2 fly to, 3 dock, 4 dock + disappear
};

std::string WaypointRecord(int x, int y, int kind);

// The first record; false when the queue is empty. A short rest reads as far as it goes.
bool HeadWaypoint(const std::string& orders, QueuedWaypoint& head);

// Removes the first 25 characters (all of a shorter rest).
void DropHeadWaypoint(std::string& orders);
