#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh folder per test, removed again afterwards.
struct TempFolder {
  std::filesystem::path path;

  TempFolder() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    path = std::filesystem::path(testing::TempDir()) /
           ("velmarith-" + std::string(test->test_suite_name()) + "-" + test->name());
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};
