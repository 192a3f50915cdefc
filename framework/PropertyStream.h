#pragma once
// Property streams: the layout records of windows and controls, as bytes.
//
// A stream is a run of records, each the property's name, one space and the
// value: a Boolean is one byte (1 or 0), a colour three bytes (red, green, blue),
// a text its length as a 4-byte big-endian integer followed by its bytes, and
// every other value a 4-byte big-endian Int32. A property's kind follows from its
// name (PropertyKindOf), so a stream can be read back without a schema of its
// own; a name the framework does not know is refused.

#include <cstdint>
#include <string>
#include <vector>

#include "Color.h"
#include "Object.h"

struct PropertyValue {
  enum class Kind { Boolean, Color, Text, Int32 };
  Kind kind = Kind::Int32;
  bool boolean = false;
  ::Color color{};
  std::string text;
  int32_t int32 = 0;

  friend bool operator==(const PropertyValue& a, const PropertyValue& b);
};

struct PropertyRecord {
  std::string name;
  PropertyValue value;
  friend bool operator==(const PropertyRecord& a, const PropertyRecord& b) {
    return a.name == b.name && a.value == b.value;
  }
};

// The kind of a named property; TypeMismatchException for an unknown name.
PropertyValue::Kind PropertyKindOf(const std::string& name);

// Builds a stream record by record, in the order the properties are applied.
class PropertyStream {
public:
  PropertyStream& Boolean(const std::string& name, bool value);
  PropertyStream& Color(const std::string& name, ::Color value);
  PropertyStream& Text(const std::string& name, const std::string& value);
  PropertyStream& Int32(const std::string& name, int32_t value);
  // The records of another stream, after these.
  PropertyStream& Append(const PropertyStream& other);

  const std::string& Bytes() const { return bytes_; }
  operator const std::string&() const { return bytes_; }

private:
  void Name(const std::string& name, PropertyValue::Kind kind);
  std::string bytes_;
};

// The records of a stream; TypeMismatchException for a malformed one.
std::vector<PropertyRecord> ReadPropertyStream(const std::string& bytes);

// What takes property records: windows and controls.
class PropertyTarget {
public:
  virtual ~PropertyTarget() = default;
  // Applies one record. Records of properties the target has no use for are
  // accepted and ignored.
  virtual void SetProperty(const PropertyRecord& record) = 0;
};

// Applies every record of the stream to target, in order.
void SetProperties(PropertyTarget& target, const std::string& bytes);
template <class T>
void SetProperties(const Ref<T>& target, const std::string& bytes) {
  SetProperties(static_cast<PropertyTarget&>(*target), bytes);
}
