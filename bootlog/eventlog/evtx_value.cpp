#include "bootlog/eventlog/evtx_value.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "bootlog/datetime.h"
#include "bootlog/eventlog/sid_text.h"
#include "bootlog/little_endian.h"
#include "bootlog/utf8.h"

namespace {

template <typename... T>
void AppendFormat(std::string& out, const char* format, T... values) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, format, values...);
  if (n > 0) {
    out.append(text,
               static_cast<size_t>(n) < sizeof text ? static_cast<size_t>(n) : sizeof text - 1);
  }
}

void AppendHex(const uint8_t* bytes, size_t size, std::string& out) {
  static const char kDigits[] = "0123456789ABCDEF";
  for (size_t i = 0; i < size; ++i) {
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 15];
  }
}

void AppendGuid(const uint8_t* g, std::string& out) {
  AppendFormat(out, "{%08" PRIX32 "-%04X-%04X-", Le32(g), Le16(g + 4), Le16(g + 6));
  AppendHex(g + 8, 2, out);
  out += '-';
  AppendHex(g + 10, 6, out);
  out += '}';
}

void AppendSystemTime(const uint8_t* t, std::string& out) {
  AppendFormat(out, "%04u-%02u-%02uT%02u:%02u:%02u.%03u000000Z", Le16(t), Le16(t + 2), Le16(t + 6),
               Le16(t + 8), Le16(t + 10), Le16(t + 12), Le16(t + 14));
}

// The fixed size of one element of `type`, or 0 when it varies.
size_t FixedSize(uint8_t type) {
  switch (type) {
    case 0x03:
    case 0x04:
      return 1;
    case 0x05:
    case 0x06:
      return 2;
    case 0x07:
    case 0x08:
    case 0x0b:
    case 0x0d:
    case 0x14:
      return 4;
    case 0x09:
    case 0x0a:
    case 0x0c:
    case 0x11:
    case 0x15:
      return 8;
    case 0x0f:
    case 0x12:
      return 16;
    default:
      return 0;
  }
}

// One element of a fixed size.
void AppendScalar(uint8_t type, const uint8_t* p, size_t size, std::string& out) {
  switch (type) {
    case 0x03:
      AppendFormat(out, "%d", static_cast<int8_t>(p[0]));
      break;
    case 0x04:
      AppendFormat(out, "%u", p[0]);
      break;
    case 0x05:
      AppendFormat(out, "%d", static_cast<int16_t>(Le16(p)));
      break;
    case 0x06:
      AppendFormat(out, "%u", Le16(p));
      break;
    case 0x07:
      AppendFormat(out, "%" PRId32, static_cast<int32_t>(Le32(p)));
      break;
    case 0x08:
      AppendFormat(out, "%" PRIu32, Le32(p));
      break;
    case 0x09:
      AppendFormat(out, "%" PRId64, static_cast<int64_t>(Le64(p)));
      break;
    case 0x0a:
      AppendFormat(out, "%" PRIu64, Le64(p));
      break;
    case 0x0b: {
      float f;
      const uint32_t bits = Le32(p);
      std::memcpy(&f, &bits, 4);
      AppendFormat(out, "%g", static_cast<double>(f));
      break;
    }
    case 0x0c: {
      double d;
      const uint64_t bits = Le64(p);
      std::memcpy(&d, &bits, 8);
      AppendFormat(out, "%g", d);
      break;
    }
    case 0x0d:
      out += Le32(p) != 0 ? "true" : "false";
      break;
    case 0x0f:
      AppendGuid(p, out);
      break;
    case 0x10:
    case 0x14:
    case 0x15:
      if (size == 4) {
        AppendFormat(out, "0x%08" PRIx32, Le32(p));
      } else {
        AppendFormat(out, "0x%016" PRIx64, Le64(p));
      }
      break;
    case 0x11:
      AppendFileTimeText(Le64(p), out);
      break;
    case 0x12:
      AppendSystemTime(p, out);
      break;
    default:
      break;
  }
}

