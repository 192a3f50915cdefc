#pragma once
// The framework's one-dimensional, zero-based, growable array. Every index is
// checked: one outside 0 .. UBound raises OutOfBoundsException.
//
// Copies share their elements until one of them changes (copy on write), and
// the empty elements that Redim adds cost nothing until one is written: a
// generation copies hundreds of sequences that then never change. A reference
// taken from an array stays valid until that array changes size; write through
// it at once rather than keeping it across a copy of the array.

#include <memory>
#include <vector>

#include "Exceptions.h"
#include "Pool.h"

template <class T>
class Array {
public:
  Array() = default;

  // -1 when empty.
  int UBound() const { return size_ - 1; }

  const T& operator()(int i) const {
    check(i);
    return items_ ? (*items_)[static_cast<size_t>(i)] : Empty();
  }
  T& operator()(int i) {
    check(i);
    return own()[static_cast<size_t>(i)];
  }

  // Redimension to upper bound n. Elements 0 .. n that existed keep their
  // values; new ones are empty; elements above n are dropped. n = -1 empties.
  void Redim(int n) {
    if (n < -1) throw OutOfBoundsException(n, UBound());
    if (items_) own().resize(static_cast<size_t>(n + 1));
    size_ = n + 1;
  }

  // Inserts v at index i (0 .. UBound + 1); the elements from i on move up one.
  void Insert(int i, T v) {
    if (i < 0 || i > UBound() + 1) throw OutOfBoundsException(i, UBound());
    Items& items = own();
    items.insert(items.begin() + i, std::move(v));
    ++size_;
  }

  void Append(T v) { Insert(size_, std::move(v)); }

  // Removes element i; the later elements move down one.
  void Remove(int i) {
    check(i);
    Items& items = own();
    items.erase(items.begin() + i);
    --size_;
  }

private:
  static const T& Empty() {
    static const T empty{};
    return empty;
  }
  void check(int i) const {
    if (i < 0 || i >= size_) throw OutOfBoundsException(i, UBound());
  }
  // The elements, made this array's own before they change.
  using Items = std::vector<T, PoolAllocator<T>>;
  Items& own() {
    if (!items_) {
      items_ = std::allocate_shared<Items>(PoolAllocator<Items>(), static_cast<size_t>(size_));
    } else if (items_.use_count() > 1) {
      items_ = std::allocate_shared<Items>(PoolAllocator<Items>(), *items_);
    }
    return *items_;
  }

  std::shared_ptr<Items> items_;
  int size_ = 0;
};
