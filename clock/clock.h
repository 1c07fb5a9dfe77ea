// The planetarium clock without its window: it owns the sky, how the clock
// runs, what the drawings show and the search, and does what the clock
// window's buttons ask for. The window shows what it reports: whether it
// runs and at which timer interval, the lines of the instant panel, the
// search result and which of the two button groups may be used.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>

#include "base/outcome.h"
#include "clock/clock_settings.h"
#include "clock/eclipse_search.h"
#include "clock/real_time_pacer.h"
#include "clock/search_state.h"
#include "clock/system_clock.h"
#include "engine/computation_mode.h"
#include "engine/display_options.h"
#include "engine/event_search.h"
#include "engine/sky_state.h"
#include "places/kept_place.h"
#include "places/local_day.h"
#include "places/local_time.h"
#include "places/place_atlas.h"
#include "places/place_identity.h"

namespace sternwerk {

class Clock {
 public:
  // Reads the time from `systemClock`, keeps ALT.DAT in `workingDirectory`,
  // the place's name, zone and exact coordinates in `keptPlaces`, and names
  // places typed by their coordinates from `atlas`; all three must outlive
  // the clock.
  Clock(const SystemClock& systemClock, std::filesystem::path workingDirectory,
        KeptPlaceStore& keptPlaces, const PlaceAtlas& atlas);

  // What the clock owns, for the windows to show; they change it only
  // through the clock's actions below.
  const SkyState& sky() const { return sky_; }
  const ClockSettings& settings() const { return settings_; }
  const DisplayOptions& display() const { return display_; }
  const SearchState& search() const { return search_; }
  ComputationMode computation() const { return computation_; }
  // The name and time zone of the sky's place, where it was chosen by name
  // or lies near a named place.
  const PlaceIdentity& placeIdentity() const { return placeIdentity_; }
  // The civil time of places, which the window reads from the system's
  // time-zone data; without it the clock knows Universal Time only.
  void SetPlaceTimeRules(PlaceTimeRules rules) { placeTimeRules_ = std::move(rules); }
  // Whether the instant panel and the search result give the place's local
  // time first ("Ortszeit" in the date/time/place dialog); they do where
  // the place has a time zone.
  void ShowLocalTimeFirst(bool on) { localTimeFirst_ = on; }
  bool LocalTimeShownFirst() const;

  // Whether the clock runs, and the timer interval of its ticks in ms.
  bool running() const { return running_; }
  int timerInterval() const { return timerInterval_; }
  // The speed slider's position for the rate.
  int sliderPosition() const;
  // The general buttons, and the group usable while the clock stands
  // (searches and the enlarged chart); "Alt-Datum/Zeit" belongs to the
  // general group once ALT.DAT was read at start.
  bool controlsEnabled() const { return controlsEnabled_; }
  bool searchesEnabled() const { return searchesEnabled_; }
  bool lastInstantEnabled() const { return controlsEnabled_ && stateFileRead_; }

  // The instant panel's lines (Windows-1252): "Di, 08.12.2026",
  // "09:30:15 WZ/GMT", the place, the interval, the speed and the rate.
  // With the local time shown first, the date and time lines are the
  // local ones ("Di, 08.12.2026", "10:30:15 MEZ") and the Universal Time
  // line follows them ("09:30:15 WZ/GMT"; else it is empty).
  struct InstantTexts {
    std::string date;
    std::string time;
    std::string universal;  // empty unless the local time is shown first
  };
  InstantTexts InstantLines() const;
  const std::string& PlaceLine() const { return placeLine_; }
  std::string IntervalLine() const;
  std::string SpeedLine() const;
  std::string RateLine() const;
  // The instant the time line shows, Universal Time to the second.
  ClockSeconds ShownInstant() const;
  // The time is shown in one colour at Greenwich and west of it, in another
  // east of it.
  bool AtOrWestOfGreenwich() const;

  // The start-up, in three steps. First the clock stands, both button groups
  // disabled, at the system clock's present with the place of ALT.DAT (the
  // default place without it) paired with the kept place as at a reload,
  // the step defaults and the computation `mode`; the twelve factors are
  // shown. An ALT.DAT dated before the clock's calendar still gives its
  // place, but "Alt-Datum/Zeit" is not offered, and the result is a message
  // saying so.
  Status PrepareStart(ComputationMode mode);
  // Then it runs at the first timer interval.
  void StartRunning();
  // Last, the factor set is chosen and the general group enabled.
  void FinishStart(bool transplutonian);

  // Whether the symbol font is installed: the drawings show its glyphs, else
  // the factors' and signs' letter codes.
  void SetSymbolFontPresent(bool present) { display_.symbolFontPresent = present; }
  // All 22 factors drawn, or the twelve.
  void ChooseFactorSet(bool transplutonian) { display_.transplutonian = transplutonian; }
  // Rise, set and culmination searched as an almanac gives them, or as the
  // factor meeting AS, DC or MC.
  void ChooseHorizonSearch(bool atHorizon) { search_.atHorizon = atHorizon; }
  // The factor whose rise, set or culmination the next Search looks for.
  void ChooseSearchedFactor(FactorChoice choice) { search_.factor = choice.factor; }

  // Recomputes the sky in the chosen computation; what it used goes to the
  // display options. Where the precise computation falls back to the own
  // one, the sky is computed all the same and the failure gives the
  // library's reason.
  Status Recompute();
  // Chooses the computation of the next Recompute.
  void ChooseComputation(ComputationMode mode) { computation_ = mode; }

