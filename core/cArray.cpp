#include "cArray.h"

#include <typeinfo>
#include <utility>

#include "BackgroundTask.h"
#include "TextNumber.h"

void cArray::Constructor(int32_t n) { myRedim(n); }

void cArray::myRedim(int32_t n) { theArray.Redim(n); }

void cArray::set(int32_t i, const Variant& v) { theArray(i) = v; }

Variant cArray::get(int32_t i) { return std::as_const(theArray)(i); }

void cArray::insert(int32_t i, const Variant& v) { theArray.Insert(i, v); }

void cArray::append(const Variant& v) { theArray.Insert(theArray.UBound() + 1, v); }

void cArray::remove(int32_t i) { theArray.Remove(i); }

int32_t cArray::ubound() { return theArray.UBound(); }

void cArray::sort() {}

void cArray::swap(int32_t i, int32_t j) {
  const Variant a = get(i);
  const Variant b = get(j);
  set(i, b);
  set(j, a);
}

void cArray::reverse() {
  const int32_t n = ubound();
  // The loop below would swap element 0 with element -1 on an empty array.
  if (n < 0) return;
  const int32_t h = n / 2;
  for (int32_t k = 0; k <= h; ++k) {
    swap(k, n - k);
    RuntimeBackgroundTask();
  }
}

void cArray::copyTo(const Ref<cArray>& other) {
  const double u = ubound();
  const double v = other->ubound();
  const int32_t m = ToInt32(Min(u, v));
  // Between two plain arrays of one size, copying every element one by one
  // ends in the same values as sharing them until either changes.
  if (m == ubound() && m == other->ubound() && typeid(*this) == typeid(cArray) && typeid(*other) == typeid(cArray)) {
    other->theArray = theArray;
    RuntimeBackgroundTask();
    return;
  }
  for (int32_t i = 0; i <= m; ++i) {
    other->set(i, get(i));
    RuntimeBackgroundTask();
  }
}

void cArray::display() {}

Ref<cArray> cArray::clone() {
  Ref<cArray> c = New<cArray>();
  c->Constructor(ubound());
  copyTo(c);
  return c;
}

void cArray::Constructor() {}
