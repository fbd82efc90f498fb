#include "bootlog/date_format.h"

#include <cctype>
#include <chrono>
#include <cstring>

#include "bootlog/picture.h"

namespace {

using K = TPictureToken::Kind;

// The first character (UTF-8 sequence) of a designator, for the one-letter "t".
std::string FirstChar(const std::string& s) {
  if (s.empty()) {
    return s;
  }
  size_t n = 1;
  while (n < s.size() && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) {
    ++n;
  }
  return s.substr(0, n);
}

void AppendNum(std::string& out, int value, int width) {
  char buf[12];
  int n = 0;
  unsigned v = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
  do {
    buf[n++] = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v);
  if (value < 0) {
    out += '-';
  }
  for (int pad = width - n; pad > 0; --pad) {
    out += '0';
  }
  while (n) {
    out += buf[--n];
  }
}

// Pictures are tokenised once: every event time is written and read with the
// same two. A new picture never takes the place of the one returned last, so
// that two looked up in a row stay valid together.
const std::vector<TPictureToken>& Tokens(const std::string& picture) {
  struct Entry {
    std::string picture;
    std::vector<TPictureToken> tokens;
  };
  static thread_local Entry cache[4];
  static thread_local unsigned next = 0, last = 0;
  for (unsigned i = 0; i < 4; ++i) {
    if (!cache[i].tokens.empty() && cache[i].picture == picture) {
      last = i;
      return cache[i].tokens;
    }
  }
  if (next % 4 == last) {
    ++next;
  }
  last = next++ % 4;
  Entry& e = cache[last];
  e.picture = picture;
  e.tokens = ParsePicture(picture);
  if (e.tokens.empty()) {
    e.tokens.push_back({TPictureToken::Literal, {}});
  }
  return e.tokens;
}

void AppendFormatted(std::string& out, const std::vector<TPictureToken>& tokens,
                     const TDateTimeParts& p, const RegionalFormats& formats) {
  const int hour12 = p.Hour % 12 == 0 ? 12 : p.Hour % 12;
  const std::string& ampm = p.Hour < 12 ? formats.AmDesignator : formats.PmDesignator;
  for (const TPictureToken& t : tokens) {
    switch (t.kind) {
      case K::Literal:
        out += t.text;
        break;
      case K::Day:
        AppendNum(out, p.Day, 1);
        break;
      case K::Day2:
        AppendNum(out, p.Day, 2);
        break;
      case K::DayName:
        out += kShortDayNames[p.DayOfWeek - 1];
        break;
      case K::DayLongName:
        out += kLongDayNames[p.DayOfWeek - 1];
        break;
      case K::Month:
        AppendNum(out, p.Month, 1);
        break;
      case K::Month2:
        AppendNum(out, p.Month, 2);
        break;
      case K::MonthName:
        out += kShortMonthNames[p.Month - 1];
        break;
      case K::MonthLongName:
        out += kLongMonthNames[p.Month - 1];
        break;
      case K::Year:
        AppendNum(out, p.Year % 100, 1);
        break;
      case K::Year2:
        AppendNum(out, p.Year % 100, 2);
        break;
      case K::Year4:
        AppendNum(out, p.Year, 4);
        break;
      case K::Hour12:
        AppendNum(out, hour12, 1);
        break;
      case K::Hour12_2:
        AppendNum(out, hour12, 2);
        break;
      case K::Hour24:
        AppendNum(out, p.Hour, 1);
        break;
      case K::Hour24_2:
        AppendNum(out, p.Hour, 2);
        break;
      case K::Minute:
        AppendNum(out, p.Minute, 1);
        break;
      case K::Minute2:
        AppendNum(out, p.Minute, 2);
        break;
      case K::Second:
        AppendNum(out, p.Second, 1);
        break;
      case K::Second2:
        AppendNum(out, p.Second, 2);
        break;
      case K::AmPm1:
        out += FirstChar(ampm);
        break;
      case K::AmPm:
        out += ampm;
        break;
    }
  }
}

struct Fields {
  int year = -1, month = 1, day = 1, hour = 0, minute = 0, second = 0;
  int pm = -1;  // -1 none, 0 AM, 1 PM
};

class Reader {
 public:
  explicit Reader(const std::string& text) : text_(text) {}
  size_t pos = 0;
  bool AtEnd() const { return pos == text_.size(); }

  bool Number(int maxDigits, int& out) {
    int value = 0, digits = 0;
    while (digits < maxDigits && pos < text_.size() &&
           std::isdigit(static_cast<unsigned char>(text_[pos]))) {
      value = value * 10 + (text_[pos++] - '0');
      ++digits;
    }
    out = value;
    return digits > 0;
  }
  bool Match(const std::string& s, bool ignoreCase = false) {
    if (text_.size() - pos < s.size()) {
      return false;
    }
    for (size_t i = 0; i < s.size(); ++i) {
      char a = text_[pos + i], b = s[i];
      if (ignoreCase) {
        a = static_cast<char>(std::tolower(static_cast<unsigned char>(a)));
        b = static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
      }
      if (a != b) {
        return false;
      }
    }
    pos += s.size();
    return true;
  }
  // Index of the longest name matching at the position, or -1.
  int Name(const char* const* names, int count) {
    int best = -1;
    size_t bestLen = 0;
    for (int i = 0; i < count; ++i) {
      const size_t len = std::strlen(names[i]);
      const size_t save = pos;
      if (len > bestLen && Match(names[i], true)) {
        best = i;
        bestLen = len;
      }
      pos = save;
    }
    pos += bestLen;
    return best;
  }

