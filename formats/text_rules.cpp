#include "formats/text_rules.h"

#include <charconv>
#include <climits>
#include <cmath>

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string current;
  bool open = false;  // something was read since the last line end
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r' || c == '\0') {
      lines.push_back(std::move(current));
      current.clear();
      open = false;
      // CR LF is one line end. A lone CR ends a line as well; the byte after it is data, since
      // skipping it blindly would eat the first character of every line of a CR-only file.
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      current.push_back(c);
      open = true;
    }
  }
  if (open) lines.push_back(std::move(current));
  return lines;
}

std::string TrimBlanks(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

bool IsStrictInt(std::string_view text) {
  if (text.empty()) return false;
  int value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '-' && (text.size() < 2 || text[1] < '0' || text[1] > '9')) return false;
  auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

int ReadInt(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int ReadIntField(std::string_view text, int line, std::string_view what, ReadIssues* issues,
                 bool emptyIsBad) {
  const std::string value = TrimBlanks(text);
  if (issues) {
    if (value.empty()) {
      if (emptyIsBad) NoteIssue(issues, line, "empty " + std::string(what) + ", read as 0");
    } else if (!IsStrictInt(value)) {
      NoteIssue(issues, line,
                std::string(what) + " \"" + value + "\" is not an integer, read as " +
                    FormatInt(ReadInt(value)));
    }
  }
  return ReadInt(value);
}

namespace {

// Length of the plain decimal number at the start of `text` ("-12.5"), 0 when there is none.
size_t DecimalPrefix(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    size_t afterPoint = i + 1;
    size_t fraction = 0;
    while (afterPoint < text.size() && text[afterPoint] >= '0' && text[afterPoint] <= '9') {
      ++afterPoint;
      ++fraction;
    }
    if (digits + fraction > 0) return afterPoint;
  }
  return digits > 0 ? i : 0;
}

constexpr double kDecimalLimit = 1e9;

}  // namespace

bool IsStrictDecimal(std::string_view text) {
  if (text.empty() || text[0] == '+') return false;
  return DecimalPrefix(text) == text.size();
}

double ReadDecimal(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  std::string_view number(trimmed);
  number = number.substr(0, DecimalPrefix(number));
  if (number.empty()) return 0;
  bool negative = false;
  if (number[0] == '-' || number[0] == '+') {
    negative = number[0] == '-';
    number.remove_prefix(1);
  }
  double value = 0;
  auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::fixed);
  (void)end;
  if (error == std::errc::result_out_of_range)
    value = kDecimalLimit;
  else if (error != std::errc())
    value = 0;
  if (value > kDecimalLimit) value = kDecimalLimit;
  return negative ? -value : value;
}

double ReadDecimalField(std::string_view text, int line, std::string_view what, ReadIssues* issues,
                        bool emptyIsBad) {
  const std::string value = TrimBlanks(text);
  const double result = ReadDecimal(value);
  if (issues) {
    if (value.empty()) {
      if (emptyIsBad) NoteIssue(issues, line, "empty " + std::string(what) + ", read as 0");
    } else if (!IsStrictDecimal(value)) {
      NoteIssue(issues, line,
                std::string(what) + " \"" + value + "\" is not a decimal number, read as " +
                    FormatDecimal(result));
    }
  }
  return result;
}

std::string FormatInt(long long value) {
  return std::to_string(value);
}

std::string FormatDecimal(double value) {
  if (!std::isfinite(value)) return "0";
  char buffer[400];
  auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  const size_t point = text.find('.');
  if (point != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

std::string_view Columns(std::string_view line, int first, int last) {
  if (first < 1) first = 1;
  if (last < first) return {};
  const size_t start = static_cast<size_t>(first) - 1;
  if (start >= line.size()) return {};
  const size_t count = static_cast<size_t>(last) - static_cast<size_t>(first) + 1;
  return line.substr(start, count);
}

std::string Field(std::string_view line, int first, int last) {
  return TrimBlanks(Columns(line, first, last));
}

std::string_view ColumnsFrom(std::string_view line, int first) {
  if (first < 1) first = 1;
  const size_t start = static_cast<size_t>(first) - 1;
  if (start >= line.size()) return {};
  return line.substr(start);
}

std::string PadRight(std::string_view value, int width) {
  std::string text(value);
  if (width > 0 && text.size() < static_cast<size_t>(width)) text.resize(width, ' ');
  return text;
}

std::string PadLeft(std::string_view value, int width) {
  if (width <= 0 || value.size() >= static_cast<size_t>(width)) return std::string(value);
  return std::string(width - value.size(), ' ') + std::string(value);
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) AppendLine(out, line);
  return out;
}

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append(kLineEnd);
}
