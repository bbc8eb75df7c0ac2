#pragma once
// A fresh folder per test, removed afterwards. Shared by the tests of every folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace qvt::testing {

class TempDir {
 public:
  TempDir() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "qvt";
    for (char& ch : name)
      if (ch == '/') ch = '_';
    path_ = std::filesystem::temp_directory_path() /
            ("qvt_" + std::to_string(::getpid()) + "_" + name);
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace qvt::testing
