#include "formats/file_io.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  in.seekg(0, std::ios::beg);
  if (size > 0) bytes.reserve(static_cast<size_t>(size));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

namespace {

WriteResult Failure(const std::string& what, const std::filesystem::path& path, int error) {
  return {false, what + " " + path.string() + ": " + std::strerror(error)};
}

// Writes and flushes the bytes to disk; false with errno set on failure.
bool WriteAndSync(std::FILE* file, std::string_view bytes) {
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
    return false;
  }
  if (std::fflush(file) != 0) return false;
  return fsync(fileno(file)) == 0;
}

}  // namespace

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  return WriteFileAtomically(path, bytes, {});
}

WriteResult WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                const std::function<void()>& beforeRename) {
  StagedFile staged;
  const WriteResult written = StageFile(path, bytes, staged);
  if (!written.ok) return written;
  if (beforeRename) beforeRename();
  return CommitStagedFile(staged);
}

WriteResult StageFile(const std::filesystem::path& path, std::string_view bytes,
                      StagedFile& staged) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temporary = path;
  temporary += ".tmp" + std::to_string(getpid()) + "-" + std::to_string(counter++);

  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return Failure("cannot create", temporary, errno);
  const bool written = WriteAndSync(file, bytes);
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written) {
    const int error = written ? errno : writeError;
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return Failure("cannot write", temporary, error);
  }
  staged = {path, temporary};
  return {};
}

WriteResult CommitStagedFile(const StagedFile& staged) {
  std::error_code renameError;
  std::filesystem::rename(staged.temporary, staged.path, renameError);
  if (renameError) {
    DiscardStagedFile(staged);
    return {false, "cannot replace " + staged.path.string() + ": " + renameError.message()};
  }
  return {};
}

void DiscardStagedFile(const StagedFile& staged) {
  std::error_code ignored;
  std::filesystem::remove(staged.temporary, ignored);
}

namespace {

// The writing process of a temporary's name "<file>.tmp<pid>-<n>", or 0 when the name is none.
long TemporaryOwner(const std::string& name) {
  const size_t mark = name.rfind(".tmp");
  if (mark == std::string::npos) return 0;
  const size_t dash = name.find('-', mark);
  if (dash == std::string::npos || dash == mark + 4 || dash + 1 == name.size()) return 0;
  for (size_t i = mark + 4; i < name.size(); ++i) {
    if (i != dash && (name[i] < '0' || name[i] > '9')) return 0;
  }
  if (dash - mark - 4 > 9) return 0;
  return std::stol(name.substr(mark + 4, dash - mark - 4));
}

bool ProcessGone(long pid) {
  return pid != getpid() && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

int RemoveAbandonedTemporaries(const std::filesystem::path& folder) {
  int removed = 0;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (!entry.is_regular_file(error)) continue;
    const long owner = TemporaryOwner(entry.path().filename().string());
    if (owner <= 0 || !ProcessGone(owner)) continue;
    if (std::filesystem::remove(entry.path(), error)) removed += 1;
  }
  return removed;
}

WriteResult EnsureFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder)) {
    return {false, "cannot create folder " + folder.string() + ": " +
                       (error ? error.message() : std::string("a file of that name exists"))};
  }
  return {};
}

WriteResult AppendToFile(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  if (!file) return Failure("cannot open", path, errno);
  const bool written = WriteAndSync(file, bytes);
  const int writeError = errno;
  if (std::fclose(file) != 0 || !written) {
    return Failure("cannot append to", path, written ? errno : writeError);
  }
  return {};
}
