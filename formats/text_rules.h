#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"

// The line and field rules that every data file shares. Text is Latin-1 bytes throughout.

// The line end every writer puts after every line.
inline constexpr std::string_view kLineEnd = "\r\n";

// Splits bytes into lines: a line ends at LF, at CR LF, at a lone CR, at NUL or at the end of the
// data. A final line end gives no extra empty line; empty data gives no line at all.
std::vector<std::string> SplitLines(std::string_view bytes);

// Removes leading and trailing blanks (the space character only, not tabs).
std::string TrimBlanks(std::string_view text);

// True when the text is exactly the integer form: decimal digits with an optional leading "-",
// nothing else (no blanks, no "+", no point), and fits into an int.
bool IsStrictInt(std::string_view text);

// The game's lenient integer reading, used for every integer field: blanks are trimmed, an
// optional sign and the leading digits are taken, the rest is ignored; no digits gives 0 and a
// value outside the int range saturates. The strict form reads to the same value.
int ReadInt(std::string_view text);

// As ReadInt, and notes an issue at `line` when the trimmed text is not the strict form. `what`
// names the field in the message. An empty field counts as a bad form only when `emptyIsBad`.
int ReadIntField(std::string_view text, int line, std::string_view what, ReadIssues* issues,
                 bool emptyIsBad = true);

// True when the text is a plain decimal number: optional "-", digits, optional "." and digits,
// at least one digit, nothing else.
bool IsStrictDecimal(std::string_view text);

// Lenient decimal reading: blanks trimmed, the longest leading plain decimal number is taken
// ("1.5x" -> 1.5); no number gives 0; magnitudes are clamped to +-1e9 so that every value read
// can be rounded to an int.
double ReadDecimal(std::string_view text);

// As ReadDecimal, and notes an issue when the trimmed text is not the strict decimal form.
double ReadDecimalField(std::string_view text, int line, std::string_view what, ReadIssues* issues,
                        bool emptyIsBad = true);

// The integer form: "-12", "0".
std::string FormatInt(long long value);

// The shortest decimal form with at most six decimals: no trailing zeros, whole numbers without a
// point, never "-0" (0, 1.5, -0.25). A value that is not finite is written as 0.
std::string FormatDecimal(double value);

// Characters `first`..`last` (1-based, inclusive) of a line; what lies beyond the line's end is
// missing, so a short line gives a shorter or empty text.
std::string_view Columns(std::string_view line, int first, int last);

// Columns(...) trimmed of blanks: the value of a fixed-width field.
std::string Field(std::string_view line, int first, int last);

// Characters from `first` (1-based) to the end of the line.
std::string_view ColumnsFrom(std::string_view line, int first);

// Left-aligned fixed-width field: the value padded with blanks to `width`; a value as long as the
// width or longer is returned whole.
std::string PadRight(std::string_view value, int width);

// Right-aligned fixed-width field: blanks before the value; a longer value is returned whole.
std::string PadLeft(std::string_view value, int width);

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Appends one line and its CR LF.
void AppendLine(std::string& out, std::string_view line);
