#include "bootlog/eventlog/binxml.h"

#include <vector>

#include "bootlog/eventlog/evtx_value.h"
#include "bootlog/little_endian.h"

namespace {

constexpr int kMaxNesting = 8;  // templates and embedded documents
constexpr int kMaxElementDepth = 64;
constexpr uint32_t kTokenBudget = 1 << 16;  // per record: a chunk holds fewer bytes

// The tokens of binary XML, by the names of the format's description.
enum TToken : uint8_t {
  kEndOfStream = 0x00,
  kOpenStartElement = 0x01,
  kCloseStartElement = 0x02,
  kCloseEmptyElement = 0x03,
  kEndElement = 0x04,
  kValue = 0x05,
  kAttribute = 0x06,
  kCDataSection = 0x07,
  kCharRef = 0x08,
  kEntityRef = 0x09,
  kPITarget = 0x0A,
  kPIData = 0x0B,
  kTemplateInstance = 0x0C,
  kNormalSubstitution = 0x0D,
  kOptionalSubstitution = 0x0E,
  kFragmentHeader = 0x0F,
};
// Set on a token that more data follows: on an open start element, its
// attribute list.
constexpr uint8_t kHasMoreData = 0x40;

struct TValueRef {
  size_t Offset;
  size_t Size;
  uint8_t Type;
};

// Each token function reads the token at `pos` and moves `pos` past it; false
// on a fault.
class TReader {
 public:
  TReader(const uint8_t* chunk, size_t size, TBinXmlSink& sink)
      : b_(chunk), size_(size), sink_(sink) {}

  // The record's own document, which must reach its end token.
  bool Record(size_t begin, size_t end) {
    return Document(begin, end, nullptr, 0, false) && ended_;
  }

 private:
  // Reads tokens from `pos` up to the end-of-stream token or `end`.
  bool Document(size_t pos, size_t end, const std::vector<TValueRef>* values, int nesting,
                bool bareElements);
  // One token: its kind picks the function of its family.
  bool Token(uint8_t token, size_t& pos, size_t end, const std::vector<TValueRef>* values,
             int nesting, bool bareElements);
  bool OpenStartElement(size_t& pos, size_t end, bool bareElements);
  // Close empty element, end element.
  bool EndElement(uint8_t token, size_t& pos);
  bool Attribute(size_t& pos, size_t end);
  // Value, CDATA section, character reference, entity reference.
  bool Text(uint8_t token, size_t& pos, size_t end);
  // Processing instruction target and data: read past, they say nothing.
  bool ProcessingInstruction(uint8_t token, size_t& pos, size_t end);
  bool TemplateInstance(size_t& pos, size_t end, int nesting);
  // Normal and optional substitution.
  bool Substitution(uint8_t token, size_t& pos, size_t end, const std::vector<TValueRef>* values,
                    int nesting);

  bool Has(size_t pos, size_t count, size_t end) const { return pos <= end && count <= end - pos; }
  // The name at chunk offset `at`; when it is stored right here (`at == pos`),
  // `pos` moves past it.
  bool Name(uint32_t at, size_t& pos, size_t end, const uint8_t*& chars, size_t& count);
  // A token naming something: the name's offset follows the token byte.
  bool NamedToken(size_t& pos, size_t end, const uint8_t*& chars, size_t& count) {
    if (!Has(pos, 5, end)) {
      return false;
    }
    const uint32_t at = Le32(b_ + pos + 1);
    pos += 5;
    return Name(at, pos, end, chars, count);
  }
  // UTF-16 text with its count at `pos + skip`.
  bool CountedText(size_t& pos, size_t skip, size_t end, const uint8_t*& units, size_t& bytes);
  bool Substitute(const TValueRef& value, bool optional, int nesting);
  void EmitChar(uint16_t c);
  // The five entities XML predefines; another one says nothing.
  void EmitEntity(const uint8_t* name, size_t chars);

