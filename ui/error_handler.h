#pragma once

#include <string>

// The text the general error handler shows: the message, with a full stop appended
// when its last character sorts after ".".
std::string ErrorMessageText(const std::string& message);

// The application title: the program file's name without its directory and without
// everything from its first "." on, first character kept, the rest in lower case.
std::string TitleFromProgramPath(const std::string& path);
