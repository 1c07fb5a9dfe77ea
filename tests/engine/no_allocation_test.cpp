// ComputeSky runs for every tick and every trial instant of a search: it
// must not allocate. Counts the allocations of the whole program around it.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/support/sky_at.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace sternwerk {
namespace {

TEST(ComputeSky, AllocatesNothing) {
  SkyState sky = testing::SkyAt(7, 12, 2026, 0);
  const long before = allocations.load();
  for (int i = 0; i < 100; ++i) {
    sky.hours += 0.25;
    ComputeSky(sky);
  }
  EXPECT_EQ(allocations.load(), before);
}

}  // namespace
}  // namespace sternwerk
