#include "Pool.h"

#include <array>

namespace {

// Sizes up to 1 KiB are kept in steps of 16, larger ones up to 64 KiB in
// powers of two; larger blocks are not kept.
constexpr std::size_t kStep = 16, kSmall = 1024, kLargest = 65536;
constexpr std::size_t kClasses = kSmall / kStep + 6;
// What each size may keep: enough for the turnover of several populations.
constexpr std::size_t kKeptBytes = std::size_t{1} << 20;

constexpr std::size_t ClassOf(std::size_t bytes) {
  if (bytes <= kSmall) return bytes == 0 ? 0 : (bytes - 1) / kStep;
  std::size_t c = kSmall / kStep;
  for (std::size_t size = kSmall * 2; size < bytes; size *= 2) ++c;
  return c;
}

constexpr std::size_t SizeOf(std::size_t c) {
  return c < kSmall / kStep ? (c + 1) * kStep : kSmall << (c - kSmall / kStep + 1);
}

// Every size is served by a block at least as large, and larger sizes never by
// a smaller class.
constexpr bool EverySizeFitsItsClass() {
  for (std::size_t bytes = 1; bytes <= kLargest; ++bytes) {
    if (SizeOf(ClassOf(bytes)) < bytes || ClassOf(bytes) < ClassOf(bytes - 1)) return false;
  }
  return ClassOf(kLargest) == kClasses - 1;
}
static_assert(EverySizeFitsItsClass());

struct Spare {
  Spare* next;
};

// Blocks given back once the program's statics are being destroyed, after the
// lists, go straight to the general allocator.
constinit bool listsGone = false;

struct Lists {
  std::array<Spare*, kClasses> first{};
  std::array<std::size_t, kClasses> room{};  // blocks that each size may still keep

  constexpr Lists() {
    for (std::size_t c = 0; c < kClasses; ++c) room[c] = kKeptBytes / SizeOf(c);
  }
  ~Lists() {
    for (Spare* s : first) {
      while (s != nullptr) {
        Spare* next = s->next;
        ::operator delete(s);
        s = next;
      }
    }
    listsGone = true;
  }
};

// Constant-initialized, so it is ready before any other static is made.
constinit Lists lists;

}  // namespace

// Under AddressSanitizer every block goes to and from the general allocator,
// so that the sanitizer sees each use of a block given back.
#ifdef __SANITIZE_ADDRESS__
constexpr bool kKeepBlocks = false;
#else
constexpr bool kKeepBlocks = true;
#endif

void* Pool::Take(std::size_t bytes) {
  if (!kKeepBlocks || bytes > kLargest || listsGone) return ::operator new(bytes);
  const std::size_t c = ClassOf(bytes);
  Spare* s = lists.first[c];
  if (s == nullptr) return ::operator new(SizeOf(c));
  lists.first[c] = s->next;
  ++lists.room[c];
  return s;
}

void Pool::Give(void* block, std::size_t bytes) noexcept {
  if (block == nullptr) return;
  if (!kKeepBlocks || bytes > kLargest || listsGone) {
    ::operator delete(block);
    return;
  }
  const std::size_t c = ClassOf(bytes);
  if (lists.room[c] == 0) {
    ::operator delete(block);
    return;
  }
  auto* s = static_cast<Spare*>(block);
  s->next = lists.first[c];
  lists.first[c] = s;
  --lists.room[c];
}
