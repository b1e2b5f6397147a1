#pragma once

#include <map>
#include <string>
#include <vector>

// Keeps one address from filling the log: each address may write `linesPerInterval` lines per
// interval; what it would write beyond is counted and told in one summary line.
struct AddressLogCount {
  double intervalStart = 0;
  int lines = 0;
  int suppressed = 0;
};

struct LogLimiter {
  double intervalSeconds = 10;
  int linesPerInterval = 20;
  std::map<std::string, AddressLogCount> addresses;
};

// True when a line for `address` may be written at `now`; otherwise the line is counted.
// `summary` receives the summary of a finished interval that must be written first, if any.
bool AllowLogLine(LogLimiter& limiter, const std::string& address, double now,
                  std::string& summary);

// Summaries of finished intervals, and forgets addresses that have been quiet for one.
std::vector<std::string> TakeLogSummaries(LogLimiter& limiter, double now);
