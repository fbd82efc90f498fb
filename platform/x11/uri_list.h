#pragma once

#include <string>
#include <vector>

namespace x11 {

// The local files of a text/uri-list (RFC 2483), as a file manager hands them
// over in a drop: one URI a line, lines ending in CR LF (a bare LF is taken
// too), '#' lines comments. Only file: URIs whose host is empty, "localhost"
// or `hostName` name a file here; their %XX escapes are decoded. Paths with a
// NUL, or that are not absolute, are left out.
std::vector<std::string> LocalFilesOfUriList(const std::string& list, const std::string& hostName);

}  // namespace x11
