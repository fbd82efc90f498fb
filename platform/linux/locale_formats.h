#pragma once

#include <optional>
#include <string>

// A strftime format (as LC_TIME gives it) in the picture model; nothing when it
// uses a conversion the picture model cannot show.
std::optional<std::string> PictureFromStrftime(const std::string& format);
