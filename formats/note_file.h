#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "formats/file_io.h"

// INI\<system>\Gruppen.txt and Waren.txt: the editor's two note boxes, stored exactly as typed
// (lines separated by CR LF, no line end after the last line).

inline constexpr std::string_view kGroupNotesFile = "Gruppen.txt";
inline constexpr std::string_view kGoodsNotesFile = "Waren.txt";

// The note text: the file's lines joined by CR LF (a final line end stays part of the text), so
// a file the editor wrote reads back byte-identical and LF-only files come out with CR LF.
std::string ReadNoteText(std::string_view bytes);

// The first editor's reading, kept for comparison: a file of exactly one line gains an empty
// second line (the text ends with CR LF).
std::string ReadNoteTextLegacy(std::string_view bytes);

// The bytes to write: the text itself.
std::string WriteNoteText(std::string_view text);

// No value when the file cannot be opened: the editor then keeps the box's text.
std::optional<std::string> LoadNoteText(const std::filesystem::path& path);
WriteResult SaveNoteText(const std::filesystem::path& path, std::string_view text);
