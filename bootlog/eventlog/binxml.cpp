#include "bootlog/eventlog/binxml.h"

#include <vector>

#include "bootlog/eventlog/evtx_value.h"
#include "bootlog/little_endian.h"

namespace {

constexpr int kMaxNesting = 8;  // templates and embedded documents
constexpr int kMaxElementDepth = 64;
constexpr uint32_t kTokenBudget = 1 << 16;  // per record: a chunk holds fewer bytes

struct TValueRef {
  size_t Offset;
  size_t Size;
  uint8_t Type;
};

class TReader {
 public:
  TReader(const uint8_t* chunk, size_t size, TBinXmlSink& sink)
      : b_(chunk), size_(size), sink_(sink) {}

  // Reads tokens from `pos` up to the end-of-document token or `end`; the
  // position after the document, or 0 on a fault.
  size_t Document(size_t pos, size_t end, const std::vector<TValueRef>* values, int nesting,
                  bool bareElements);

 private:
  bool Has(size_t pos, size_t count, size_t end) const { return pos <= end && count <= end - pos; }
  // The name at chunk offset `at`; when it is stored right here (`at == pos`),
  // `pos` moves past it.
  bool Name(uint32_t at, size_t& pos, size_t end, const uint8_t*& chars, size_t& count);
  size_t TemplateInstance(size_t pos, size_t end, int nesting);
  bool Substitute(const TValueRef& value, bool optional, int nesting);
  void EmitChar(uint16_t c);

  const uint8_t* b_;
  size_t size_;
  TBinXmlSink& sink_;
  uint32_t budget_ = kTokenBudget;
  int depth_ = 0;

