#include <array>
#include <cmath>

#include "engine/arithmetic.h"
#include "engine/sun_moon.h"

namespace sternwerk {
namespace {

constexpr double kArcsecondsPerDegree = 3600;

// One periodic term of the Moon's longitude: coefficient in seconds of arc
// times the sine of l*lM + s*lSun + f*F + d*D.
struct LunarTerm {
  int group;  // terms are summed group by group
  double coefficient;
  int l, s, f, d;
};

// clang-format off
constexpr std::array<LunarTerm, 71> kLunarTerms = {{
    {1, 22639.55, 1, 0, 0, 0},  {1, -4586.465, 1, 0, 0, -2}, {1, 2369.912, 0, 0, 0, 2},
    {1, 769.016, 2, 0, 0, 0},   {1, -668.1469, 0, 1, 0, 0},
    {2, -411.608, 0, 0, 2, 0},  {2, -211.6562, 2, 0, 0, -2}, {2, -205.962, 1, 1, 0, -2},
    {2, 191.953, 1, 0, 0, 2},   {2, -165.145, 0, 1, 0, -2},
    {3, 147.687, 1, -1, 0, 0},  {3, -125.154, 0, 0, 0, 1},   {3, -109.673, 1, 1, 0, 0},
    {3, -55.173, 0, 0, 2, -2},  {3, -45.099, 1, 0, 2, 0},
    {4, 39.529, 1, 0, -2, 0},   {4, -38.428, 1, 0, 0, -4},   {4, 36.124, 3, 0, 0, 0},
    {4, -30.773, 2, 0, 0, -4},  {4, 28.475, 1, -1, 0, -2},   {4, -24.42, 0, 1, 0, 2},
    {5, 18.609, 1, 0, 0, -1},   {5, 18.023, 0, 1, 0, 1},     {5, 14.577, 1, -1, 0, 2},
    {5, 14.387, 2, 0, 0, 2},    {5, 13.902, 0, 0, 0, 4},     {5, -13.193, 3, 0, 0, -2},
    {5, 9.703, 2, -1, 0, 0},    {5, 9.366, 1, 0, -2, -2},    {5, -8.627, 2, 1, 0, -2},
    {5, -8.466, 1, 0, 0, 1},
    {6, -8.096, 0, 2, 0, -2},   {6, -7.649, 2, 1, 0, 0},     {6, -7.486, 0, 2, 0, 0},
    {6, -7.412, 1, 2, 0, -2},   {6, -6.382, 1, 0, -2, 2},    {6, -5.741, 0, 0, 2, 2},
    {6, -4.391, 1, 1, 0, -4},   {6, -3.996, 2, 0, 2, 0},     {6, 3.215, 1, 0, 0, -3},
    {6, -2.921, 1, 1, 0, 2},
    {7, -2.74, 2, 1, 0, -4},    {7, -2.494, 2, -1, 0, -2},   {7, 2.58, 1, -2, 0, 0},
    {7, 2.533, 1, -2, 0, -2},   {7, -2.152, 0, 1, 2, -2},    {7, 1.979, 1, 0, 0, 4},
    {7, 1.938, 4, 0, 0, 0},     {7, -1.877, 0, 1, 0, -4},    {7, 1.75, 2, 0, 0, -1},
    {8, -1.44, 0, 1, -2, 2},    {8, -1.298, 2, 0, -2, 0},    {8, 1.267, 1, 1, 0, 1},
    {8, 1.225, 2, 0, 0, -3},    {8, -1.187, 3, 0, 0, -4},    {8, 1.181, 2, -1, 0, 2},
    {8, -1.167, 1, 2, 0, 0},    {8, -1.089, 1, -1, 0, -1},   {8, 1.06, 3, 0, 0, 2},
    {9, -0.992, 1, 0, 2, 2},    {9, -0.952, 4, 0, 0, -2},    {9, -0.57, 2, 0, 0, -6},
    {9, 0.636, 1, 0, 0, -4},    {9, 0.56, 0, 1, 0, -1},      {9, 0.757, 1, -2, 0, 2},
    {9, -0.586, 2, 0, 0, 1},
    {10, 0.584, 0, 0, 2, -1},   {10, -0.551, 3, 1, 0, 0},    {10, 0.681, 3, -1, 0, 0},
    {10, 0.557, 2, 0, 2, -2},   {10, 0.538, 2, 0, -2, -2},
}};
// clang-format on

struct LunarArguments {
  double l;     // mean anomaly of the Moon
  double lSun;  // mean anomaly of the Sun
  double F;     // mean argument of latitude
  double D;     // mean elongation
};

// A point on the unit circle, cos + i sin of an angle.
struct UnitPhase {
  double c = 1, s = 0;
  UnitPhase operator*(UnitPhase o) const { return {c * o.c - s * o.s, s * o.c + c * o.s}; }
  UnitPhase Conjugate() const { return {c, -s}; }
};

constexpr int kHighestMultiple = 6;  // of D, in 2l - 6D

// The phases k * x for k = -6..6 of one argument in degrees, so that every
// term's sine comes from products instead of its own sine call.
class PhaseMultiples {
 public:
  explicit PhaseMultiples(double degrees) {
    const double radians = DegToRad(degrees);
    const UnitPhase once{std::cos(radians), std::sin(radians)};
    for (int k = 1; k <= kHighestMultiple; ++k) positive_[k] = positive_[k - 1] * once;
  }
  UnitPhase operator[](int k) const { return k >= 0 ? positive_[k] : positive_[-k].Conjugate(); }

