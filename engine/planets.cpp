#include "engine/planets.h"

#include <cmath>
#include <cstdint>

#include "engine/arithmetic.h"
#include "engine/planet_elements.h"

namespace sternwerk {
namespace {

constexpr double kEpsilon = 1.7e-9;  // replaces exact zeros in ToPolar / FromPolar
constexpr int kKeplerIterations = 5;
constexpr long double kGaussianGravitation = 0.0172021L;  // radians per day at 1 AU
constexpr long double kLightTimeDays = 0.0057683L;        // light time per AU, days
constexpr long double kGZAt2003 = 266.925L;
constexpr int kGZEpochYear = 2003;
constexpr int kGZArcsecondsPerYear = 50;
constexpr double kTwoPi = static_cast<double>(2 * kPi);

struct Vector3 {
  double x = 0, y = 0, z = 0;
};

// Walks the element table front to back.
class ElementReader {
 public:
  explicit ElementReader(double T) : T_(T) {}

  double Number() { return kPlanetElements[position_++]; }

  // a0 + a1 T + a2 T^2 in radians.
  double Element() {
    const double a0 = Number(), a1 = Number(), a2 = Number();
    return DegToRad(a0 + a1 * T_ + a2 * T_ * T_);
  }

  // b0 + b1 T + b2 T^2 + sum of A cos(f T + p), in AU.
  double CorrectionSeries(int terms) {
    const double b0 = Number(), b1 = Number(), b2 = Number();
    double value = b0 + b1 * T_ + b2 * T_ * T_;
    for (int i = 0; i < terms; ++i) {
      const double amplitude = Number(), rate = Number(), phase = Number();
      value += amplitude * CosDeg(rate * T_ + phase);
    }
    return value;
  }

 private:
  double T_;
  int position_ = 0;
};

// Orientation of an orbit: turns vectors of the orbital plane by the argument
// of perihelion, tilts them by the inclination about the line of nodes and
// turns them by the longitude of the node into the ecliptic frame. The sines
// and cosines are taken once per body for both the position and the velocity.
class OrbitOrientation {
 public:
  OrbitOrientation(double perihelion, double node, double inclination)
      : cosPerihelion_(std::cos(perihelion)),
        sinPerihelion_(std::sin(perihelion)),
        cosNode_(std::cos(node)),
        sinNode_(std::sin(node)),
        cosInclination_(std::cos(inclination)),
        sinInclination_(std::sin(inclination)) {}

  Vector3 ToEcliptic(double x, double y) const {
    const double x1 = x * cosPerihelion_ - y * sinPerihelion_;
    const double y1 = x * sinPerihelion_ + y * cosPerihelion_;
    const double y2 = y1 * cosInclination_;
    return {x1 * cosNode_ - y2 * sinNode_, x1 * sinNode_ + y2 * cosNode_, y1 * sinInclination_};
  }

