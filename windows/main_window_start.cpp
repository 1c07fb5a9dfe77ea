// The clock window's start-up sequence and its close.
#include <QCloseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "clock/clock_step.h"
#include "clock/state_file.h"
#include "engine/state_texts.h"
#include "platform/ui_style.h"
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
  display.transplutonian = false;
  {
    const QSignalBlocker quiet(preciseBox);  // nothing to redraw yet
    computationMode = LoadComputationMode();
    preciseBox->setChecked(computationMode == ComputationMode::kPrecise);
  }
  setWindowTitle("  " + services_.versionText + QString::fromUtf8(start_texts::kTitleEnd));

  stateFileLoaded = ReadStartupPlace(services_.workingDirectory, sky).ok();
  TakeInstantFromClock();
  if (stateFileLoaded) {
    ShowPlace();
  } else {
    lastInstantButton->setEnabled(false);
    SetDefaultPlace(sky);
    ShowPlace();
  }
  ShowInstant();

  SetStepDefaults(clockSettings);
  intervalLabel->setText(QString::fromStdString(IntervalText(clockSettings)));
  speedLabel->setText(QString::fromStdString(SpeedText(clockSettings.ticksPerSecond)));
  rateSlider->setValue(SliderPositionFromRate(1));

  SetControlButtonsEnabled(false);
  SetSearchButtonsEnabled(false);
  ShowStatus(false);

  display.symbolFontPresent = services_.symbolFontInstalled();
  if (!display.symbolFontPresent)
    services_.messages.Information(QString::fromUtf8(start_texts::kFontMissing));

  ShowStatus(true);
  tickTimer->setInterval(kStartTimerInterval);
  tickTimer->start();
  pacer_.Restart();
  rateLabel->setText("1");
  ClearSearchResult();

  display.transplutonian =
      services_.messages.Confirm(QString::fromUtf8(start_texts::kFactorSetQuestion));
  UpdateDial();
  SetControlButtonsEnabled(true);
  haltButton->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A state that cannot be saved keeps the window open, unless the user
  // chooses to end without it: otherwise an unwritable working directory
  // would leave no way to end the program.
  const Status written = WriteStateFile(services_.workingDirectory, sky);
  if (!written.ok() &&
      !services_.messages.Confirm(QString::fromStdString(written.error()) +
                                  QString::fromUtf8(start_texts::kEndWithoutSaving))) {
    event->ignore();
    return;
  }
  tickTimer->stop();
  event->accept();
}

}  // namespace sternwerk
