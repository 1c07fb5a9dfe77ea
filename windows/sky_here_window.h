// The window "Himmel hier": what stands in the sky at the clock's place and
// instant, as the observer's table of the Swiss Ephemeris gives it, with
// the day's rise, transit and set and the twilights in the place's time.
// It follows the running clock, a few times a second at most, and can be
// copied as text and printed.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/outcome.h"
#include "engine/sky_state.h"
#include "observing/sky_here.h"
#include "places/local_day.h"
#include "places/place_identity.h"
#include "platform/messages.h"
#include "platform/printing.h"

namespace sternwerk {

class PositionListView;

class SkyHereWindow : public QDialog {
  Q_OBJECT

 public:
  using RealTime = std::chrono::steady_clock::time_point;

  // The clock's sky and the name and zone of its place, and `messages`,
  // which reports a failed print, must outlive the window.
  SkyHereWindow(const SkyState& sky, const PlaceIdentity& place, Messages& messages,
                QWidget* parent = nullptr);

  // The clock's sky changed: a tick, a new instant or place. Hidden, the
  // window does nothing. Shown, it shows the sky at once when its last
  // update lies far enough back (UpdateSpacing), else when that time is
  // up, with the sky as it then is.
  void SkyChanged();
  // The real time between two updates: at least kShortestSpacing, and long
  // enough that the updates take a small share of the time however dear
  // the last one was (a new day costs more than a new instant).
  std::chrono::steady_clock::duration UpdateSpacing() const;

  // Puts Lines() on the clipboard as text.
  void Copy();
  // Prints Lines() in a fixed-width face, made smaller where the widest
  // line would not fit the page, one print job.
  void Print();
  // What is copied and printed: the instant and place, the clock of the
  // event times, then the table as its text form writes it, or why the
  // library could not compute it.
  QStringList Lines() const { return lines_; }

  // Chooses the printer for "&Drucken": the print dialog unless replaced.
  std::unique_ptr<PrinterChoice> printerChoice;
  // The real time that spaces the updates; tests replace it.
  std::function<RealTime()> now = [] { return std::chrono::steady_clock::now(); };

  QLabel* instantLabel;
  QLabel* eventClockLabel;
  PositionListView* table;
  QPushButton* copyButton;
  QPushButton* printButton;
  QPushButton* backButton;
  // Runs while an update waits for its spacing.
  QTimer* updateTimer;

 protected:
  // Each showing shows the sky at once.
  void showEvent(QShowEvent* event) override;

 private:
  void Update();
  // The sky at the instant, with the day's events computed again only
  // where the instant left the day they were computed for, or the place
  // changed.
  Outcome<SkyHere> SkyAt(ClockSeconds instant);
  LocalDay LocalDayAround(ClockSeconds instant) const;
  // "HH:MM" of an event, to the nearest minute, in the place's civil time,
  // or Universal Time where the place has no zone.
  std::string EventClockText(ClockSeconds instant) const;
  QString InstantLine(ClockSeconds instant) const;
  QString EventClockLine(ClockSeconds instant) const;

  const SkyState& sky_;
  const PlaceIdentity& place_;
  Messages& messages_;
  PlaceTimeRules rules_;
  QStringList lines_;
  // The day's events, and the place they were computed for.
  std::optional<ObservingDay> day_;
  ObserverPlace dayPlace_;
  std::string dayZone_;
  std::optional<RealTime> lastUpdate_;
  std::chrono::steady_clock::duration lastCost_{};
};

}  // namespace sternwerk
