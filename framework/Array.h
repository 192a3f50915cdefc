#pragma once
// The framework's one-dimensional, zero-based, growable array. Every index is
// checked: one outside 0 .. UBound raises OutOfBoundsException.

#include <vector>

#include "Exceptions.h"

template <class T>
class Array {
public:
  Array() = default;

  // -1 when empty.
  int UBound() const { return static_cast<int>(items_.size()) - 1; }

  T& operator()(int i) {
    check(i);
    return items_[static_cast<size_t>(i)];
  }
  const T& operator()(int i) const {
    check(i);
    return items_[static_cast<size_t>(i)];
  }

  // Redimension to upper bound n. Elements 0 .. n that existed keep their
  // values; new ones are empty; elements above n are dropped. n = -1 empties.
  void Redim(int n) {
    if (n < -1) throw OutOfBoundsException(n, UBound());
    items_.resize(static_cast<size_t>(n + 1));
  }

  // Inserts v at index i (0 .. UBound + 1); the elements from i on move up one.
  void Insert(int i, T v) {
    if (i < 0 || i > UBound() + 1) throw OutOfBoundsException(i, UBound());
    items_.insert(items_.begin() + i, std::move(v));
  }

  void Append(T v) { items_.push_back(std::move(v)); }

  // Removes element i; the later elements move down one.
  void Remove(int i) {
    check(i);
    items_.erase(items_.begin() + i);
  }

  // Direct access to the storage, for the framework's own bulk copies.
  std::vector<T>& storage() { return items_; }
  const std::vector<T>& storage() const { return items_; }

private:
  void check(int i) const {
    if (i < 0 || i > UBound()) throw OutOfBoundsException(i, UBound());
  }
  std::vector<T> items_;
};
