// A fresh folder under the system's temporary folder, removed with everything in it at the end.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <random>
#include <string_view>

namespace ej::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("ej_test_" + std::to_string(std::random_device{}()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // Writes `bytes` to the relative path, creating the folders on the way.
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
  }

  std::filesystem::path MakeFolder(const std::filesystem::path& relative) const {
    std::filesystem::create_directories(path_ / relative);
    return path_ / relative;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace ej::testing
