#pragma once
// cArray: a growable, zero-based array of variants with a fixed set of
// operations. The program uses elements 1 .. n and leaves element 0 empty (a
// sequence's letters, a generation's offspring); the array's own operations
// know nothing of that and act on 0 .. ubound.

#include <cstdint>

#include "Array.h"
#include "Object.h"
#include "Variant.h"

class cArray : public Object {
public:
  Array<Variant> theArray;

  // Upper bound n: elements 0 .. n, all empty.
  virtual void Constructor(int32_t n);
  virtual void myRedim(int32_t n);
  virtual void set(int32_t i, const Variant& v);
  virtual Variant get(int32_t i);
  // Inserts v at i; elements i .. ubound move up one.
  virtual void insert(int32_t i, const Variant& v);
  // After the last element; on an empty array at index 0.
  virtual void append(const Variant& v);
  virtual void remove(int32_t i);
  // -1 when empty.
  virtual int32_t ubound();
  virtual void sort();
  virtual void swap(int32_t i, int32_t j);
  // Reverses 0 .. ubound. An empty array is left as it is.
  virtual void reverse();
  // Copies elements 0 .. min(ubound, other's ubound) into other, which keeps its
  // size. Raises NilObjectException for a nil other before copying anything.
  virtual void copyTo(const Ref<cArray>& other);
  virtual void display();
  // A new array with the same upper bound and values: texts are copied, objects
  // are shared.
  virtual Ref<cArray> clone();
  virtual void Constructor();
};