  // One tick of the timer. A step out of the clock's calendar halts the
  // clock with the halted-state group enabled, at its last instant or at
  // 01.01.1600 00:00:00 (see StepTick), and fails with the message.
  Status Tick();
  // The slider's new position: rate 0 halts the clock and enables the
  // halted-state group; any other rate runs it at that rate's interval and
  // disables that group.
  void ChangeRate(int sliderPosition);
  // Halts a running clock (enabling the halted-state group), or runs a
  // halted one (disabling it), at one tick per second when the rate was 0.
  void HaltOrContinue();
  // Halted, the halted-state group enabled, at the system clock's present
  // with the step defaults; when that moves the rate, the clock runs.
  void GoToRealTime();
  // Halted with the halted-state group enabled; then the instant and the
  // place of ALT.DAT, paired with the kept place, with the step defaults. A
  // file that cannot be read, or whose date lies outside the clock's
  // calendar, changes nothing more and is reported.
  Status ReloadLastInstant();
  // The state written at the end of a run: the instant and the place in
  // ALT.DAT, and once that is written, the place's name, zone and exact
  // coordinates in the kept place.
  Status SaveState();
  // The date, time and place of `entered` with their texts (what the engine
  // computed from them is not taken), chosen as `place`; the place line
  // follows them, and the search result is gone.
  void SetInstantAndPlace(const SkyState& entered, PlaceIdentity place);

  // Searches the event (see SearchEvent; with the search's atHorizon,
  // rise, set and culmination as SearchHorizonEvent finds them, which fails
  // with the library's message where it cannot compute the date); a found
  // event becomes the search result. Rise, set and culmination concern the
  // chosen factor and are searched from the start of the local day the
  // clock shows (LocalDayStart), the lunations concern the Moon and are
  // searched from the clock's instant on. The progress is told the hours
  // scanned of each day, from 0. Not found, the sky stays as it was.
  Outcome<SearchStatus> Search(EventKind kind, const SearchProgress& progress);
  int SearchedFactor(EventKind kind) const;
  // Searches the next solar eclipse seen from the sky's place, or the next
  // lunar eclipse, from the second after the clock's instant on, always
  // with the Swiss Ephemeris. Found, the clock stands at its maximum (to
  // the second) and the search result is its kind, with its figures as
  // resultDetails (EclipseReport's lines, the instants written by
  // ClockEclipseInstantText). The progress is told 0 once; cancelled
  // there, or failing with the library's message past the years it
  // computes, the sky stays as it was.
  Outcome<SearchStatus> SearchEclipse(EclipseSearch search, const SearchProgress& progress);
  // The search result as the window shows it (Windows-1252): resultText,
  // with the local time shown first followed by the lines of the local and
  // the Universal Time, " Vollmond \n 04:13:00 MESZ \n 02:13:00 WZ/GMT ";
  // after an eclipse, resultText followed by its figures' lines.
  std::string SearchResultLine() const;

  // A setting dialog (date/time/place, interval) opens: both button groups
  // disabled, the clock halted, the search result gone. Its end (EndSetting
  // below) comes with what the dialog leaves: at rate 0 the clock then runs
  // at one tick per second, and both groups are enabled.
  void BeginSetting();
  // The date/time/place dialog closed, by its last field or by ESC, with
  // the instant and place it committed (SetInstantAndPlace) and the reading
  // the time is shown in first.
  void EndDateTimePlace(const SkyState& entered, PlaceIdentity place, bool localTimeFirst);
  // The interval dialog closed with the step chosen, or none when ESC left
  // it; the minutes change only with a step of typed minutes.
  void EndInterval(std::optional<StepChoice> chosen);
  // A window that halts the clock while it is open (the introduction, the
  // source information): both groups disabled, then enabled again.
  void BeginPause();
  void EndPause() { EnableButtonGroups(true); }
  // A window that leaves the clock as it is (the enlarged chart).
  void EnableButtonGroups(bool on);

 private:
  void EndSetting();
  // The place line as the sky's coordinates give it.
  void TakePlaceLineFromSky();
  // After ALT.DAT gave the sky's coordinates: the kept place's exact
  // coordinates where they are those to the minute, and the place's name
  // and zone (IdentityForSkyPlace).
  void TakeKeptPlace();
  void Halt();
  void Run();
  void ApplyStepDefaults();
  void ClearSearchResult() {
    search_.resultText.clear();
    search_.resultDetails.clear();
  }
  // Moves the sky's date to the Universal date of the search's start and
  // returns the start's hour of that date.
  double MoveToSearchStart(EventKind kind);

  const SystemClock& systemClock_;
  std::filesystem::path workingDirectory_;
  KeptPlaceStore& keptPlaces_;
  const PlaceAtlas& atlas_;
  SkyState sky_;
  PlaceIdentity placeIdentity_;
  PlaceTimeRules placeTimeRules_;
  bool localTimeFirst_ = false;
  ClockSettings settings_;
  DisplayOptions display_;
  SearchState search_;
  ComputationMode computation_ = ComputationMode::kOwn;
  RealTimePacer pacer_;
  std::string placeLine_;
  bool stateFileRead_ = false;
  bool running_ = false;
  int timerInterval_ = 0;
  bool controlsEnabled_ = true;
  bool searchesEnabled_ = true;
};

}  // namespace sternwerk
