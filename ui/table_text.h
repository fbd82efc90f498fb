#pragma once

#include <span>
#include <string>

// Rows of a table as text for other programs: the clipboard and the tools'
// exports. Each function appends one line, its line break included.

// Copied text carries the line breaks of the platform's own edit boxes.
#ifdef _WIN32
inline constexpr const char* kLineBreak = "\r\n";
#else
inline constexpr const char* kLineBreak = "\n";
#endif

// Cells between tabs, as spreadsheets paste them; a tab or line break inside
// a cell becomes a blank.
void AppendTabSeparated(std::string& out, std::span<const std::string> cells,
                        const char* lineBreak = kLineBreak);
// RFC 4180: a cell holding a comma, a quote or a line break is quoted, its
// quotes doubled; lines end in CR LF.
void AppendCommaSeparated(std::string& out, std::span<const std::string> cells);
