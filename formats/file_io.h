#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Reads a whole file as bytes. A file that is missing or cannot be opened (a folder, no
// permission) gives no data: missing data files yield empty data, they are not errors.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// The outcome of a write. On failure `message` says what went wrong and where.
struct WriteResult {
  bool ok = true;
  std::string message;
};

// Replaces a file atomically: the bytes go to a temporary file in the same folder, which is
// flushed and then renamed over the old file, so a reader sees the old or the new file, never
// half of one. The folder must exist.
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Creates a folder and its parents; an existing folder is fine.
WriteResult EnsureFolder(const std::filesystem::path& folder);

// Appends bytes at the end of a file, creating it when missing.
WriteResult AppendToFile(const std::filesystem::path& path, std::string_view bytes);