 private:
  std::array<UnitPhase, kHighestMultiple + 1> positive_{};
};

// Sum of the periodic terms in seconds of arc; the table is ordered by group
// and each group is summed first, then added to the total.
double LunarSeries(const LunarArguments& a) {
  const PhaseMultiples l(a.l), lSun(a.lSun), F(a.F), D(a.D);
  double total = 0, groupSum = 0;
  for (std::size_t i = 0; i < kLunarTerms.size(); ++i) {
    const LunarTerm& term = kLunarTerms[i];
    const UnitPhase phase = l[term.l] * lSun[term.s] * F[term.f] * D[term.d];
    groupSum += term.coefficient * phase.s;
    if (i + 1 == kLunarTerms.size() || kLunarTerms[i + 1].group != term.group) {
      total += groupSum;
      groupSum = 0;
    }
  }
  return total;
}

}  // namespace

void ComputeMoon(SkyState& sky, LunisolarElements mean) {
  const double T = sky.centuries;
  const double T2 = T * T;

  LunarArguments args{mean.moonMeanLongitude - mean.moonPerigee, mean.sunMeanAnomaly,
                      mean.moonMeanLongitude - mean.moonNode, mean.moonElongation};

  const double A1 = SinDeg(51.2 + 20.2 * T);
  const double A2 = 14.27 * SinDeg(193.4404 - 132.87 * T - 0.0091731 * T2);
  const double A3 = SinDeg(mean.moonNode);
  const double A4 = SinDeg(mean.moonNode + 275.05 - 2.3 * T);

  mean.moonMeanLongitude += (0.84 * A1 + A2 + 7.261 * A3) / kArcsecondsPerDegree;
  args.l += (2.94 * A1 + A2 + 9.337 * A3) / kArcsecondsPerDegree;
  mean.moonElongation += (7.24 * A1 + A2 + 7.261 * A3) / kArcsecondsPerDegree;
  args.D = mean.moonElongation;
  args.lSun += (-6.4 * A1) / kArcsecondsPerDegree;
  args.F += (0.21 * A1 + A2 - 88.699 * A3 - 15.58 * A4) / kArcsecondsPerDegree;

  const double S = LunarSeries(args);
  double moon = Mod360(mean.moonMeanLongitude + S / kArcsecondsPerDegree) + mean.nutation;
  if (moon < 0) moon += 360;
  sky.longitudes[kMoon] = moon;

  double node = mean.moonNode;
  if (node < 0) node += 360;
  sky.longitudes[kLunarNode] = node;
}

}  // namespace sternwerk