  const uint8_t* b_;
  size_t size_;
  TBinXmlSink& sink_;
  uint32_t budget_ = kTokenBudget;
  int depth_ = 0;
  bool ended_ = false;
};

bool TReader::Name(uint32_t at, size_t& pos, size_t end, const uint8_t*& chars, size_t& count) {
  if (!Has(at, 8, size_)) {
    return false;
  }
  count = Le16(b_ + at + 6);
  const size_t stored = 8 + 2 * count + 2;
  if (!Has(at, stored, size_)) {
    return false;
  }
  chars = b_ + at + 8;
  if (at == pos) {
    if (!Has(pos, stored, end)) {
      return false;
    }
    pos += stored;
  }
  return true;
}

bool TReader::CountedText(size_t& pos, size_t skip, size_t end, const uint8_t*& units,
                          size_t& bytes) {
  const size_t at = pos + skip;
  if (!Has(at, 2, end)) {
    return false;
  }
  bytes = 2 * size_t{Le16(b_ + at)};
  if (!Has(at + 2, bytes, end)) {
    return false;
  }
  units = b_ + at + 2;
  pos = at + 2 + bytes;
  return true;
}

void TReader::EmitChar(uint16_t c) {
  const uint8_t unit[2] = {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>(c >> 8)};
  sink_.Value(evtx_value::kString, unit, 2);
}

bool TReader::OpenStartElement(size_t& pos, size_t end, bool bareElements) {
  const bool attributes = (b_[pos] & kHasMoreData) != 0;
  size_t p = pos + 1 + (bareElements ? 0 : 2);  // dependency identifier
  if (!Has(p, 8, end) || ++depth_ > kMaxElementDepth) {
    return false;
  }
  const uint32_t nameAt = Le32(b_ + p + 4);
  p += 8;
  const uint8_t* name;
  size_t chars;
  if (!Name(nameAt, p, end, name, chars)) {
    return false;
  }
  if (attributes) {  // the attribute list's size
    if (!Has(p, 4, end)) {
      return false;
    }
    p += 4;
  }
  sink_.OpenElement(name, chars);
  pos = p;
  return true;
}

bool TReader::EndElement(uint8_t token, size_t& pos) {
  if (depth_ == 0) {
    return false;
  }
  --depth_;
  if (token == kCloseEmptyElement) {
    sink_.CloseStartTag();
  }
  sink_.CloseElement();
  ++pos;
  return true;
}

bool TReader::Attribute(size_t& pos, size_t end) {
  const uint8_t* name;
  size_t chars;
  if (!NamedToken(pos, end, name, chars)) {
    return false;
  }
  sink_.Attribute(name, chars);
  return true;
}

bool TReader::Text(uint8_t token, size_t& pos, size_t end) {
  const uint8_t* text;
  size_t bytes;
  switch (token) {
    case kValue: {  // the value's type, which can only be a string here, then the text
      const size_t at = pos;
      if (!CountedText(pos, 2, end, text, bytes) || b_[at + 1] != evtx_value::kString) {
        return false;
      }
      break;
    }
    case kCDataSection:
      if (!CountedText(pos, 1, end, text, bytes)) {
        return false;
      }
      break;
    case kCharRef:
      if (!Has(pos, 3, end)) {
        return false;
      }
      EmitChar(Le16(b_ + pos + 1));
      pos += 3;
      return true;
    default: {  // kEntityRef
      const uint8_t* name;
      size_t chars;
      if (!NamedToken(pos, end, name, chars)) {
        return false;
      }
      EmitEntity(name, chars);
      return true;
    }
  }
  sink_.Value(evtx_value::kString, text, bytes);
  return true;
}

void TReader::EmitEntity(const uint8_t* name, size_t chars) {
  static const struct {
    const char* Name;
    uint16_t Char;
  } kEntities[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
  for (const auto& entity : kEntities) {
    size_t i = 0;
    while (i < chars && entity.Name[i] != '\0' && Le16(name + 2 * i) == entity.Name[i]) {
      ++i;
    }
    if (i == chars && entity.Name[i] == '\0') {
      EmitChar(entity.Char);
    }
  }
}

bool TReader::ProcessingInstruction(uint8_t token, size_t& pos, size_t end) {
  const uint8_t* text;
  size_t count;
  return token == kPIData ? CountedText(pos, 1, end, text, count)
                          : NamedToken(pos, end, text, count);
}

bool TReader::TemplateInstance(size_t& pos, size_t end, int nesting) {
  // Token, an unknown byte, the template identifier, the definition's offset.
  if (!Has(pos, 10, end)) {
    return false;
  }
  const uint32_t definition = Le32(b_ + pos + 6);
  size_t p = pos + 10;
  // The definition: next offset, GUID, data size, then the data.
  if (!Has(definition, 24, size_)) {
    return false;
  }
  const size_t dataSize = Le32(b_ + definition + 20);
  const size_t body = definition + 24;
  if (!Has(body, dataSize, size_)) {
    return false;
  }
  if (definition == p) {
    if (!Has(body, dataSize, end)) {
      return false;
    }
    p = body + dataSize;
  }
  if (!Has(p, 4, end)) {
    return false;
  }
  const size_t count = Le32(b_ + p);
  p += 4;
  if (count > (end - p) / 4) {
    return false;
  }
  std::vector<TValueRef> values(count);
  size_t data = p + 4 * count;
  for (size_t i = 0; i < count; ++i) {
    const size_t valueSize = Le16(b_ + p + 4 * i);
    if (!Has(data, valueSize, end)) {
      return false;
    }
    values[i] = {data, valueSize, b_[p + 4 * i + 2]};
    data += valueSize;
  }
  if (!Document(body, body + dataSize, &values, nesting + 1, false)) {
    return false;
  }
  pos = data;
  return true;
}

bool TReader::Substitute(const TValueRef& value, bool optional, int nesting) {
  if (value.Type == evtx_value::kBinXml) {
    if (value.Size == 0) {
      return true;
    }
    // An embedded document may start right at an element, which then has no
    // dependency identifier.
    const bool bare = (b_[value.Offset] & ~kHasMoreData) == kOpenStartElement;
    return Document(value.Offset, value.Offset + value.Size, nullptr, nesting + 1, bare);
  }
  // A null value leaves a normal substitution empty; an optional one takes
  // its element away, which only the sink can do.
  if (value.Type != evtx_value::kNull || optional) {
    sink_.Value(value.Type, b_ + value.Offset, value.Size);
  }
  return true;
}

bool TReader::Substitution(uint8_t token, size_t& pos, size_t end,
                           const std::vector<TValueRef>* values, int nesting) {
  // The value's index and its type, which the value itself repeats.
  if (!Has(pos, 4, end)) {
    return false;
  }
  const size_t id = Le16(b_ + pos + 1);
  const bool optional = token == kOptionalSubstitution;
  if (values && id < values->size() && !Substitute((*values)[id], optional, nesting)) {
    return false;
  }
  pos += 4;
  return true;
}

bool TReader::Token(uint8_t token, size_t& pos, size_t end, const std::vector<TValueRef>* values,
                    int nesting, bool bareElements) {
  switch (token) {
    case kEndOfStream:  // nothing after it belongs to the document
      ended_ = ended_ || nesting == 0;
      pos = end;
      return true;
    case kFragmentHeader:  // version and flags
      if (!Has(pos, 4, end)) {
        return false;
      }
      pos += 4;
      return true;
    case kOpenStartElement:
      return OpenStartElement(pos, end, bareElements);
    case kCloseStartElement:
      sink_.CloseStartTag();
      ++pos;
      return true;
    case kCloseEmptyElement:
    case kEndElement:
      return EndElement(token, pos);
    case kAttribute:
      return Attribute(pos, end);
    case kValue:
    case kCDataSection:
    case kCharRef:
    case kEntityRef:
      return Text(token, pos, end);
    case kPITarget:
    case kPIData:
      return ProcessingInstruction(token, pos, end);
    case kTemplateInstance:
      return TemplateInstance(pos, end, nesting);
    case kNormalSubstitution:
    case kOptionalSubstitution:
      return Substitution(token, pos, end, values, nesting);
    default:
      return false;
  }
}

bool TReader::Document(size_t pos, size_t end, const std::vector<TValueRef>* values, int nesting,
                       bool bareElements) {
  if (nesting > kMaxNesting) {
    return false;
  }
  // A document cut before its end-of-stream token still said what it said.
  while (pos < end) {
    if (--budget_ == 0) {
      return false;
    }
    if (!Token(b_[pos] & ~kHasMoreData, pos, end, values, nesting, bareElements)) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool ReadBinXml(const uint8_t* chunk, size_t chunkSize, size_t begin, size_t end,
                TBinXmlSink& sink) {
  if (end > chunkSize || begin >= end) {
    return false;
  }
  TReader reader(chunk, chunkSize, sink);
  return reader.Record(begin, end);
}