 private:
  double cosPerihelion_, sinPerihelion_;
  double cosNode_, sinNode_;
  double cosInclination_, sinInclination_;
};

// Numbers of terms in the y, x and z correction series of Jupiter to Pluto.
struct SeriesLengths {
  int y, x, z;
};
constexpr SeriesLengths kCorrectionTerms[] = {
    {11, 11, -1},  // Jupiter: no z series
    {5, 5, 4},     // Saturn
    {4, 4, 3},     // Uranus
    {4, 4, 3},     // Neptune
    {4, 4, 3},     // Pluto
};

constexpr int kBodies = 17;  // the Earth, Mercury to Pluto, eight hypothetical points
constexpr int kElementsPerBody = 16;

constexpr int SeriesNumbers(int terms) {
  return terms < 0 ? 0 : 3 + 3 * terms;
}

constexpr int TableNumbersRead() {
  int count = kBodies * kElementsPerBody;
  for (const SeriesLengths& s : kCorrectionTerms)
    count += SeriesNumbers(s.y) + SeriesNumbers(s.x) + SeriesNumbers(s.z);
  return count;
}
static_assert(TableNumbersRead() == kPlanetElementCount,
              "one ComputePlanets reads the element table exactly once");

struct BodyResult {
  double longitude;
  bool retrograde;
};

// State carried from the Earth to the other bodies of one ComputePlanets.
struct EarthState {
  Vector3 position;
  Vector3 negatedVelocity;
};

BodyResult ComputeBody(int factor, ElementReader& table, EarthState& earth) {
  const bool isEarth = factor == kSun;
  const double M = FloorMod(kTwoPi, table.Element());
  const double e = RadToDeg(table.Element());
  double E = M;
  if (e != 0) {  // a circular orbit leaves E = M in every iteration
    for (int i = 0; i < kKeplerIterations; ++i) E = e * std::sin(E) + M;
  }
  const double a = table.Number();

  const double Edot =
      static_cast<double>(kGaussianGravitation / (std::sqrt(a * a * a) * (1 - e * std::cos(E))));
  const double minorFactor = std::sqrt(1 - e * e);
  const double vx = -a * Edot * std::sin(E);
  const double vy = minorFactor * a * Edot * std::cos(E);
  const double perihelion = table.Element();
  const double node = table.Element();
  const double inclination = table.Element();
  const OrbitOrientation orbit(perihelion, node, inclination);
  const Vector3 velocity = orbit.ToEcliptic(vx, vy);

  double geoVx = 0, geoVy = 0;
  if (isEarth) {
    earth.negatedVelocity = {-velocity.x, -velocity.y, -velocity.z};
  } else {
    geoVx = velocity.x + earth.negatedVelocity.x;
    geoVy = velocity.y + earth.negatedVelocity.y;
  }

  const double x = a * (std::cos(E) - e);
  const double y = a * std::sin(E) * minorFactor;
  Vector3 p = orbit.ToEcliptic(x, y);

  if (factor >= kJupiter && factor <= kPluto) {
    const SeriesLengths& terms = kCorrectionTerms[factor - kJupiter];
    p.y += table.CorrectionSeries(terms.y);
    p.x += table.CorrectionSeries(terms.x);
    if (terms.z >= 0) p.z += table.CorrectionSeries(terms.z);
  }

  double rate = (p.x * velocity.y - p.y * velocity.x) / (p.x * p.x + p.y * p.y);
  if (isEarth) {
    earth.position = p;
  } else {
    p.x -= earth.position.x;
    p.y -= earth.position.y;
    p.z -= earth.position.z;
    rate = (p.x * geoVy - p.y * geoVx) / (p.x * p.x + p.y * p.y);
  }

  const double rateDegrees = RadToDeg(rate);
  const double distance = std::sqrt(p.x * p.x + p.y * p.y + p.z * p.z);
  const double lightTime = static_cast<double>(distance * kLightTimeDays * rateDegrees);
  const Polar direction = ToPolar(p.y, p.x, kEpsilon);
  return {FloorMod(360, RadToDeg(direction.angle) + lightTime), rate < 0};
}

}  // namespace

double GZLongitude(int year) {
  const std::int64_t arcseconds =
      kGZArcsecondsPerYear * (static_cast<std::int64_t>(year) - kGZEpochYear);
  return static_cast<double>(kGZAt2003 + arcseconds / 3600.0L);
}

void ComputePlanets(SkyState& sky) {
  ElementReader table(sky.centuries);
  EarthState earth;
  sky.retrograde[kSun] = ComputeBody(kSun, table, earth).retrograde;
  for (int factor = kMercury; factor <= kPoseidon; ++factor) {
    const BodyResult body = ComputeBody(factor, table, earth);
    sky.longitudes[factor] = body.longitude;
    sky.retrograde[factor] = body.retrograde;
  }
  sky.longitudes[kGZ] = GZLongitude(sky.year);
}

}  // namespace sternwerk
