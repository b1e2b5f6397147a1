#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Data files and the game's texts are Latin-1 bytes; the file system and the repository's
// authored data are UTF-8.

// Every byte becomes the code point of the same value.
std::string Latin1ToUtf8(std::string_view latin1);

// Code points up to U+00FF become one byte each. A character outside Latin-1 or a malformed UTF-8
// sequence becomes "?" and clears *exact (when given), so a caller can refuse the text.
std::string Utf8ToLatin1(std::string_view utf8, bool* exact = nullptr);

// Maps a path as the data speaks it ("INI\Universum.ini", Latin-1 bytes, "\" or "/" between the
// parts) to a path under `root`: the parts become UTF-8 file names. Empty parts, "." and ".."
// are dropped, so a data path never leaves the root.
std::filesystem::path DataPath(const std::filesystem::path& root, std::string_view dataPath);

// The repository keeps the data as UTF-8 text with LF line ends so that it can be edited and
// reviewed; the game reads Latin-1 bytes with CR LF. Converts one such text: every LF (or CR LF)
// becomes CR LF and every character one Latin-1 byte; a missing final line end stays missing and
// a leading byte order mark is dropped. A character without a Latin-1 form or malformed UTF-8
// gives an empty text and `*problem` = "<line>: <what>".
std::string GameTextFromRepository(std::string_view utf8, std::string* problem);
