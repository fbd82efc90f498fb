#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

// A folder of the test's own under the system's temporary folder, so that
// test runs side by side never share a file; removed with its contents.
class TTempFolder {
 public:
  TTempFolder() {
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0;; ++attempt) {
      const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
      path_ = base / ("dorvex-test-" + std::to_string(random()) + "-" + std::to_string(tick) + "-" +
                      std::to_string(attempt));
      if (std::filesystem::create_directory(path_)) {
        break;
      }
    }
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  std::string Path(const std::string& name) const { return (path_ / name).string(); }
  std::string Folder() const { return path_.string(); }
  // Writes the bytes to the named file; returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return Path(name);
  }

 private:
  std::filesystem::path path_;
};