// Strings of an array are each closed by a NUL.
void StringArray(bool wide, const uint8_t* bytes, size_t size, std::vector<std::string>& out) {
  const size_t unit = wide ? 2 : 1;
  size_t start = 0;
  for (size_t i = 0; i + unit <= size; i += unit) {
    const bool end = wide ? Le16(bytes + i) == 0 : bytes[i] == 0;
    if (end || i + 2 * unit > size) {
      const size_t stop = end ? i : i + unit;
      out.emplace_back();
      if (wide) {
        AppendUtf8FromUtf16(bytes + start, (stop - start) / 2, out.back());
      } else {
        out.back().assign(reinterpret_cast<const char*>(bytes) + start, stop - start);
      }
      start = i + unit;
    }
  }
}

}  // namespace

void AppendUtf8FromUtf16(const uint8_t* bytes, size_t units, std::string& out) {
  size_t count = 0;
  while (count < units && Le16(bytes + 2 * count) != 0) {
    ++count;
  }
  AppendUtf8FromUtf16(count, [bytes](size_t i) { return Le16(bytes + 2 * i); }, out);
}

void AppendFileTimeText(uint64_t fileTime, std::string& out) {
  const uint64_t ticks = fileTime % 10000000;
  const uint64_t seconds = fileTime / 10000000;
  const uint64_t secondOfDay = seconds % 86400;
  static const int64_t kDay16010101 = EncodeDate(1601, 1, 1);
  const TCivilDate date = CivilDate(static_cast<int64_t>(seconds / 86400) + kDay16010101);
  AppendFormat(
      out, "%04" PRId64 "-%02" PRId64 "-%02" PRId64 "T%02u:%02u:%02u.%07" PRIu64 "00Z", date.Year,
      int64_t{date.Month}, int64_t{date.Day}, static_cast<unsigned>(secondOfDay / 3600),
      static_cast<unsigned>(secondOfDay / 60 % 60), static_cast<unsigned>(secondOfDay % 60), ticks);
}

void ArrayElementTexts(uint8_t type, const uint8_t* bytes, size_t size,
                       std::vector<std::string>& out) {
  const uint8_t base = type & 0x7F;
  if (base == evtx_value::kString || base == evtx_value::kAnsiString) {
    StringArray(base == evtx_value::kString, bytes, size, out);
    return;
  }
  size_t element = FixedSize(base);
  if (base == 0x10) {
    element = size % 8 == 0 ? 8 : 4;  // as wide as the writer's pointers
  }
  if (element == 0) {
    return;
  }
  for (size_t i = 0; i + element <= size; i += element) {
    out.emplace_back();
    AppendScalar(base, bytes + i, element, out.back());
  }
}

void AppendValueText(uint8_t type, const uint8_t* bytes, size_t size, std::string& out) {
  using namespace evtx_value;
  if (type & kArray) {
    std::vector<std::string> elements;
    ArrayElementTexts(type, bytes, size, elements);
    for (size_t i = 0; i < elements.size(); ++i) {
      out += i == 0 ? "" : ", ";
      out += elements[i];
    }
    return;
  }
  if (type == kString) {
    AppendUtf8FromUtf16(bytes, size / 2, out);
  } else if (type == kAnsiString) {
    const void* nul = std::memchr(bytes, 0, size);
    out.append(reinterpret_cast<const char*>(bytes),
               nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - bytes) : size);
  } else if (type == 0x0e) {
    AppendHex(bytes, size, out);
  } else if (type == kSid) {
    out += SidText(bytes, size);
  } else if (type == 0x10) {
    if (size == 4 || size == 8) {
      AppendScalar(type, bytes, size, out);
    }
  } else if (const size_t element = FixedSize(type); element != 0 && size >= element) {
    AppendScalar(type, bytes, element, out);
  }
}
