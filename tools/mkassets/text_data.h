#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The repository keeps the data as UTF-8 text with LF line ends so that it can be edited and
// reviewed; the game reads Latin-1 bytes with CR LF. Column widths count characters, so an
// aligned UTF-8 source stays aligned after conversion.

// Converts one text: every LF (or CR LF) becomes CR LF and every character one Latin-1 byte; a
// missing final line end stays missing. A leading byte order mark is dropped. Throws
// std::runtime_error naming `label` and the line when a character has no Latin-1 form or the
// UTF-8 is malformed.
std::string ConvertDataText(std::string_view utf8, std::string_view label);

// Converts every file under dataDir/INI and dataDir/TXT into gameDir/INI and gameDir/TXT (file
// names stay UTF-8). Files already in the game folder that the data does not have are kept: the
// system editor may have written them. Returns the number of files converted.
int ConvertDataTree(const std::filesystem::path& dataDir, const std::filesystem::path& gameDir);
