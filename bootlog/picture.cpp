#include "bootlog/picture.h"

const char* const kShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kLongMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
const char* const kShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kLongDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

namespace {

using K = TPictureToken::Kind;

// Kind for a run of `count` equal letters, or Literal for letters that carry no field.
K KindFor(char c, size_t count) {
  switch (c) {
    case 'd':
      return count == 1 ? K::Day : count == 2 ? K::Day2 : count == 3 ? K::DayName : K::DayLongName;
    case 'M':
      return count == 1   ? K::Month
             : count == 2 ? K::Month2
             : count == 3 ? K::MonthName
                          : K::MonthLongName;
    case 'y':
      return count == 1 ? K::Year : count == 2 ? K::Year2 : K::Year4;
    case 'h':
      return count == 1 ? K::Hour12 : K::Hour12_2;
    case 'H':
      return count == 1 ? K::Hour24 : K::Hour24_2;
    case 'm':
      return count == 1 ? K::Minute : K::Minute2;
    case 's':
      return count == 1 ? K::Second : K::Second2;
    case 't':
      return count == 1 ? K::AmPm1 : K::AmPm;
    default:
      return K::Literal;
  }
}

void AppendLiteral(std::vector<TPictureToken>& tokens, const std::string& text) {
  if (text.empty()) {
    return;
  }
  if (!tokens.empty() && tokens.back().kind == K::Literal) {
    tokens.back().text += text;
  } else {
    tokens.push_back({K::Literal, text});
  }
}

}  // namespace

std::vector<TPictureToken> ParsePicture(const std::string& picture) {
  std::vector<TPictureToken> tokens;
  size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'') {
      std::string text;
      ++i;
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            text += '\'';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        text += picture[i++];
      }
      AppendLiteral(tokens, text);
      continue;
    }
    size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) {
      ++run;
    }
    const K kind = KindFor(c, run);
    if (kind != K::Literal) {
      tokens.push_back({kind, {}});
    } else if (c != 'g') {  // era designators are not shown
      AppendLiteral(tokens, picture.substr(i, run));
    }
    i += run;
  }
  return tokens;
}
