#pragma once

#include <filesystem>
#include <functional>
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
// The same, calling `beforeRename` once the temporary file is whole and flushed, just before the
// rename (tests stop a write there, as a kill at that moment would).
WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                const std::function<void()>& beforeRename);

// The two halves of an atomic replace, for a writer of several files that must replace them all or
// none: StageFile writes the bytes to a flushed temporary file beside `path` (named as
// RemoveAbandonedTemporaries recognises it; a failed stage leaves none), CommitStagedFile renames
// it over `path`, DiscardStagedFile removes it instead.
struct StagedFile {
  std::filesystem::path path;
  std::filesystem::path temporary;
};
WriteResult StageFile(const std::filesystem::path& path, std::string_view bytes,
                      StagedFile& staged);
// On failure the temporary is removed and `path` is left as it was.
WriteResult CommitStagedFile(const StagedFile& staged);
void DiscardStagedFile(const StagedFile& staged);

// Removes the temporary files that atomic writes of processes no longer running left in the
// folder (a game killed between writing and renaming); a running process's are kept. Gives how
// many were removed.
int RemoveAbandonedTemporaries(const std::filesystem::path& folder);

// Creates a folder and its parents; an existing folder is fine.
WriteResult EnsureFolder(const std::filesystem::path& folder);

// Appends bytes at the end of a file, creating it when missing.
WriteResult AppendToFile(const std::filesystem::path& path, std::string_view bytes);
