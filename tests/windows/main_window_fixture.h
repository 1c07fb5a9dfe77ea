// The clock window as the window tests start it: a clock on a fixed system
// clock in a temporary working folder, recorded message boxes, the fixture
// atlas and the secondary windows a test gives it.
#pragma once

#include <gtest/gtest.h>

#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "clock/clock.h"
#include "engine/calendar.h"
#include "places/qt/settings_kept_place_store.h"
#include "tests/support/fake_system_clock.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/support/widget_lookup.h"
#include "windows/main_window.h"

namespace sternwerk::testing {

class MainWindowFixture : public ::testing::Test {
 protected:
  // Makes the secondary windows for a new clock, each kept with Own().
  using Secondaries = std::function<SecondaryWindows(Clock&)>;

  explicit MainWindowFixture(std::chrono::system_clock::time_point now = UtcTime(2026, 12, 8, 9, 30,
                                                                                 15))
      : systemClock(now) {}

  // Ends the last window, then starts a new clock from the working folder
  // and its window with the secondary windows made for it.
  MainWindow& StartWindow(const Secondaries& secondaries = {}) {
    form.reset();
    windows.clear();
    clock = std::make_unique<Clock>(systemClock, directory.path(), keptPlaces, atlas);
    form = std::make_unique<MainWindow>(
        *clock,
        MainWindowServices{messages, versionText, printPage, [this] { return fontInstalled; },
                           [this] { ++pictureWindowShown; }},
        secondaries ? secondaries(*clock) : SecondaryWindows{});
    form->StartUp();
    return *form;
  }

  // A secondary window that lives until the window that uses it has ended.
  template <class Window, class... Arguments>
  Window* Own(Arguments&&... arguments) {
    auto window = std::make_unique<Window>(std::forward<Arguments>(arguments)...);
    Window* kept = window.get();
    windows.push_back(std::move(window));
    return kept;
  }

  template <class T>
  T* Get(const char* name) const {
    return Child<T>(*form, name);
  }
  QPushButton* Button(const char* name) const { return Get<QPushButton>(name); }
  QLabel* Label(const char* name) const { return Get<QLabel>(name); }
  QTimer* Timer() const { return Get<QTimer>("tickTimer"); }
  const SkyState& sky() const { return clock->sky(); }
  // Sets the clock's step as the interval dialog does; the window is not
  // told, and its timer goes on.
  void SetClockStep(StepMode mode, double minutes) {
    clock->BeginSetting();
    clock->EndInterval(StepChoice{mode, minutes});
  }
  // Moves the clock's instant, its place left as it is.
  void SetClockInstant(int day, int month, int year, double hours) {
    SkyState moved = clock->sky();
    SetInstant(moved, day, month, year, hours);
    clock->SetInstantAndPlace(moved, clock->placeIdentity());
  }

  // Moves the clock's place, its instant left as it is.
  void SetClockPlace(double longitude, double latitude, PlaceIdentity place) {
    SkyState moved = clock->sky();
    moved.longitude = longitude;
    moved.latitude = latitude;
    clock->SetInstantAndPlace(moved, std::move(place));
  }

  // A tick of the timer one second of system time after the last.
  void Tick() {
    systemClock.Advance(std::chrono::seconds(1));
    FireTimer(Timer());
  }

  TemporaryDirectory directory;
  RecordingMessages messages;
  FakeSystemClock systemClock;
  const PlaceAtlas atlas = FixtureAtlas();
  SettingsKeptPlaceStore keptPlaces;
  // The instant and place a date/time/place dialog of the window edits.
  SkyState enteredSky;
  QString versionText = "TestOS";
  QSize printPage{5000, 7100};
  bool fontInstalled = true;
  int pictureWindowShown = 0;
  std::unique_ptr<Clock> clock;
  std::vector<std::unique_ptr<QObject>> windows;  // ended after the window
  std::unique_ptr<MainWindow> form;
};

}  // namespace sternwerk::testing
