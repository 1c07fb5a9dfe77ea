// The clock window's start-up sequence and its close.
#include <QCloseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "build_info.h"
#include "places/qt/place_setting.h"
#include "windows/astrology_setting.h"
#include "windows/computation_setting.h"
#include "windows/main_window.h"
#include "windows/start_texts.h"

namespace sternwerk {

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The start-up runs once, after the window is on the screen.
  if (firstActivation_) QTimer::singleShot(0, this, &MainWindow::StartUp);
}

void MainWindow::StartUp() {
  if (!firstActivation_) return;
  services_.showPictureWindow();
  firstActivation_ = false;
  const ComputationMode mode = LoadComputationMode();
  {
    const QSignalBlocker quiet(preciseBox);  // nothing to redraw yet
    preciseBox->setChecked(mode == ComputationMode::kPrecise);
  }
  horizonBox->setChecked(LoadHorizonSearch());
  astrology_ = LoadAstrologyChoices();
  ShowAstrologyChoices();
  clock_.ShowLocalTimeFirst(LoadLocalTimeFirst());
  setWindowTitle("  " + services_.versionText +
                 tr(start_texts::kTitleEnd).arg(QString::fromUtf8(build_info::kVersion)));

  // The instant panel is filled while the clock still stands; the halt
  // button keeps its caption until the clock runs.
  const Status prepared = clock_.PrepareStart(mode);
  ShowTexts();
  ShowButtonGroups();
  ShowStatus(false);
  if (!prepared.ok()) services_.messages.Information(QString::fromStdString(prepared.error()));

  clock_.SetSymbolFontPresent(services_.symbolFontInstalled());
  if (!clock_.display().symbolFontPresent)
    services_.messages.Information(tr(start_texts::kFontMissing));

  clock_.StartRunning();
  ShowClock();

  clock_.FinishStart(FactorSetAnswer());
  {
    const QSignalBlocker quiet(factorSetBox);  // drawn below
    factorSetBox->setChecked(clock_.display().transplutonian);
  }
  UpdateDial();
  ShowClock();
  haltButton->setFocus();
}

// The answer kept from an earlier start, or the user's answer now, kept
// when the user ticks "Nicht mehr fragen".
bool MainWindow::FactorSetAnswer() {
  if (const std::optional<bool> kept = LoadFactorSetAnswer()) return *kept;
  const Messages::Answer answer = services_.messages.ConfirmWithChoice(
      tr(start_texts::kFactorSetQuestion), tr(start_texts::kDoNotAskAgain));
  if (answer.choiceTicked) SaveFactorSetAnswer(answer.yes);
  return answer.yes;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A state that cannot be saved keeps the window open, unless the user
  // chooses to end without it: otherwise an unwritable working directory
  // would leave no way to end the program.
  const Status written = clock_.SaveState();
  if (!written.ok() && !services_.messages.Confirm(QString::fromStdString(written.error()) +
                                                   tr(start_texts::kEndWithoutSaving))) {
    event->ignore();
    return;
  }
  tickTimer->stop();
  event->accept();
}

}  // namespace sternwerk
