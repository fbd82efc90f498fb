#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

// Journal files written by systemd's own writer, systemd-journal-remote, from
// entries in the journal export format.
class TJournalExport {
 public:
  static constexpr const char* kBoot1 = "0123456789abcdef0123456789abcdef";
  static constexpr const char* kBoot2 = "fedcba9876543210fedcba9876543210";

  // An entry of systemd-sleep's; seconds since 1970 with microseconds.
  TJournalExport& Sleep(bool start, uint64_t seconds, const std::string& sleep = "suspend",
                        int pid = 700, int priority = 6, const std::string& boot = kBoot1,
                        uint64_t micro = 0) {
    return Entry(seconds, micro, boot,
                 std::string("MESSAGE_ID=") +
                     (start ? "6bbd95ee977941e497c48be27c254128\nMESSAGE=Entering sleep state '" +
                                  sleep + "'...\n"
                            : "8811e6df2a8e40f58a94cea26f8ebf14\nMESSAGE=System returned from "
                              "sleep state.\n") +
                     "SLEEP=" + sleep + "\nPRIORITY=" + std::to_string(priority) +
                     "\n_PID=" + std::to_string(pid) + "\nSYSLOG_IDENTIFIER=systemd-sleep\n");
  }
  // Any other entry: KEY=VALUE lines.
  TJournalExport& Entry(uint64_t seconds, uint64_t micro, const std::string& boot,
                        const std::string& fields) {
    text_ += "__REALTIME_TIMESTAMP=" + std::to_string(seconds * 1000000 + micro) +
             "\n__MONOTONIC_TIMESTAMP=" + std::to_string(++monotonic_ * 1000000) +
             "\n_BOOT_ID=" + boot + "\n" + fields + "\n";
    return *this;
  }
  // Writes the journal file `path` (it must end in .journal).
  void Write(const std::string& path) const {
    const std::string input = path + ".export";
    std::ofstream(input, std::ios::binary) << text_;
    const std::string command =
        std::string(DORVEX_JOURNAL_REMOTE) + " -o '" + path + "' - < '" + input + "' 2>/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

 private:
  std::string text_;
  uint64_t monotonic_ = 0;
};
