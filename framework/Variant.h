#pragma once
// Variant: one value of nothing, a Boolean, a 32-bit integer, a double, a text
// or an object reference.
//
// A generation copies hundreds of thousands of one-letter texts, so a Variant is
// 16 bytes and a text of up to six bytes lives inside it: copying one is a plain
// copy of the 16 bytes. Longer texts and object references live in a shared,
// reference-counted box. Variants belong to the one user-interface thread.

#include <cstdint>
#include <string>

#include "Object.h"

class Variant {
public:
  enum class Type : uint8_t { Nothing, Boolean, Int32, Double, String, Object };

  Variant() noexcept = default;
  Variant(bool b) noexcept;
  Variant(int32_t i) noexcept;
  Variant(double d) noexcept;
  Variant(const char* s);
  Variant(const std::string& s);
  template <class T>
  Variant(const Ref<T>& o) : Variant(std::static_pointer_cast<Object>(o.shared())) {}
  Variant(const Ref<Object>& o) : Variant(o.shared()) {}
  Variant(std::shared_ptr<Object> o);
  Variant(std::nullptr_t) noexcept : Variant() {}

  Variant(const Variant& other) noexcept : c_(other.c_) { other.retain(); }
  Variant& operator=(const Variant& other) noexcept {
    if (this != &other) {
      other.retain();
      release();
      c_ = other.c_;
    }
    return *this;
  }
  ~Variant() { release(); }

  Type type() const { return c_.type; }
  // Nothing, or an object reference that is nil.
  bool IsNil() const;

  // Conversions, as a caller takes a value out of a Variant:
  // - BooleanValue: a Boolean as it is; numbers are True when not 0; nothing is False.
  // - Int32Value: an integer as it is; a double through ToInt32; a text through
  //   Val and ToInt32; a Boolean as 1 or 0; nothing is 0.
  // - DoubleValue: a number as it is; a text through Val; a Boolean as 1 or 0;
  //   nothing is 0.
  // - StringValue: a text as it is; numbers through Str; "True"/"False"; nothing
  //   is the empty text.
  // - ObjectValue: the reference; nothing gives nil.
  // Asking an object for a number or a text, or a value for an object, raises
  // TypeMismatchException.
  bool BooleanValue() const;
  int32_t Int32Value() const;
  double DoubleValue() const;
  std::string StringValue() const;
  Ref<Object> ObjectValue() const;

  // Same type and value; objects are equal when they are the same object.
  friend bool operator==(const Variant& a, const Variant& b);
  friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

  struct Box;

private:
  static Box* NewBox();
  static constexpr uint8_t kBoxed = 0xFF;
  static constexpr int kInline = 6;

  // Objects and long texts; one test, since every copy asks.
  bool boxed() const { return c_.len == kBoxed; }
  void retain() const noexcept {
    if (boxed()) Retain(c_.box);
  }
  void release() noexcept {
    if (boxed()) Release(c_.box);
  }
  static void Retain(Box* box) noexcept;
  static void Release(Box* box) noexcept;

  // The whole value; trivially copyable, so a copy is a copy of 16 bytes.
  struct Cell {
    Type type;
    uint8_t len;  // a text's length when inline, kBoxed for whatever is in a box
    char text[kInline];
    union {
      bool b;
      int32_t i;
      double d;
      Box* box;
    };
  };
  Cell c_{};
};
static_assert(sizeof(Variant) == 16, "a Variant stays small: sequences hold many");
