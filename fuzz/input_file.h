#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// For readers that take a path: each input is written to one file in a folder
// of this process's own, under TMPDIR.
class FuzzInputFile {
 public:
  explicit FuzzInputFile(const std::string& fileName = "input") {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/fuzz.XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    folder_ = pattern;
    path_ = folder_ + "/" + fileName;
  }
  ~FuzzInputFile() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  FuzzInputFile(const FuzzInputFile&) = delete;
  FuzzInputFile& operator=(const FuzzInputFile&) = delete;

  const std::string& Write(const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path_.c_str(), "wb");
    if (f == nullptr || std::fwrite(data, 1, size, f) != size || std::fclose(f) != 0) {
      std::perror(path_.c_str());
      std::abort();
    }
    return path_;
  }
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::string path_;
};
