#include "platform/operating_system_name.h"

#include <gtest/gtest.h>

namespace sternwerk {
namespace {

TEST(OperatingSystemName, NamesThisSystem) {
  EXPECT_FALSE(OperatingSystemName().isEmpty());
}

}  // namespace
}  // namespace sternwerk
