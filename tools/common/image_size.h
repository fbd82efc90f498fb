#pragma once

#include <cstdint>
#include <string>

// Empty when a picture of width x height pixels is small enough to make,
// else why not: the tools refuse anything over gfx::kMaxImagePixels before
// drawing it. Sizes of 0 or less are the caller's to refuse.
std::string ImageSizeProblem(int64_t width, int64_t height);
