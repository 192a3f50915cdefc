#pragma once
// The framework's one-dimensional, zero-based, growable array. Every index is
// checked: one outside 0 .. UBound raises OutOfBoundsException.
//
// Copies share their elements until one of them changes (copy on write), and
// the empty elements that Redim adds cost nothing until one is written: a
// generation copies hundreds of sequences that then never change, or change in
// one place. The elements are kept in chunks of about half a kilobyte, shared on
// their own, so that a change copies the list of chunks and the one chunk it
// falls in rather than the whole array. A reference taken from an array stays
// valid until that array changes size; write through it at once rather than
// keeping it across a copy of the array.

#include <algorithm>
#include <bit>
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
    if (!chunks_) return Empty();
    const ChunkRef& c = (*chunks_)[ChunkOf(i)];
    return c ? c->items[PlaceOf(i)] : Empty();
  }
  T& operator()(int i) {
    check(i);
    return own(i);
  }

  // Redimension to upper bound n. Elements 0 .. n that existed keep their
  // values; new ones are empty; elements above n are dropped. n = -1 empties.
  void Redim(int n) {
    if (n < -1) throw OutOfBoundsException(n, UBound());
    const int size = n + 1;
    if (chunks_) {
      // What lies past the end stays empty, ready for the array to grow again.
      for (int i = size; i < std::min(size_, ChunksFor(size) * kChunk); ++i) {
        if ((*chunks_)[ChunkOf(i)]) own(i) = T{};
      }
      if (chunks_->size() != static_cast<size_t>(ChunksFor(size))) {
        ownList().resize(static_cast<size_t>(ChunksFor(size)));
      }
    }
    size_ = size;
  }

  // Inserts v at index i (0 .. UBound + 1); the elements from i on move up one.
  void Insert(int i, T v) {
    if (i < 0 || i > UBound() + 1) throw OutOfBoundsException(i, UBound());
    Redim(size_);
    for (int k = size_ - 1; k > i; --k) own(k) = std::move(own(k - 1));
    own(i) = std::move(v);
  }

  void Append(T v) { Insert(size_, std::move(v)); }

  // Removes element i; the later elements move down one.
  void Remove(int i) {
    check(i);
    for (int k = i; k < size_ - 1; ++k) own(k) = std::move(own(k + 1));
    Redim(size_ - 2);
  }

private:
  // Elements per chunk: a power of two, so that finding a chunk is a shift, and
  // about half a kilobyte of them.
  static constexpr int kChunk = static_cast<int>(std::bit_floor(std::max<std::size_t>(1, 512 / sizeof(T))));
  struct Chunk {
    T items[kChunk];
  };
  // A chunk that is nil holds only empty elements.
  using ChunkRef = std::shared_ptr<Chunk>;
  using List = std::vector<ChunkRef, PoolAllocator<ChunkRef>>;

  static const T& Empty() {
    static const T empty{};
    return empty;
  }
  static int ChunksFor(int size) { return (size + kChunk - 1) / kChunk; }
  // Where element i (0 or more) lies: its chunk and its place in it.
  static std::size_t ChunkOf(int i) { return static_cast<std::size_t>(i) / kChunk; }
  static std::size_t PlaceOf(int i) { return static_cast<std::size_t>(i) % kChunk; }
  void check(int i) const {
    if (i < 0 || i >= size_) throw OutOfBoundsException(i, UBound());
  }
  // The list of chunks, made this array's own before it changes.
  List& ownList() {
    if (!chunks_) {
      chunks_ = std::allocate_shared<List>(PoolAllocator<List>(), static_cast<size_t>(ChunksFor(size_)));
    } else if (chunks_.use_count() > 1) {
      chunks_ = std::allocate_shared<List>(PoolAllocator<List>(), *chunks_);
    }
    return *chunks_;
  }
  // Element i, in a chunk made this array's own before it changes.
  T& own(int i) {
    ChunkRef& c = ownList()[ChunkOf(i)];
    if (!c) {
      c = std::allocate_shared<Chunk>(PoolAllocator<Chunk>());
    } else if (c.use_count() > 1) {
      c = std::allocate_shared<Chunk>(PoolAllocator<Chunk>(), *c);
    }
    return c->items[PlaceOf(i)];
  }

  std::shared_ptr<List> chunks_;
  int size_ = 0;
};
