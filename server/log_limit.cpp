#include "server/log_limit.h"

namespace {

std::string Summary(const std::string& address, const AddressLogCount& count, double seconds) {
  return "[" + address + "] " + std::to_string(count.suppressed) + " more log lines in " +
         std::to_string(static_cast<int>(seconds)) + " s not written";
}

}  // namespace

bool AllowLogLine(LogLimiter& limiter, const std::string& address, double now,
                  std::string& summary) {
  summary.clear();
  AddressLogCount& count = limiter.addresses[address];
  if (now - count.intervalStart >= limiter.intervalSeconds) {
    if (count.suppressed > 0) summary = Summary(address, count, limiter.intervalSeconds);
    count = {now, 0, 0};
  }
  if (count.lines >= limiter.linesPerInterval) {
    ++count.suppressed;
    return false;
  }
  ++count.lines;
  return true;
}

std::vector<std::string> TakeLogSummaries(LogLimiter& limiter, double now) {
  std::vector<std::string> summaries;
  for (auto it = limiter.addresses.begin(); it != limiter.addresses.end();) {
    AddressLogCount& count = it->second;
    if (now - count.intervalStart < limiter.intervalSeconds) {
      ++it;
      continue;
    }
    if (count.suppressed > 0)
      summaries.push_back(Summary(it->first, count, limiter.intervalSeconds));
    it = limiter.addresses.erase(it);
  }
  return summaries;
}
