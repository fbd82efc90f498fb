// Writes ENTRIES journal entries in the journal export format to standard
// output, for systemd-journal-remote to make a journal of: the messages of a
// busy system, twenty fields each and a different text every time, over one
// boot, with systemd-sleep's suspend and return after every 600th.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2 || std::atol(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: make-journal-export ENTRIES > FILE.export\n");
    return 2;
  }
  const long entries = std::atol(argv[1]);
  const char* const boot = "0123456789abcdef0123456789abcdef";
  const char* const names[] = {"kernel", "systemd", "NetworkManager", "gnome-shell", "sshd",
                               "cron",   "dbus",    "pipewire",       "firefox",     "Xorg"};
  std::mt19937 random(7);
  uint64_t usec = 1704067200ull * 1000000;  // 2024-01-01
  uint64_t monotonic = 0;
  long sleeps = 0;
  std::string out;
  for (long i = 0; i < entries; ++i) {
    usec += 1000 + random() % 30000000;
    monotonic += 1000;
    if (i % 600 == 599) {
      ++sleeps;
      for (const bool start : {true, false}) {
        out += "__REALTIME_TIMESTAMP=" + std::to_string(usec) +
               "\n__MONOTONIC_TIMESTAMP=" + std::to_string(monotonic) + "\n_BOOT_ID=" + boot +
               (start ? "\nMESSAGE_ID=6bbd95ee977941e497c48be27c254128\n"
                        "MESSAGE=Entering sleep state 'suspend'...\n"
                      : "\nMESSAGE_ID=8811e6df2a8e40f58a94cea26f8ebf14\n"
                        "MESSAGE=System returned from sleep state.\n") +
               "SLEEP=suspend\nPRIORITY=6\n_PID=" + std::to_string(100000 + sleeps) +
               "\nSYSLOG_IDENTIFIER=systemd-sleep\n_COMM=systemd-sleep\n\n";
        usec += start ? 1800000000ull : 1000;
        monotonic += 1000;
      }
    }
    const std::string name = names[i % 10];
    out += "__REALTIME_TIMESTAMP=" + std::to_string(usec) +
           "\n__MONOTONIC_TIMESTAMP=" + std::to_string(monotonic) + "\n_BOOT_ID=" + boot +
           "\nMESSAGE=" + name + " event " + std::to_string(i) + ": " +
           std::string(20 + random() % 180, 'x') +
           "\nPRIORITY=" + std::to_string(3 + random() % 5) +
           "\n_PID=" + std::to_string(100 + i % 5000) + "\nSYSLOG_IDENTIFIER=" + name +
           "\n_COMM=" + name + "\n_EXE=/usr/bin/" + name + "\n_CMDLINE=/usr/bin/" + name +
           " --flag " + std::to_string(i % 97) + "\n_SYSTEMD_UNIT=" + name +
           ".service\n_UID=" + std::to_string(i % 3) + "\n_GID=" + std::to_string(i % 3) +
           "\n_HOSTNAME=dorvex-bench\n_TRANSPORT=journal\nCODE_FILE=src/" + name +
           ".c\nCODE_LINE=" + std::to_string(i % 2000) + "\nCODE_FUNC=f" + std::to_string(i % 300) +
           "\n_SOURCE_REALTIME_TIMESTAMP=" + std::to_string(usec) + "\n\n";
    if (out.size() > (1 << 20)) {
      std::fwrite(out.data(), 1, out.size(), stdout);
      out.clear();
    }
  }
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fprintf(stderr, "make-journal-export: %ld entries, %ld sleeps\n", entries, sleeps);
  return 0;
}
