#include "Variant.h"

#include <cstring>
#include <vector>

#include "TextNumber.h"

struct Variant::Box {
  long count = 1;
  Ref<Object> object;
  std::string text;
};

namespace {

constexpr size_t kMaxSpareBoxes = 4096;
// Set when the spare boxes are freed at exit; a box released after that (by a
// variant that outlives them) is freed at once.
bool spareBoxesFreed = false;

// Boxes are reused: a generation puts hundreds of virions into variants and
// drops them again, and the allocator's small caches do not reach that far.
// The spares are freed when the program ends.
struct SpareBoxes {
  std::vector<Variant::Box*> boxes;
  ~SpareBoxes() {
    for (Variant::Box* box : boxes) delete box;
    spareBoxesFreed = true;
  }
};

SpareBoxes& Spares() {
  static SpareBoxes spares;
  return spares;
}

}  // namespace

Variant::Box* Variant::NewBox() {
  if (spareBoxesFreed || Spares().boxes.empty()) return new Box;
  auto& spare = Spares().boxes;
  Box* box = spare.back();
  spare.pop_back();
  box->count = 1;
  return box;
}

Variant::Variant(bool b) noexcept {
  c_.type = Type::Boolean;
  c_.b = b;
}

Variant::Variant(int32_t i) noexcept {
  c_.type = Type::Int32;
  c_.i = i;
}

Variant::Variant(double d) noexcept {
  c_.type = Type::Double;
  c_.d = d;
}

Variant::Variant(const char* s) : Variant(std::string(s ? s : "")) {}

Variant::Variant(const std::string& s) {
  c_.type = Type::String;
  if (s.size() <= static_cast<size_t>(kInline)) {
    c_.len = static_cast<uint8_t>(s.size());
    std::memcpy(c_.text, s.data(), s.size());
  } else {
    c_.len = kBoxed;
    c_.box = NewBox();
    c_.box->text = s;
  }
}

Variant::Variant(std::shared_ptr<Object> o) {
  c_.type = Type::Object;
  c_.len = kBoxed;
  c_.box = NewBox();
  c_.box->object = Ref<Object>(std::move(o));
}

void Variant::Retain(Box* box) noexcept { ++box->count; }

void Variant::Release(Box* box) noexcept {
  if (--box->count != 0) return;
  box->object = nullptr;
  box->text.clear();
  if (spareBoxesFreed || Spares().boxes.size() >= kMaxSpareBoxes) {
    delete box;
    return;
  }
  Spares().boxes.push_back(box);
}

bool Variant::IsNil() const {
  return c_.type == Type::Nothing || (c_.type == Type::Object && c_.box->object == nullptr);
}

bool Variant::BooleanValue() const {
  switch (c_.type) {
    case Type::Nothing: return false;
    case Type::Boolean: return c_.b;
    case Type::Int32: return c_.i != 0;
    case Type::Double: return c_.d != 0.0;
    case Type::String: return StringValue() == "True";
    case Type::Object: break;
  }
  throw TypeMismatchException("An object is not a Boolean");
}

int32_t Variant::Int32Value() const {
  switch (c_.type) {
    case Type::Nothing: return 0;
    case Type::Boolean: return c_.b ? 1 : 0;
    case Type::Int32: return c_.i;
    case Type::Double: return ToInt32(c_.d);
    case Type::String: return ToInt32(Val(StringValue()));
    case Type::Object: break;
  }
  throw TypeMismatchException("An object is not a number");
}

double Variant::DoubleValue() const {
  switch (c_.type) {
    case Type::Nothing: return 0.0;
    case Type::Boolean: return c_.b ? 1.0 : 0.0;
    case Type::Int32: return c_.i;
    case Type::Double: return c_.d;
    case Type::String: return Val(StringValue());
    case Type::Object: break;
  }
  throw TypeMismatchException("An object is not a number");
}

std::string Variant::StringValue() const {
  switch (c_.type) {
    case Type::Nothing: return std::string();
    case Type::Boolean: return c_.b ? "True" : "False";
    case Type::Int32: return Str(c_.i);
    case Type::Double: return Str(c_.d);
    case Type::String:
      return c_.len == kBoxed ? c_.box->text : std::string(c_.text, c_.len);
    case Type::Object: break;
  }
  throw TypeMismatchException("An object is not a text");
}

Ref<Object> Variant::ObjectValue() const {
  if (c_.type == Type::Nothing) return nullptr;
  if (c_.type == Type::Object) return c_.box->object;
  throw TypeMismatchException("A value is not an object");
}

bool operator==(const Variant& a, const Variant& b) {
  if (a.c_.type != b.c_.type) return false;
  switch (a.c_.type) {
    case Variant::Type::Nothing: return true;
    case Variant::Type::Boolean: return a.c_.b == b.c_.b;
    case Variant::Type::Int32: return a.c_.i == b.c_.i;
    case Variant::Type::Double: return a.c_.d == b.c_.d;
    case Variant::Type::String: return a.StringValue() == b.StringValue();
    case Variant::Type::Object: return a.c_.box->object == b.c_.box->object;
  }
  return false;
}
