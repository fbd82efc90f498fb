#include "platform/linux/locale_formats.h"

#include <cctype>

namespace {

const char* PictureFor(char conversion) {
  switch (conversion) {
    case 'Y':
      return "yyyy";
    case 'y':
      return "yy";
    case 'm':
      return "MM";
    case 'd':
      return "dd";
    case 'e':
      return "d";
    case 'b':
    case 'h':
      return "MMM";
    case 'B':
      return "MMMM";
    case 'a':
      return "ddd";
    case 'A':
      return "dddd";
    case 'H':
      return "HH";
    case 'k':
      return "H";
    case 'I':
      return "hh";
    case 'l':
      return "h";
    case 'M':
      return "mm";
    case 'S':
      return "ss";
    case 'p':
    case 'P':
      return "tt";
    case 'D':
      return "MM/dd/yy";
    case 'F':
      return "yyyy-MM-dd";
    case 'T':
      return "HH:mm:ss";
    case 'R':
      return "HH:mm";
    case 'r':
      return "hh:mm:ss tt";
    case 'n':
    case 't':
      return " ";
    default:
      return nullptr;
  }
}

}  // namespace

std::optional<std::string> PictureFromStrftime(const std::string& format) {
  std::string picture, literal;
  auto flush = [&] {
    if (literal.empty()) {
      return;
    }
    std::string quoted;
    for (char c : literal) {
      quoted += c == '\'' ? "''" : std::string(1, c);
    }
    picture += "'" + quoted + "'";
    literal.clear();
  };
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c != '%') {
      // Letters would read as picture elements; everything else stands as it is.
      if (std::isalpha(static_cast<unsigned char>(c)) || c == '\'') {
        literal += c;
      } else {
        flush();
        picture += c;
      }
      continue;
    }
    if (++i == format.size()) {
      return std::nullopt;
    }
    char conversion = format[i];
    bool unpadded = false;
    // Flags and the E/O modifiers change nothing the picture model can show.
    while ((conversion == '-' || conversion == '_' || conversion == '0' || conversion == '^' ||
            conversion == '#' || conversion == 'E' || conversion == 'O') &&
           i + 1 < format.size()) {
      unpadded = unpadded || conversion == '-';
      conversion = format[++i];
    }
    if (conversion == '%') {
      flush();
      picture += '%';
      continue;
    }
    const char* element = PictureFor(conversion);
    if (!element) {
      return std::nullopt;
    }
    flush();
    const std::string text = element;
    // "%-d" drops the padding: "dd" becomes "d".
    const bool padded = text.size() == 2 && text[0] == text[1] && text != "yy";
    picture += unpadded && padded ? text.substr(1) : text;
  }
  flush();
  return picture;
}
