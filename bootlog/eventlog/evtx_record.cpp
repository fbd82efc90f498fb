#include "bootlog/eventlog/evtx_record.h"

#include <cstring>

#include "bootlog/eventlog/binxml.h"
#include "bootlog/eventlog/evtx_value.h"
#include "bootlog/little_endian.h"

namespace {

enum class TPart : uint8_t {
  kOther,
  kEvent,
  kSystem,
  kProvider,
  kEventId,
  kTimeCreated,
  kSecurity,
  kComputer,
  kEventData,
  kData,
  kUserData,
  kUserValue,  // an element inside UserData
};

enum class TField : uint8_t { kNone, kProviderName, kQualifiers, kSystemTime, kUserId };

bool NameIs(const uint8_t* name, size_t chars, const char* ascii) {
  const size_t length = std::strlen(ascii);
  if (chars != length) {
    return false;
  }
  for (size_t i = 0; i < length; ++i) {
    if (Le16(name + 2 * i) != static_cast<uint8_t>(ascii[i])) {
      return false;
    }
  }
  return true;
}

uint16_t ParseNumber(const std::string& text) {
  uint32_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      return 0;
    }
    value = value * 10 + static_cast<uint32_t>(c - '0');
    if (value > 0xFFFF) {
      return 0;
    }
  }
  return static_cast<uint16_t>(value);
}

class TRecordSink : public TBinXmlSink {
 public:
  explicit TRecordSink(TEvtxRecord& record) : record_(record) {}

  void OpenElement(const uint8_t* name, size_t chars) override {
    const TPart parent = stack_.empty() ? TPart::kOther : stack_.back().Part;
    if (!stack_.empty()) {
      stack_.back().HasChild = true;
    }
    TPart part = TPart::kOther;
    if (stack_.empty()) {
      part = NameIs(name, chars, "Event") ? TPart::kEvent : TPart::kOther;
    } else if (parent == TPart::kEvent) {
      part = NameIs(name, chars, "System")      ? TPart::kSystem
             : NameIs(name, chars, "EventData") ? TPart::kEventData
             : NameIs(name, chars, "UserData")  ? TPart::kUserData
                                                : TPart::kOther;
    } else if (parent == TPart::kSystem) {
      part = NameIs(name, chars, "Provider")      ? TPart::kProvider
             : NameIs(name, chars, "EventID")     ? TPart::kEventId
             : NameIs(name, chars, "TimeCreated") ? TPart::kTimeCreated
             : NameIs(name, chars, "Security")    ? TPart::kSecurity
             : NameIs(name, chars, "Computer")    ? TPart::kComputer
                                                  : TPart::kOther;
    } else if (parent == TPart::kEventData) {
      part = NameIs(name, chars, "Data") ? TPart::kData : TPart::kOther;
    } else if (parent == TPart::kUserData || parent == TPart::kUserValue) {
      part = TPart::kUserValue;
    }
    stack_.push_back({part, false, false});
    text_.clear();
    field_ = TField::kNone;
    inStartTag_ = true;
  }

  void Attribute(const uint8_t* name, size_t chars) override {
    field_ = TField::kNone;
    if (stack_.empty()) {
      return;
    }
    const TPart part = stack_.back().Part;
    if (part == TPart::kProvider && NameIs(name, chars, "Name")) {
      field_ = TField::kProviderName;
      record_.Provider.clear();
    } else if (part == TPart::kEventId && NameIs(name, chars, "Qualifiers")) {
      field_ = TField::kQualifiers;
      qualifiers_.clear();
    } else if (part == TPart::kTimeCreated && NameIs(name, chars, "SystemTime")) {
      field_ = TField::kSystemTime;
    } else if (part == TPart::kSecurity && NameIs(name, chars, "UserID")) {
      field_ = TField::kUserId;
    }
  }

  void CloseStartTag() override {
    inStartTag_ = false;
    field_ = TField::kNone;
    if (!stack_.empty() && stack_.back().Part == TPart::kEventId && !qualifiers_.empty()) {
      record_.HasQualifiers = true;
      record_.Qualifiers = ParseNumber(qualifiers_);
    }
  }

  void CloseElement() override {
    if (stack_.empty()) {
      return;
    }
    const TFrame frame = stack_.back();
    stack_.pop_back();
    switch (frame.Part) {
      case TPart::kEventId:
        record_.EventId = ParseNumber(text_);
        break;
      case TPart::kComputer:
        record_.Computer = text_;
        break;
      case TPart::kData:
      case TPart::kUserValue:
        if (frame.FromArray) {
          record_.Values.insert(record_.Values.end(), items_.begin(), items_.end());
        } else if (!frame.HasChild) {
          record_.Values.push_back(text_);
        }
        break;
      default:
        break;
    }
    text_.clear();
  }

  void Value(uint8_t type, const uint8_t* bytes, size_t size) override {
    if (inStartTag_) {
      switch (field_) {
        case TField::kProviderName:
          AppendValueText(type, bytes, size, record_.Provider);
          break;
        case TField::kQualifiers:
          AppendValueText(type, bytes, size, qualifiers_);
          break;
        case TField::kSystemTime:
          if (type == evtx_value::kFileTime && size == 8) {
            record_.Created = Le64(bytes);
          }
          break;
        case TField::kUserId:
          if (type == evtx_value::kSid) {
            record_.Sid.assign(reinterpret_cast<const char*>(bytes), size);
          }
          break;
        case TField::kNone:
          break;
      }
      return;
    }
    if (stack_.empty() || stack_.back().Part == TPart::kOther) {
      return;  // only the text of the elements kept is needed
    }
    TFrame& frame = stack_.back();
    const bool repeats = frame.Part == TPart::kData || frame.Part == TPart::kUserValue;
    if (repeats && (type == evtx_value::kNull || (type & evtx_value::kArray))) {
      // The element stands once for each of the array's elements: none for
      // an empty array or a missing optional value.
      frame.FromArray = true;
      items_.clear();
      ArrayElementTexts(type, bytes, size, items_);
      return;
    }
    AppendValueText(type, bytes, size, text_);
  }

 private:
  struct TFrame {
    TPart Part;
    bool HasChild;
    bool FromArray;  // repeated once per element of an array value, in items_
  };
  TEvtxRecord& record_;
  std::vector<TFrame> stack_;
  std::string text_, qualifiers_;
  std::vector<std::string> items_;
  TField field_ = TField::kNone;
  bool inStartTag_ = false;
};

}  // namespace

bool DecodeEvtxRecord(const uint8_t* chunk, size_t chunkSize, size_t offset, size_t size,
                      TEvtxRecord& record) {
  // Signature, size, number, written time, binary XML, a copy of the size.
  record = {};
  record.Number = Le64(chunk + offset + 8);
  record.Written = Le64(chunk + offset + 16);
  TRecordSink sink(record);
  if (!ReadBinXml(chunk, chunkSize, offset + 24, offset + size - 4, sink)) {
    return false;
  }
  if (record.Created == 0) {
    record.Created = record.Written;
  }
  return true;
}
