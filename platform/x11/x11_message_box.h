#pragma once

#include <string>

#include "ui/platform.h"

namespace x11 {

// A modal message box built from the toolkit's own window: icon, text and one OK
// button. Without an application the message goes to standard error.
void ShowMessageForm(const std::string& text, const std::string& title, TMessageBoxIcon icon);

}  // namespace x11
