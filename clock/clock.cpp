#include "clock/clock.h"

#include <cmath>

#include "base/time_units.h"
#include "base/translation.h"
#include "clock/clock_step.h"
#include "clock/clock_tick.h"
#include "clock/state_file.h"
#include "engine/calendar.h"
#include "engine/sky.h"
#include "engine/state_texts.h"
#include "engine/text_forms.h"
#include "places/zone_texts.h"

namespace sternwerk {
namespace {

constexpr const char* kContext = "sternwerk::Clock";
// %1 is the library's reason.
constexpr const char* kPreciseFallback =
    QT_TRANSLATE_NOOP("sternwerk::Clock",
                      "Die Swiss Ephemeris kann diesen Zeitpunkt nicht genau berechnen (%1); die "
                      "Positionen kommen aus der eigenen Berechnung.");
constexpr const char* kCalendarBounds = QT_TRANSLATE_NOOP(
    "sternwerk::Clock", "Die Uhr hält an: Ihr Kalender reicht vom 01.01.1600 bis zum 31.12.9999.");
// Follows the state file's refusal of its date at start-up.
constexpr const char* kStartWithoutLastInstant =
    QT_TRANSLATE_NOOP("sternwerk::Clock",
                      "Die Uhr beginnt in der Gegenwart, am Ort aus dieser Datei; "
                      "´Alt-Datum/Zeit´ bleibt in diesem Lauf gesperrt.");
// Longitudes below this count as Greenwich or west of it.
constexpr double kGreenwichBound = 0.0002;
// The time line shows the second a time lies in, with this slack for times
// stored a hair below their second.
constexpr double kSlackSeconds = 1e-6;
// "dd.mm." of a date text.
constexpr std::size_t kDayAndMonth = 6;

}  // namespace

Clock::Clock(const SystemClock& systemClock, std::filesystem::path workingDirectory,
             KeptPlaceStore& keptPlaces, const PlaceAtlas& atlas)
    : systemClock_(systemClock),
      workingDirectory_(std::move(workingDirectory)),
      keptPlaces_(keptPlaces),
      atlas_(atlas),
      pacer_(systemClock),
      timerInterval_(kStartTimerInterval) {}

int Clock::sliderPosition() const {
  return SliderPositionFromRate(settings_.ticksPerSecond);
}

bool Clock::LocalTimeShownFirst() const {
  return localTimeFirst_ && HasLocalTime(placeTimeRules_, placeIdentity_);
}

ClockSeconds Clock::ShownInstant() const {
  return ClockSecondsOf(sky_.day, sky_.month, sky_.year, 0) +
         static_cast<ClockSeconds>(std::floor(sky_.hours * kSecondsPerHour + kSlackSeconds));
}

// The local time is read once per call; the Universal line carries its date
// only where that is not the local one: "20.06. 23:30:15 WZ/GMT".
Clock::InstantTexts Clock::InstantLines() const {
  const std::string universalTime = FormatUniversalHours(sky_.hours);
  if (!LocalTimeShownFirst())
    return {WeekdayName(sky_.year, sky_.month, sky_.day) + ", " + sky_.dateText, universalTime, {}};
  const LocalTime local = LocalOf(placeTimeRules_, placeIdentity_, sky_.longitude, ShownInstant());
  const ClockReading reading = ReadingOf(local.reading);
  const bool sameDay =
      reading.day == sky_.day && reading.month == sky_.month && reading.year == sky_.year;
  return {WeekdayName(reading.year, reading.month, reading.day) + ", " +
              DateText(reading.day, reading.month, reading.year),
          FormatHours(static_cast<double>(reading.secondOfDay) / kSecondsPerHour) + " " +
              ShortZoneText(local.offset),
          sameDay ? universalTime : sky_.dateText.substr(0, kDayAndMonth) + " " + universalTime};
}

std::string Clock::IntervalLine() const {
  return IntervalText(settings_);
}

std::string Clock::SpeedLine() const {
  return SpeedText(settings_.ticksPerSecond);
}

std::string Clock::RateLine() const {
  return std::to_string(settings_.ticksPerSecond);
}

bool Clock::AtOrWestOfGreenwich() const {
  return sky_.longitude < kGreenwichBound;
}

Status Clock::PrepareStart(ComputationMode mode) {
  display_.transplutonian = false;
  computation_ = mode;
  const bool placeRead = ReadStartupPlace(workingDirectory_, sky_).ok();
  SetInstantFromClock(sky_, systemClock_);
  if (!placeRead) SetDefaultPlace(sky_);
  TakePlaceLineFromSky();
  TakeKeptPlace();
  SetStepDefaults(settings_);
  EnableButtonGroups(false);
  running_ = false;
  // A last instant before the calendar is not offered.
  const Status lastInstant = CheckStartupDate(workingDirectory_);
  stateFileRead_ = placeRead && lastInstant.ok();
  if (lastInstant.ok()) return lastInstant;
  return Status::Failure(lastInstant.error() + " " +
                         Translated(kContext, kStartWithoutLastInstant));
}

void Clock::StartRunning() {
  timerInterval_ = kStartTimerInterval;
  Run();
  ClearSearchResult();
}

void Clock::FinishStart(bool transplutonian) {
  display_.transplutonian = transplutonian;
  controlsEnabled_ = true;
}

Status Clock::Recompute() {
  const SkyComputation computed = ComputeSky(sky_, computation_);
  display_.computation = computed.used;
  if (computed.used != ComputationUsed::kOwnAfterFailure) return Status::Success();
  return Status::Failure(
      WithArguments(Translated(kContext, kPreciseFallback), {computed.fallbackReason}));
}

Status Clock::Tick() {
  const std::string dateBefore = sky_.dateText;
  const double hoursBefore = sky_.hours;
  if (!StepTick(sky_, settings_, pacer_)) {
    Halt();
    // The result stays with its instant, which a stop at 01.01.1600 leaves.
    if (sky_.dateText != dateBefore || sky_.hours != hoursBefore) ClearSearchResult();
    return Status::Failure(Translated(kContext, kCalendarBounds));
  }
  ClearSearchResult();
  return Status::Success();
}

void Clock::ChangeRate(int sliderPosition) {
  settings_.ticksPerSecond = RateFromSliderPosition(sliderPosition);
  if (settings_.ticksPerSecond == 0) {
    Halt();
  } else {
    Run();
    timerInterval_ = TimerInterval(settings_.ticksPerSecond);
  }
  ClearSearchResult();
}

void Clock::HaltOrContinue() {
  if (running_) {
    Halt();
  } else {
    Run();
    if (settings_.ticksPerSecond == 0) ChangeRate(SliderPositionFromRate(1));
  }
  ClearSearchResult();
}

void Clock::GoToRealTime() {
  Halt();
  ClearSearchResult();
  SetInstantFromClock(sky_, systemClock_);
  ApplyStepDefaults();
}

Status Clock::ReloadLastInstant() {
  Halt();
  const Status read = ReadLastInstant(workingDirectory_, sky_);
  if (!read.ok()) return read;
  ApplyStepDefaults();
  SetInstantFromTexts(sky_);
  SetPlaceFromTexts(sky_);
  placeLine_ = PlaceLabelFromTexts(sky_);
  TakeKeptPlace();
  ClearSearchResult();
  return read;
}

// The name and zone go with the coordinates ALT.DAT now holds.
Status Clock::SaveState() {
  const Status written = WriteStateFile(workingDirectory_, sky_);
  if (written.ok()) keptPlaces_.Save({placeIdentity_, sky_.longitude, sky_.latitude});
  return written;
}

void Clock::SetInstantAndPlace(const SkyState& entered, PlaceIdentity place) {
  TakeInstant(sky_, entered);
  TakePlace(sky_, entered);
  placeIdentity_ = std::move(place);
  TakePlaceLineFromSky();
  ClearSearchResult();
}

void Clock::BeginSetting() {
  EnableButtonGroups(false);
  running_ = false;
  ClearSearchResult();
}

void Clock::EndDateTimePlace(const SkyState& entered, PlaceIdentity place, bool localTimeFirst) {
  SetInstantAndPlace(entered, std::move(place));
  ShowLocalTimeFirst(localTimeFirst);
  EndSetting();
}

void Clock::EndInterval(std::optional<StepChoice> chosen) {
  if (chosen) {
    settings_.stepMode = chosen->mode;
    if (chosen->mode == StepMode::kMinutes) settings_.intervalMinutes = chosen->minutes;
  }
  EndSetting();
}

void Clock::EndSetting() {
  if (settings_.ticksPerSecond == 0) ChangeRate(SliderPositionFromRate(1));
  EnableButtonGroups(true);
}

void Clock::TakePlaceLineFromSky() {
  placeLine_ = FormatPlace(sky_.longitude, sky_.latitude, sky_.isWest, sky_.isSouth);
}

void Clock::TakeKeptPlace() {
  const std::optional<KeptPlace> kept = keptPlaces_.Load();
  TakeKeptCoordinates(kept, sky_);
  placeIdentity_ = IdentityForSkyPlace(kept, sky_, atlas_, ShownLanguage());
}

void Clock::BeginPause() {
  EnableButtonGroups(false);
  running_ = false;
}

void Clock::EnableButtonGroups(bool on) {
  controlsEnabled_ = on;
  searchesEnabled_ = on;
}

// Halting enables the halted-state group, running disables it; only the
// setting and pausing windows halt with every button held back.
void Clock::Halt() {
  running_ = false;
  searchesEnabled_ = true;
}

void Clock::Run() {
  running_ = true;
  searchesEnabled_ = false;
  pacer_.Restart();
}

// The step defaults move the rate to one tick forward; a rate that changes
// by it takes effect as the slider's would.
void Clock::ApplyStepDefaults() {
  const int rateBefore = settings_.ticksPerSecond;
  SetStepDefaults(settings_);
  if (rateBefore != settings_.ticksPerSecond) ChangeRate(sliderPosition());
}

}  // namespace sternwerk
