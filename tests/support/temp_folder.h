#pragma once

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// A fresh, empty folder for a test, removed again with everything in it when it goes out of
// scope: the one scratch-folder helper of every suite. Its name carries the label, the process id
// and a counter, so tests running side by side in several processes never share a folder.
struct TempFolder {
  std::filesystem::path path;

  explicit TempFolder(std::string_view label = "test") {
    static std::atomic<int> counter{0};
    path = std::filesystem::temp_directory_path() /
           ("velmarith-" + std::string(label) + "-" + std::to_string(::getpid()) + "-" +
            std::to_string(counter++));
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
};
