#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Writes .evtx chunks and files byte by byte for the tests: binary XML with
// inline or shared names, templates defined in place or by reference.
class TEvtxChunkBuilder {
 public:
  std::vector<uint8_t> Bytes = std::vector<uint8_t>(65536, 0);
  size_t At = 512;

  void U8(uint8_t v) { Bytes[At++] = v; }
  void U16(uint16_t v) {
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
  }
  void U32(uint32_t v) {
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
  }
  void U64(uint64_t v) {
    U32(static_cast<uint32_t>(v));
    U32(static_cast<uint32_t>(v >> 32));
  }
  void Put32(size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      Bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
    }
  }
  void Utf16(const std::string& ascii) {
    for (char c : ascii) {
      U16(static_cast<uint8_t>(c));
    }
  }
  // A name's offset; the first use stores it right here.
  void NameRef(const std::string& name) {
    const auto found = names_.find(name);
    if (found != names_.end()) {
      U32(static_cast<uint32_t>(found->second));
      return;
    }
    const size_t at = At + 4;
    names_[name] = at;
    U32(static_cast<uint32_t>(at));
    U32(0);
    U16(0);  // hash
    U16(static_cast<uint16_t>(name.size()));
    Utf16(name);
    U16(0);
  }
  void Open(const std::string& name, bool attributes = false) {
    U8(attributes ? 0x41 : 0x01);
    U16(0xFFFF);
    U32(0);  // data size, unused by readers that walk tokens
    NameRef(name);
    if (attributes) {
      U32(0);
    }
  }
  void Attribute(const std::string& name) {
    U8(0x06);
    NameRef(name);
  }
  void CloseStart() { U8(0x02); }
  void CloseEmpty() { U8(0x03); }
  void End() { U8(0x04); }
  void Text(const std::string& ascii) {
    U8(0x05);
    U8(0x01);
    U16(static_cast<uint16_t>(ascii.size()));
    Utf16(ascii);
  }
  void Sub(uint16_t id, uint8_t type, bool optional = false) {
    U8(optional ? 0x0E : 0x0D);
    U16(id);
    U8(type);
  }
  void Fragment() {
    U8(0x0F);
    U8(1);
    U8(1);
    U8(0);
  }
  void Eof() { U8(0x00); }
  // <System> as Windows writes it: provider, qualifiers, event ID, time and
  // SID from substitutions 0..4, and the computer's name when one is given.
  void System(const char* computer = nullptr) {
    Open("System");
    CloseStart();
    Open("Provider", true);
    Attribute("Name");
    Sub(0, 0x01);
    CloseEmpty();
    Open("EventID", true);
    Attribute("Qualifiers");
    Sub(1, 0x06, true);
    CloseStart();
    Sub(2, 0x06);
    End();
    Open("TimeCreated", true);
    Attribute("SystemTime");
    Sub(3, 0x11);
    CloseEmpty();
    Open("Security", true);
    Attribute("UserID");
    Sub(4, 0x13, true);
    CloseEmpty();
    if (computer) {
      Open("Computer");
      CloseStart();
      Text(computer);
      End();
    }
    End();
  }

  struct TValue {
    uint8_t Type;
    std::vector<uint8_t> Bytes;
  };
  static TValue Str(const std::string& ascii) {
    TValue v{0x01, {}};
    for (char c : ascii) {
      v.Bytes.push_back(static_cast<uint8_t>(c));
      v.Bytes.push_back(0);
    }
    return v;
  }
  static TValue Num(uint8_t type, uint64_t value, size_t size) {
    TValue v{type, {}};
    for (size_t i = 0; i < size; ++i) {
      v.Bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
    return v;
  }

  // A template instance; `body` writes the definition's document when it is
  // defined here, else `definition` is the offset of one written before.
  // Returns the definition's offset.
  size_t Template(const std::function<void()>& body, const std::vector<TValue>& values,
                  size_t definition = 0) {
    U8(0x0C);
    U8(1);
    U32(0x1234);
    if (definition == 0) {
      definition = At + 4;
      U32(static_cast<uint32_t>(definition));
      U32(0);  // next definition
      for (int i = 0; i < 16; ++i) {
        U8(static_cast<uint8_t>(i));
      }
      const size_t sizeAt = At;
      U32(0);
      const size_t start = At;
      body();
      Put32(sizeAt, static_cast<uint32_t>(At - start));
    } else {
      U32(static_cast<uint32_t>(definition));
    }
    U32(static_cast<uint32_t>(values.size()));
    for (const TValue& v : values) {
      U16(static_cast<uint16_t>(v.Bytes.size()));
      U8(v.Type);
      U8(0);
    }
    for (const TValue& v : values) {
      for (uint8_t b : v.Bytes) {
        U8(b);
      }
    }
    return definition;
  }

  // A record around the binary XML `body` writes; returns its offset.
  size_t Record(uint64_t number, uint64_t written, const std::function<void()>& body) {
    const size_t start = At;
    U32(0x00002A2A);
    U32(0);
    U64(number);
    U64(written);
    body();
    while ((At - start + 4) % 8 != 0) {
      U8(0);
    }
    U32(static_cast<uint32_t>(At - start + 4));
    Put32(start + 4, static_cast<uint32_t>(At - start));
    last_ = start;
    return start;
  }

  // The chunk header, once the records are written.
  std::vector<uint8_t> Finish(uint64_t first, uint64_t last) {
    const char signature[8] = {'E', 'l', 'f', 'C', 'h', 'n', 'k', 0};
    for (int i = 0; i < 8; ++i) {
      Bytes[i] = static_cast<uint8_t>(signature[i]);
    }
    const size_t at = At;
    At = 8;
    U64(first);
    U64(last);
    U64(first);
    U64(last);
    U32(128);
    U32(static_cast<uint32_t>(last_));
    U32(static_cast<uint32_t>(at));
    At = at;
    return Bytes;
  }

 private:
  std::map<std::string, size_t> names_;
  size_t last_ = 512;
};

// A file: the 4 KiB header, then the chunks as given.
inline std::vector<uint8_t> EvtxFileBytes(const std::vector<std::vector<uint8_t>>& chunks) {
  std::vector<uint8_t> file(4096, 0);
  const char signature[8] = {'E', 'l', 'f', 'F', 'i', 'l', 'e', 0};
  for (int i = 0; i < 8; ++i) {
    file[i] = static_cast<uint8_t>(signature[i]);
  }
  file[32] = 128;
  file[36] = 1;
  file[38] = 3;
  file[41] = 0x10;  // 4096
  file[42] = static_cast<uint8_t>(chunks.size());
  for (const auto& c : chunks) {
    file.insert(file.end(), c.begin(), c.end());
  }
  return file;
}
