#pragma once
// Reference-counted objects. Every object the program passes around is held in
// a Ref: a shared pointer whose member access throws NilObjectException instead
// of dereferencing nil, so a mistake is reported rather than crashing.

#include <memory>
#include <type_traits>
#include <typeinfo>

#include "Exceptions.h"
#include "Pool.h"

class Object : public std::enable_shared_from_this<Object> {
public:
  virtual ~Object() = default;
};

template <class T>
class Ref {
public:
  Ref() = default;
  Ref(std::nullptr_t) {}
  Ref(std::shared_ptr<T> p) : p_(std::move(p)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  Ref(const Ref<U>& other) : p_(other.shared()) {}

  T* operator->() const { return &deref(); }
  T& operator*() const { return deref(); }
  T& deref() const {
    if (!p_) throw NilObjectException();
    return *p_;
  }

  T* get() const { return p_.get(); }
  const std::shared_ptr<T>& shared() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  friend bool operator==(const Ref& a, std::nullptr_t) { return !a.p_; }
  friend bool operator!=(const Ref& a, std::nullptr_t) { return a.p_ != nullptr; }
  template <class U>
  friend bool operator==(const Ref& a, const Ref<U>& b) { return a.get() == b.get(); }
  template <class U>
  friend bool operator!=(const Ref& a, const Ref<U>& b) { return a.get() != b.get(); }

private:
  std::shared_ptr<T> p_;
};

// A new object of class T with every field at its zero value; the caller runs
// whichever Constructor the class has.
template <class T, class... Args>
Ref<T> New(Args&&... args) {
  return Ref<T>(std::allocate_shared<T>(PoolAllocator<T>(), std::forward<Args>(args)...));
}

// The type-testing cast: nil when o is nil or not a T. (Most casts ask for the
// object's own class, which is answered without searching its bases.)
template <class T, class U>
Ref<T> Cast(const Ref<U>& o) {
  if constexpr (std::is_base_of_v<U, T> && std::is_polymorphic_v<U>) {
    const U* p = o.get();
    if (p != nullptr && typeid(*p) == typeid(T)) return Ref<T>(std::static_pointer_cast<T>(o.shared()));
  }
  return Ref<T>(std::dynamic_pointer_cast<T>(o.shared()));
}

// The Ref that owns a live object (the program's "self").
template <class T>
Ref<T> RefTo(T* self) {
  if (!self) throw NilObjectException();
  return Ref<T>(std::static_pointer_cast<T>(self->shared_from_this()));
}
