#include "PropertyStream.h"

#include <map>

bool operator==(const PropertyValue& a, const PropertyValue& b) {
  if (a.kind != b.kind) return false;
  switch (a.kind) {
    case PropertyValue::Kind::Boolean: return a.boolean == b.boolean;
    case PropertyValue::Kind::Color: return a.color == b.color;
    case PropertyValue::Kind::Text: return a.text == b.text;
    case PropertyValue::Kind::Int32: return a.int32 == b.int32;
  }
  return false;
}

namespace {

using Kind = PropertyValue::Kind;

const std::map<std::string, Kind>& Kinds() {
  static const std::map<std::string, Kind> kinds = [] {
    std::map<std::string, Kind> k;
    for (const char* name :
         {"Composite", "HasBackColor", "Visible", "FullScreen", "MenuBarVisible", "CloseButton",
          "Resizeable", "LiveResize", "MaximizeButton", "MinimizeButton", "LockLeft", "LockTop",
          "LockRight", "LockBottom", "Multiline", "Enabled", "AutoDeactivate", "Bold", "Italic",
          "Underline", "Default", "Cancel", "UseFocusRing", "AcceptFocus", "AcceptTabs",
          "EraseBackground", "HasHeading", "Border", "ReadOnly", "Styled", "Password",
          "ScrollBarHorizontal", "ScrollBarVertical", "ScrollbarVertical", "RequiresSelection",
          "processingClick", "Active", "Floating"}) {
      k[name] = Kind::Boolean;
    }
    for (const char* name : {"BackColor", "TextColor", "FillColor", "BorderColor"}) k[name] = Kind::Color;
    for (const char* name :
         {"Title", "BalloonHelp", "Name", "Text", "Caption", "HelpTag", "TextFont", "DataSource",
          "DataField", "InitialParent", "InitialValue", "ColumnWidths", "Mask", "Format"}) {
      k[name] = Kind::Text;
    }
    for (const char* name :
         {"Placement", "Width", "Height", "MinWidth", "MinHeight", "MaxWidth", "MaxHeight", "Frame",
          "MacProcID", "Index", "Left", "Top", "TabPanelIndex", "TabIndex", "TextAlign", "TextSize",
          "Mode", "Period", "BorderWidth", "X1", "Y1", "X2", "Y2", "ColumnCount",
          "DefaultRowHeight", "GridLinesHorizontal", "GridLinesVertical", "ListIndex", "LimitText",
          "Alignment"}) {
      k[name] = Kind::Int32;
    }
    return k;
  }();
  return kinds;
}

void PutInt32(std::string& out, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  out += static_cast<char>((u >> 24) & 0xFF);
  out += static_cast<char>((u >> 16) & 0xFF);
  out += static_cast<char>((u >> 8) & 0xFF);
  out += static_cast<char>(u & 0xFF);
}

}  // namespace

PropertyValue::Kind PropertyKindOf(const std::string& name) {
  const auto found = Kinds().find(name);
  if (found == Kinds().end()) throw TypeMismatchException("Unknown layout property \"" + name + "\"");
  return found->second;
}

void PropertyStream::Name(const std::string& name, Kind kind) {
  if (PropertyKindOf(name) != kind) throw TypeMismatchException("Layout property \"" + name + "\" is of another kind");
  bytes_ += name;
  bytes_ += ' ';
}

PropertyStream& PropertyStream::Boolean(const std::string& name, bool value) {
  Name(name, Kind::Boolean);
  bytes_ += static_cast<char>(value ? 1 : 0);
  return *this;
}

PropertyStream& PropertyStream::Color(const std::string& name, ::Color value) {
  Name(name, Kind::Color);
  bytes_ += static_cast<char>(value.red);
  bytes_ += static_cast<char>(value.green);
  bytes_ += static_cast<char>(value.blue);
  return *this;
}

PropertyStream& PropertyStream::Text(const std::string& name, const std::string& value) {
  Name(name, Kind::Text);
  PutInt32(bytes_, static_cast<int32_t>(value.size()));
  bytes_ += value;
  return *this;
}

PropertyStream& PropertyStream::Int32(const std::string& name, int32_t value) {
  Name(name, Kind::Int32);
  PutInt32(bytes_, value);
  return *this;
}

PropertyStream& PropertyStream::Append(const PropertyStream& other) {
  bytes_ += other.bytes_;
  return *this;
}

std::vector<PropertyRecord> ReadPropertyStream(const std::string& bytes) {
  std::vector<PropertyRecord> records;
  size_t at = 0;
  auto need = [&](size_t n) {
    if (bytes.size() - at < n) throw TypeMismatchException("A layout record ends too early");
  };
  auto byte = [&]() { return static_cast<uint8_t>(bytes[at++]); };
  auto int32 = [&]() {
    need(4);
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u = (u << 8) | byte();
    return static_cast<int32_t>(u);
  };
  while (at < bytes.size()) {
    const size_t space = bytes.find(' ', at);
    if (space == std::string::npos) throw TypeMismatchException("A layout record has no value");
    PropertyRecord r;
    r.name = bytes.substr(at, space - at);
    at = space + 1;
    r.value.kind = PropertyKindOf(r.name);
    switch (r.value.kind) {
      case Kind::Boolean:
        need(1);
        r.value.boolean = byte() != 0;
        break;
      case Kind::Color:
        need(3);
        r.value.color.red = byte();
        r.value.color.green = byte();
        r.value.color.blue = byte();
        break;
      case Kind::Text: {
        const int32_t length = int32();
        if (length < 0) throw TypeMismatchException("A layout text has a negative length");
        need(static_cast<size_t>(length));
        r.value.text = bytes.substr(at, static_cast<size_t>(length));
        at += static_cast<size_t>(length);
        break;
      }
      case Kind::Int32:
        r.value.int32 = int32();
        break;
    }
    records.push_back(std::move(r));
  }
  return records;
}

void SetProperties(PropertyTarget& target, const std::string& bytes) {
  for (const PropertyRecord& r : ReadPropertyStream(bytes)) target.SetProperty(r);
}
