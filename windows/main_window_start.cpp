// The clock window's start-up sequence and its close.
#include <QCloseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

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
  setWindowTitle("  " + services_.versionText + QString::fromUtf8(start_texts::kTitleEnd));

  // The instant panel is filled while the clock still stands; the halt
  // button keeps its caption until the clock runs.
  clock_.PrepareStart(mode);
  ShowTexts();
  ShowButtonGroups();
  ShowStatus(false);

  clock_.display().symbolFontPresent = services_.symbolFontInstalled();
  if (!clock_.display().symbolFontPresent)
    services_.messages.Information(QString::fromUtf8(start_texts::kFontMissing));

  clock_.StartRunning();
  ShowClock();

  clock_.FinishStart(
      services_.messages.Confirm(QString::fromUtf8(start_texts::kFactorSetQuestion)));
  UpdateDial();
  ShowClock();
  haltButton->setFocus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A state that cannot be saved keeps the window open, unless the user
  // chooses to end without it: otherwise an unwritable working directory
  // would leave no way to end the program.
  const Status written = clock_.SaveState();
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
