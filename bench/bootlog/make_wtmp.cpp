// Writes a login accounting file of BOOTS boots in time order, the way a
// system with one login per boot leaves it: boot, run level, login, logout,
// shutdown (the newest boot is still running).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr size_t kRecordSize = 384;

void Put(std::vector<char>& out, short type, int32_t pid, const char* line, const char* id,
         const char* user, const char* host, int32_t seconds) {
  char r[kRecordSize] = {};
  std::memcpy(r + 0, &type, 2);
  std::memcpy(r + 4, &pid, 4);
  std::strncpy(r + 8, line, 32);
  std::strncpy(r + 40, id, 4);
  std::strncpy(r + 44, user, 32);
  std::strncpy(r + 76, host, 256);
  std::memcpy(r + 340, &seconds, 4);
  out.insert(out.end(), r, r + kRecordSize);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atol(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: make-wtmp BOOTS FILE\n");
    return 2;
  }
  const long boots = std::atol(argv[1]);
  std::FILE* file = std::fopen(argv[2], "wb");
  if (!file) {
    std::perror(argv[2]);
    return 1;
  }
  const char* kernel = "6.1.0-18-amd64";
  std::vector<char> block;
  int32_t t = 1700000000 - static_cast<int32_t>(boots) * 86400;
  for (long b = 0; b < boots; ++b, t += 86400) {
    block.clear();
    Put(block, 2, 0, "~", "~~", "reboot", kernel, t);
    Put(block, 1, 53, "~", "~~", "runlevel", kernel, t + 20);
    Put(block, 7, 1000 + static_cast<int32_t>(b % 30000), "pts/0", "ts/0", b % 3 ? "zhang" : "li",
        "192.168.1.20", t + 600);
    Put(block, 8, 1000 + static_cast<int32_t>(b % 30000), "pts/0", "ts/0", "", "", t + 7800);
    if (b + 1 < boots) {
      Put(block, 1, 48, "~", "~~", "shutdown", kernel, t + 36000);
    }
    if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) {
      std::perror(argv[2]);
      return 1;
    }
  }
  return std::fclose(file) == 0 ? 0 : 1;
}