 public:
  bool ended_ = false;  // the record's own document reached its end token
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

void TReader::EmitChar(uint16_t c) {
  const uint8_t unit[2] = {static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>(c >> 8)};
  sink_.Value(evtx_value::kString, unit, 2);
}

bool TReader::Substitute(const TValueRef& value, bool optional, int nesting) {
  if (value.Type == evtx_value::kBinXml) {
    if (value.Size == 0) {
      return true;
    }
    // An embedded document may start right at an element, which then has no
    // dependency identifier.
    const uint8_t first = b_[value.Offset] & 0xBF;
    return Document(value.Offset, value.Offset + value.Size, nullptr, nesting + 1, first == 0x01) !=
           0;
  }
  // A null value leaves a normal substitution empty; an optional one takes
  // its element away, which only the sink can do.
  if (value.Type != evtx_value::kNull || optional) {
    sink_.Value(value.Type, b_ + value.Offset, value.Size);
  }
  return true;
}

size_t TReader::TemplateInstance(size_t pos, size_t end, int nesting) {
  // Token, an unknown byte, the template identifier, the definition's offset.
  if (!Has(pos, 10, end)) {
    return 0;
  }
  const uint32_t definition = Le32(b_ + pos + 6);
  pos += 10;
  // The definition: next offset, GUID, data size, then the data.
  if (!Has(definition, 24, size_)) {
    return 0;
  }
  const size_t dataSize = Le32(b_ + definition + 20);
  const size_t body = definition + 24;
  if (!Has(body, dataSize, size_)) {
    return 0;
  }
  if (definition == pos) {
    if (!Has(body, dataSize, end)) {
      return 0;
    }
    pos = body + dataSize;
  }
  if (!Has(pos, 4, end)) {
    return 0;
  }
  const size_t count = Le32(b_ + pos);
  pos += 4;
  if (count > (end - pos) / 4) {
    return 0;
  }
  std::vector<TValueRef> values(count);
  size_t data = pos + 4 * count;
  for (size_t i = 0; i < count; ++i) {
    const size_t valueSize = Le16(b_ + pos + 4 * i);
    if (!Has(data, valueSize, end)) {
      return 0;
    }
    values[i] = {data, valueSize, b_[pos + 4 * i + 2]};
    data += valueSize;
  }
  if (Document(body, body + dataSize, &values, nesting + 1, false) == 0) {
    return 0;
  }
  return data;
}

size_t TReader::Document(size_t pos, size_t end, const std::vector<TValueRef>* values, int nesting,
                         bool bareElements) {
  if (nesting > kMaxNesting) {
    return 0;
  }
  while (pos < end) {
    if (--budget_ == 0) {
      return 0;
    }
    const uint8_t token = b_[pos];
    const bool more = (token & 0x40) != 0;
    switch (token & 0xBF) {
      case 0x00:
        ended_ = ended_ || nesting == 0;
        return pos + 1;
      case 0x0F:  // fragment header: version and flags
        if (!Has(pos, 4, end)) {
          return 0;
        }
        pos += 4;
        break;
      case 0x01: {
        size_t p = pos + 1 + (bareElements ? 0 : 2);  // dependency identifier
        if (!Has(p, 8, end) || ++depth_ > kMaxElementDepth) {
          return 0;
        }
        const uint32_t nameAt = Le32(b_ + p + 4);
        p += 8;
        const uint8_t* name;
        size_t chars;
        if (!Name(nameAt, p, end, name, chars)) {
          return 0;
        }
        if (more) {  // the attribute list's size
          if (!Has(p, 4, end)) {
            return 0;
          }
          p += 4;
        }
        sink_.OpenElement(name, chars);
        pos = p;
        break;
      }
      case 0x02:
        sink_.CloseStartTag();
        ++pos;
        break;
      case 0x03:
      case 0x04:
        if (depth_ == 0) {
          return 0;
        }
        --depth_;
        if ((token & 0xBF) == 0x03) {
          sink_.CloseStartTag();
        }
        sink_.CloseElement();
        ++pos;
        break;
      case 0x05: {
        if (!Has(pos, 4, end) || b_[pos + 1] != evtx_value::kString) {
          return 0;
        }
        const size_t chars = Le16(b_ + pos + 2);
        if (!Has(pos + 4, 2 * chars, end)) {
          return 0;
        }
        sink_.Value(evtx_value::kString, b_ + pos + 4, 2 * chars);
        pos += 4 + 2 * chars;
        break;
      }
      case 0x06: {
        if (!Has(pos, 5, end)) {
          return 0;
        }
        size_t p = pos + 5;
        const uint8_t* name;
        size_t chars;
        if (!Name(Le32(b_ + pos + 1), p, end, name, chars)) {
          return 0;
        }
        sink_.Attribute(name, chars);
        pos = p;
        break;
      }
      case 0x07:
      case 0x0B: {  // CDATA, PI data: a counted text
        if (!Has(pos, 3, end)) {
          return 0;
        }
        const size_t chars = Le16(b_ + pos + 1);
        if (!Has(pos + 3, 2 * chars, end)) {
          return 0;
        }
        if ((token & 0xBF) == 0x07) {
          sink_.Value(evtx_value::kString, b_ + pos + 3, 2 * chars);
        }
        pos += 3 + 2 * chars;
        break;
      }
      case 0x08:
        if (!Has(pos, 3, end)) {
          return 0;
        }
        EmitChar(Le16(b_ + pos + 1));
        pos += 3;
        break;
      case 0x09:
      case 0x0A: {  // entity reference, PI target: a name
        if (!Has(pos, 5, end)) {
          return 0;
        }
        size_t p = pos + 5;
        const uint8_t* name;
        size_t chars;
        if (!Name(Le32(b_ + pos + 1), p, end, name, chars)) {
          return 0;
        }
        if ((token & 0xBF) == 0x09) {
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
        pos = p;
        break;
      }
      case 0x0C:
        pos = TemplateInstance(pos, end, nesting);
        if (pos == 0) {
          return 0;
        }
        break;
      case 0x0D:
      case 0x0E: {
        if (!Has(pos, 4, end)) {
          return 0;
        }
        const size_t id = Le16(b_ + pos + 1);
        const bool optional = (token & 0xBF) == 0x0E;
        if (values && id < values->size() && !Substitute((*values)[id], optional, nesting)) {
          return 0;
        }
        pos += 4;
        break;
      }
      default:
        return 0;
    }
  }
  // A document cut before its end-of-document token still said what it said.
  return pos;
}

}  // namespace

bool ReadBinXml(const uint8_t* chunk, size_t chunkSize, size_t begin, size_t end,
                TBinXmlSink& sink) {
  if (end > chunkSize || begin >= end) {
    return false;
  }
  TReader reader(chunk, chunkSize, sink);
  return reader.Document(begin, end, nullptr, 0, false) != 0 && reader.ended_;
}
