#pragma once
// Memory kept for reuse. A generation makes and drops hundreds of objects and
// arrays of a few sizes, far more than the general allocator keeps at hand,
// and its slow path then costs more than the work itself: blocks given back
// here are kept by size and handed out again. For the user-interface thread only,
// like the objects themselves.

#include <cstddef>
#include <new>

namespace Pool {
// A block of at least bytes, aligned for any ordinary type.
void* Take(std::size_t bytes);
// Gives back a block that Take(bytes) handed out.
void Give(void* block, std::size_t bytes) noexcept;
}  // namespace Pool

// The allocator of objects (New) and of the framework's arrays.
template <class T>
struct PoolAllocator {
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "blocks have the ordinary alignment");
  using value_type = T;

  PoolAllocator() noexcept = default;
  template <class U>
  PoolAllocator(const PoolAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) { return static_cast<T*>(Pool::Take(n * sizeof(T))); }
  void deallocate(T* p, std::size_t n) noexcept { Pool::Give(p, n * sizeof(T)); }

  template <class U>
  friend bool operator==(const PoolAllocator&, const PoolAllocator<U>&) noexcept {
    return true;
  }
};
