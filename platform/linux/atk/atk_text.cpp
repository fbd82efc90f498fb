// The memo's text, read only. Offsets count characters; lines end with "\n"
// (the memo's own line breaks are "\r\n"). The caret and the selection are the
// memo's; the whole text is one run of the same attributes.
#include <algorithm>
#include <string>
#include <utility>

#include "platform/linux/atk/atk_guard.h"
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

int ReaderOffset(const TAccessible& node, int byteOffset) {
  const std::string value = node.Value();
  const size_t end = static_cast<size_t>(std::clamp(byteOffset, 0, static_cast<int>(value.size())));
  int offset = 0;
  for (size_t i = 0; i < end; ++i) {
    // Characters count by their first byte; the "\r" of a line break is none.
    const bool lineBreakFirst = value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n';
    if ((static_cast<unsigned char>(value[i]) & 0xC0) != 0x80 && !lineBreakFirst) {
      ++offset;
    }
  }
  return offset;
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

TAccessible* TextNode(AtkText* text) {
  return NodeOf(ATK_OBJECT(text));
}

gint GetCaretOffset(AtkText* text) {
  TAccessible* node = TextNode(text);
  return node && node->TextCaret() >= 0 ? ReaderOffset(*node, node->TextCaret()) : 0;
}

// The selection in reader offsets; empty when there is none.
std::pair<gint, gint> Selected(AtkText* text) {
  TAccessible* node = TextNode(text);
  if (node == nullptr) {
    return {0, 0};
  }
  const auto [first, second] = node->TextSelection();
  return {ReaderOffset(*node, first), ReaderOffset(*node, second)};
}

gint GetNSelections(AtkText* text) {
  const auto [start, end] = Selected(text);
  return start < end ? 1 : 0;
}

gchar* GetSelection(AtkText* text, gint i, gint* startOffset, gint* endOffset) {
  const auto [start, end] = Selected(text);
  if (i != 0 || start >= end) {
    return nullptr;
  }
  if (startOffset) {
    *startOffset = start;
  }
  if (endOffset) {
    *endOffset = end;
  }
  return Slice(TextOf(text), start, end);
}

// One run over the whole text, without attributes beyond the defaults.
AtkAttributeSet* GetRunAttributes(AtkText* text, gint, gint* startOffset, gint* endOffset) {
  if (startOffset) {
    *startOffset = 0;
  }
  if (endOffset) {
    *endOffset = Length(TextOf(text));
  }
  return nullptr;
}

AtkAttributeSet* GetDefaultAttributes(AtkText*) {
  return nullptr;
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
  iface->get_text = Guarded<GetText>;
  iface->get_character_count = Guarded<GetCharacterCount>;
  iface->get_character_at_offset = Guarded<GetCharacterAtOffset>;
  iface->get_caret_offset = Guarded<GetCaretOffset>;
  iface->get_n_selections = Guarded<GetNSelections>;
  iface->get_selection = Guarded<GetSelection>;
  iface->get_run_attributes = Guarded<GetRunAttributes>;
  iface->get_default_attributes = Guarded<GetDefaultAttributes>;
  iface->get_string_at_offset = Guarded<GetStringAtOffset>;
  iface->get_text_at_offset = Guarded<GetTextAtOffset>;
}

}  // namespace platform_atk
