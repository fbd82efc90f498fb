// The memo's text, read only. Offsets count characters; lines end with "\n"
// (the memo's own line breaks are "\r\n").
#include <string>

#include "platform/linux/atk/atk_interfaces.h"
#include "platform/linux/atk/atk_node.h"

namespace platform_atk {

namespace {

std::string TextOf(AtkText* text) {
  TAccessible* node = NodeOf(ATK_OBJECT(text));
  return node ? ReaderText(*node) : std::string();
}

}  // namespace

std::string ReaderText(const TAccessible& node) {
  const std::string value = node.Value();
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
      continue;
    }
    out += value[i];
  }
  return g_utf8_validate(out.data(), static_cast<gssize>(out.size()), nullptr) ? out
                                                                               : std::string();
}

namespace {

gint Length(const std::string& s) {
  return static_cast<gint>(g_utf8_strlen(s.data(), static_cast<gssize>(s.size())));
}

// Characters [start, end) of `s`, end -1 meaning the end; clamped.
gchar* Slice(const std::string& s, gint start, gint end) {
  const gint length = Length(s);
  if (end < 0 || end > length) {
    end = length;
  }
  if (start < 0) {
    start = 0;
  }
  if (start > end) {
    start = end;
  }
  const gchar* from = g_utf8_offset_to_pointer(s.c_str(), start);
  const gchar* to = g_utf8_offset_to_pointer(s.c_str(), end);
  return g_strndup(from, static_cast<gsize>(to - from));
}

gchar* GetText(AtkText* text, gint start, gint end) {
  return Slice(TextOf(text), start, end);
}

gint GetCharacterCount(AtkText* text) {
  return Length(TextOf(text));
}

gunichar GetCharacterAtOffset(AtkText* text, gint offset) {
  const std::string s = TextOf(text);
  if (offset < 0 || offset >= Length(s)) {
    return 0;
  }
  return g_utf8_get_char(g_utf8_offset_to_pointer(s.c_str(), offset));
}

gint GetCaretOffset(AtkText*) {
  return 0;
}

gint NoSelections(AtkText*) {
  return 0;
}

// The character, the line (with its line break) or, for words and sentences,
// the line too: the memo holds short lines of prose.
gchar* GetStringAtOffset(AtkText* text, gint offset, AtkTextGranularity granularity,
                         gint* startOffset, gint* endOffset) {
  const std::string s = TextOf(text);
  const gint length = Length(s);
  gint start = 0, end = 0;
  if (offset >= 0 && offset <= length) {
    if (granularity == ATK_TEXT_GRANULARITY_CHAR) {
      start = offset;
      end = offset < length ? offset + 1 : offset;
    } else {
      gint i = 0;
      start = 0;
      for (const gchar* p = s.c_str(); *p && i < offset; p = g_utf8_next_char(p), ++i) {
        if (*p == '\n') {
          start = i + 1;
        }
      }
      end = start;
      const gchar* p = g_utf8_offset_to_pointer(s.c_str(), start);
      for (; *p; p = g_utf8_next_char(p)) {
        ++end;
        if (*p == '\n') {
          break;
        }
      }
    }
  }
  if (startOffset) {
    *startOffset = start;
  }
  if (endOffset) {
    *endOffset = end;
  }
  return Slice(s, start, end);
}

gchar* GetTextAtOffset(AtkText* text, gint offset, AtkTextBoundary boundary, gint* startOffset,
                       gint* endOffset) {
  return GetStringAtOffset(
      text, offset,
      boundary == ATK_TEXT_BOUNDARY_CHAR ? ATK_TEXT_GRANULARITY_CHAR : ATK_TEXT_GRANULARITY_LINE,
      startOffset, endOffset);
}

}  // namespace

void InitText(AtkTextIface* iface) {
  iface->get_text = GetText;
  iface->get_character_count = GetCharacterCount;
  iface->get_character_at_offset = GetCharacterAtOffset;
  iface->get_caret_offset = GetCaretOffset;
  iface->get_n_selections = NoSelections;
  iface->get_string_at_offset = GetStringAtOffset;
  iface->get_text_at_offset = GetTextAtOffset;
}

}  // namespace platform_atk
