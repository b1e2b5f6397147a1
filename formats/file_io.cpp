#include "formats/file_io.h"

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
  if (beforeRename) beforeRename();
  std::error_code renameError;
  std::filesystem::rename(temporary, path, renameError);
  if (renameError) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return {false, "cannot replace " + path.string() + ": " + renameError.message()};
  }
  return {};
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
