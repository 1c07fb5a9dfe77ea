// The 90-degree dial opened from the enlarged chart: the pointer turned by
// keys and by the mouse, the reading beside the dial as PointsAtPointer
// gives it for the chart at each orb, and the orb kept for the next run.
#include "windows/ninety_degree_dial_window.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <functional>

#include "astrology/midpoint_text.h"
#include "base/text_encoding.h"
#include "charts/ninety_degree_dial.h"
#include "platform/polar_point.h"
#include "tests/windows/chart_windows.h"
#include "tests/windows/focused_keys.h"
#include "windows/dial_orb_setting.h"

namespace sternwerk {
namespace {

constexpr Point kDialCentre{260, 260};
constexpr int kListLeft = 540;

class NinetyDegreeDial : public testing::ChartWindows {
 protected:
  NinetyDegreeDial() : ChartWindows("") {}
  ~NinetyDegreeDial() override { SaveDialOrb(kDefaultDialOrb); }

  // The pixel 150 pixels out from the centre towards a place on the dial.
  static QPoint Towards(double place) {
    const Point at = OnCircle(kDialCentre, 150, DialScreenAngle(place));
    return {at.x, at.y};
  }

  // The lines beside the dial, UTF-8.
  std::vector<std::string> Listed() const {
    std::vector<std::string> lines;
    for (const TextOp& text : dial.dial()->Texts())
      if (text.at.x >= kListLeft) lines.push_back(Windows1252ToUtf8(text.text));
    return lines;
  }
};

TEST_F(NinetyDegreeDial, KeysAndMouseTurnThePointer) {
  const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [=] { testing::PressKey(pressed, modifiers); };
  };
  const auto click = [this](QPoint at) {
    return [this, at] { QTest::mouseClick(&dial, Qt::LeftButton, {}, at); };
  };
  const auto drag = [this](double from, double to) {
    return [this, from, to] {
      QTest::mousePress(&dial, Qt::LeftButton, {}, Towards(from));
      QMouseEvent move(QEvent::MouseMove, QPointF(Towards(to)), QPointF(Towards(to)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&dial, &move);
      QTest::mouseRelease(&dial, Qt::LeftButton, {}, Towards(to));
    };
  };
  const std::vector<std::pair<std::function<void()>, double>> turns = {
      {key(Qt::Key_Home), 0},
      {key(Qt::Key_Left), 0.5},
      {key(Qt::Key_Left, Qt::ShiftModifier), 5.5},
      {key(Qt::Key_Right, Qt::ControlModifier), 5.5 - 1.0 / 60},
      {key(Qt::Key_Home), 0},
      {key(Qt::Key_Right), 89.5},  // across the dial's zero
      {key(Qt::Key_PageDown), 74.5},
      {key(Qt::Key_PageUp), 89.5},
      {click(Towards(87.6)), 87.6},
      {click({650, 100}), 87.6},  // on the list: no turn
      {drag(60, 20.25), 20.25},
      {key(Qt::Key_Down), 19.75},  // the focus is still on the dial
  };
  OpenFromChart(dial, chart.ninetyDegreeDialButton, [&] {
    for (std::size_t i = 0; i < turns.size(); ++i) {
      turns[i].first();
      // 150 pixels out, a pixel is about 0.1 degree of the dial.
      EXPECT_NEAR(dial.pointer(), turns[i].second, 0.1) << i;
    }
    const std::string place = Windows1252ToUtf8(DegreesAndMinutes(2, dial.pointer()));
    EXPECT_EQ(Listed().at(0), "Zeiger " + place);
  });
}

// The chart of tests/astrology/midpoints_test.cpp among the other factors,
// taken when the dial opens and read at each orb; a list longer than the
// dial ends with how many more the pointer reads.
TEST_F(NinetyDegreeDial, ListsWhatThePointerReadsAndKeepsTheOrb) {
  for (const auto& [factor, longitude] :
       {std::pair{kSun, 190.5}, {kMoon, 325.8}, {kMercury, 11.2}, {kVenus, 60.0}, {kJupiter, 97.4}})
    sky.longitudes[factor] = longitude;
  const std::vector<ChartPoint> points = ChartPoints(sky, ComputationMode::kOwn, true);
  OpenFromChart(dial, chart.ninetyDegreeDialButton, [&] {
    for (const double orb : {0.8, kDefaultDialOrb, 4.0}) {
      dial.orbBox->setValue(orb);
      dial.SetPointer(10);
      const std::vector<DialHit> hits = PointsAtPointer(points, 10, orb);
      std::vector<std::string> lines = Listed();
      lines.erase(lines.begin(), lines.begin() + 2);  // the pointer's place
      ASSERT_FALSE(lines.empty());
      const bool cut = lines.size() < hits.size();  // the last line then counts the rest
      if (cut) {
        EXPECT_EQ(lines.back(), "(" + std::to_string(hits.size() - lines.size() + 1) + " weitere)");
      } else {
        EXPECT_EQ(lines.size(), hits.size()) << orb;
      }
      for (std::size_t i = 0; i + cut < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(Windows1252ToUtf8(MidpointText(hits[i].point)) + "  ", 0), 0u)
            << orb << ": " << lines[i];
        EXPECT_EQ(lines[i].find("(45°)") != std::string::npos, hits[i].atHalfDial) << lines[i];
      }
      EXPECT_NE(std::find(lines.begin(), lines.end(), "SO 10°30'  +0°30'"), lines.end()) << orb;
      EXPECT_DOUBLE_EQ(NinetyDegreeDialWindow(sky, sky.options).orbBox->value(), orb);
    }
  });
  SaveDialOrb(9);
  EXPECT_DOUBLE_EQ(LoadDialOrb(), kGreatestDialOrb);
  // The orb is written as German writes numbers.
  EXPECT_EQ(NinetyDegreeDialWindow(sky, sky.options).orbBox->text(), "5,0°");
}

}  // namespace
}  // namespace sternwerk
