#pragma once

#include <cstddef>
#include <cstdint>

// What a binary XML document says, in document order. Names are UTF-16LE
// without their NUL; values are typed (evtx_value.h), text values UTF-16LE.
class TBinXmlSink {
 public:
  virtual ~TBinXmlSink() = default;
  virtual void OpenElement(const uint8_t* name, size_t chars) = 0;
  // The values that follow belong to this attribute until the start tag closes.
  virtual void Attribute(const uint8_t* name, size_t chars) = 0;
  virtual void CloseStartTag() = 0;
  virtual void CloseElement() = 0;
  // A null value (type 0) comes only from an optional substitution: the
  // element it stands in is not there.
  virtual void Value(uint8_t type, const uint8_t* bytes, size_t size) = 0;
};

// Reads the binary XML of one record, `chunk[begin, end)`, against the chunk
// it lives in (names and template definitions are found by chunk offsets).
// False when the bytes are no well-formed document; what was said before the
// fault has reached the sink. Never reads outside the chunk; templates and
// embedded documents nest at most a few levels and the work is bounded, so a
// hostile chunk cannot make it loop.
bool ReadBinXml(const uint8_t* chunk, size_t chunkSize, size_t begin, size_t end,
                TBinXmlSink& sink);