 private:
  const std::string& text_;
};

int CurrentYear() {
  const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
  return static_cast<int>(std::chrono::year_month_day(today).year());
}

// Two-digit years fall into 1950..2049, as the regional default does.
int FullYear(int twoDigits) {
  return twoDigits < 50 ? 2000 + twoDigits : 1900 + twoDigits;
}

bool ReadPicture(Reader& in, const std::vector<TPictureToken>& tokens,
                 const RegionalFormats& formats, Fields& f) {
  for (const TPictureToken& t : tokens) {
    int v = 0;
    bool ok = true;
    switch (t.kind) {
      case K::Literal:
        ok = in.Match(t.text);
        break;
      case K::Day:
      case K::Day2:
        ok = in.Number(2, f.day);
        break;
      case K::DayName:
        ok = in.Name(kShortDayNames, 7) >= 0;
        break;
      case K::DayLongName:
        ok = in.Name(kLongDayNames, 7) >= 0;
        break;
      case K::Month:
      case K::Month2:
        ok = in.Number(2, f.month);
        break;
      case K::MonthName:
        v = in.Name(kShortMonthNames, 12);
        ok = v >= 0;
        f.month = v + 1;
        break;
      case K::MonthLongName:
        v = in.Name(kLongMonthNames, 12);
        ok = v >= 0;
        f.month = v + 1;
        break;
      case K::Year:
      case K::Year2:
        ok = in.Number(2, v);
        f.year = FullYear(v);
        break;
      case K::Year4:
        ok = in.Number(4, f.year);
        break;
      case K::Hour12:
      case K::Hour12_2:
      case K::Hour24:
      case K::Hour24_2:
        ok = in.Number(2, f.hour);
        break;
      case K::Minute:
      case K::Minute2:
        ok = in.Number(2, f.minute);
        break;
      case K::Second:
      case K::Second2:
        ok = in.Number(2, f.second);
        break;
      case K::AmPm1:
      case K::AmPm: {
        const bool full = t.kind == K::AmPm;
        const std::string am = full ? formats.AmDesignator : FirstChar(formats.AmDesignator);
        const std::string pm = full ? formats.PmDesignator : FirstChar(formats.PmDesignator);
        // Try the longer designator first so that a prefix does not win.
        const bool pmFirst = pm.size() >= am.size();
        if (pmFirst && !pm.empty() && in.Match(pm, true)) {
          f.pm = 1;
        } else if (!am.empty() && in.Match(am, true)) {
          f.pm = 0;
        } else if (!pmFirst && !pm.empty() && in.Match(pm, true)) {
          f.pm = 1;
        } else {
          ok = am.empty() && pm.empty();
        }
        break;
      }
    }
    if (!ok) {
      return false;
    }
  }
  return true;
}

bool HasTwelveHourClock(const std::vector<TPictureToken>& tokens) {
  for (const TPictureToken& t : tokens) {
    if (t.kind == K::Hour12 || t.kind == K::Hour12_2) {
      return true;
    }
  }
  return false;
}

// The two pictures of a date-time text, looked up once for a round trip.
struct TPictures {
  explicit TPictures(const RegionalFormats& formats)
      : Date(Tokens(formats.ShortDate)), Time(Tokens(formats.LongTime)) {}
  const std::vector<TPictureToken>& Date;
  const std::vector<TPictureToken>& Time;
};

std::string Text(TDateTime value, const TPictures& pictures, const RegionalFormats& formats) {
  const TDateTimeParts p = DecodeDateTime(value);
  std::string text;
  AppendFormatted(text, pictures.Date, p, formats);
  if (p.Hour != 0 || p.Minute != 0 || p.Second != 0 || p.MilliSecond != 0) {
    text += ' ';
    AppendFormatted(text, pictures.Time, p, formats);
  }
  return text;
}

std::optional<TDateTime> Parse(const std::string& text, const TPictures& pictures,
                               const RegionalFormats& formats) {
  Reader in(text);
  Fields f;
  if (!ReadPicture(in, pictures.Date, formats, f)) {
    return std::nullopt;
  }
  if (!in.AtEnd()) {
    const std::vector<TPictureToken>& time = pictures.Time;
    if (!in.Match(" ") || !ReadPicture(in, time, formats, f) || !in.AtEnd()) {
      return std::nullopt;
    }
    if (HasTwelveHourClock(time)) {
      if (f.hour < 1 || f.hour > 12) {
        return std::nullopt;
      }
      f.hour %= 12;
    }
    if (f.pm == 1 && f.hour < 12) {
      f.hour += 12;
    }
  }
  if (f.year < 0) {
    f.year = CurrentYear();
  }
  if (!IsValidDate(f.year, f.month, f.day) || f.hour > 23 || f.minute > 59 || f.second > 59) {
    return std::nullopt;
  }
  return EncodeDateTime(f.year, f.month, f.day, f.hour, f.minute, f.second);
}

}  // namespace

std::string FormatDateTime(const std::string& picture, TDateTime value,
                           const RegionalFormats& formats) {
  std::string out;
  AppendFormatted(out, Tokens(picture), DecodeDateTime(value), formats);
  return out;
}

std::string DateTimeText(TDateTime value, const RegionalFormats& formats) {
  return Text(value, TPictures(formats), formats);
}

std::optional<TDateTime> ParseDateTimeText(const std::string& text,
                                           const RegionalFormats& formats) {
  return Parse(text, TPictures(formats), formats);
}

TDateTimeRoundTrip RoundTripDateTime(TDateTime value, const RegionalFormats& formats) {
  const TPictures pictures(formats);
  TDateTimeRoundTrip trip{Text(value, pictures, formats), std::nullopt};
  trip.Back = Parse(trip.Text, pictures, formats);
  return trip;
}
