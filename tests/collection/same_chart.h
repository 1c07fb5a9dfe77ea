// The comparison of a chart read back with the chart written.
#pragma once

#include <gtest/gtest.h>

#include "collection/chart.h"

namespace sternwerk::testing {

// The chart read back is the chart written, the coordinates to a
// centimetre.
inline void ExpectSameChart(Chart read, const Chart& written) {
  EXPECT_NEAR(read.place.longitude, written.place.longitude, 1e-7) << written.name;
  EXPECT_NEAR(read.place.latitude, written.place.latitude, 1e-7) << written.name;
  read.place.longitude = written.place.longitude;
  read.place.latitude = written.place.latitude;
  EXPECT_EQ(read, written) << written.name;
}

}  // namespace sternwerk::testing
