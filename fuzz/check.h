#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A property a target expects of every input; scripts/fuzz.sh reports the
// first failed one.
inline void FuzzCheck(bool ok, const char* what, const std::string& detail = {}) {
  if (!ok) {
    std::fprintf(stderr, "fuzz check failed: %s%s%s\n", what, detail.empty() ? "" : ": ",
                 detail.c_str());
    std::abort();
  }
}
