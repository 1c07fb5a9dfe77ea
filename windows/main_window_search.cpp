// The clock window's event searches: today's rise, set or culmination of a
// factor the user names, the next full or new moon, and the next solar
// eclipse seen from the place or lunar eclipse. While a search runs
// the window repaints, the progress bar follows the hour being tried, and
// only ESC and the "Abbrechen" button are heeded.
#include <QApplication>
#include <QKeyEvent>
#include <optional>

#include "clock/search_texts.h"
#include "windows/factor_choice_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

// Holds back the user's input while a search runs: ESC and the cancel
// button cancel it, every other key, click, wheel turn and shortcut is
// dropped, and the window cannot be closed.
class SearchInputGuard : public QObject {
 public:
  SearchInputGuard(QWidget* window, QPushButton* cancelButton)
      : window_(window), cancelButton_(cancelButton) {
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancelled_ = true; });
    qApp->installEventFilter(this);
  }
  ~SearchInputGuard() override { qApp->removeEventFilter(this); }

  bool cancelled() const { return cancelled_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!watched->isWidgetType()) return false;
    switch (event->type()) {
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) cancelled_ = true;
        return true;
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::Wheel:
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
        return watched != cancelButton_;
      case QEvent::Close:
        if (watched != window_) return false;
        event->ignore();
        return true;
      default:
        return false;
    }
  }

 private:
  QWidget* window_;
  QPushButton* cancelButton_;
  bool cancelled_ = false;
};

}  // namespace

void MainWindow::CreateSearchControls() {
  // The bar leaves room for the cancel button; together they cover the
  // buttons beneath them.
  searchProgress->setGeometry(4, 33, 152, 25);
  searchCancelButton = new QPushButton(tr("Abbrechen"), infoPanel);
  searchCancelButton->setGeometry(156, 33, 73, 25);
  searchCancelButton->hide();
  connect(riseButton, &QPushButton::clicked, this, [this] { SearchFactorEvent(EventKind::kRise); });
  connect(setButton, &QPushButton::clicked, this, [this] { SearchFactorEvent(EventKind::kSet); });
  connect(culminationButton, &QPushButton::clicked, this,
          [this] { SearchFactorEvent(EventKind::kCulmination); });
  connect(fullMoonButton, &QPushButton::clicked, this, [this] { RunSearch(EventKind::kFullMoon); });
  connect(newMoonButton, &QPushButton::clicked, this, [this] { RunSearch(EventKind::kNewMoon); });
  connect(solarEclipseButton, &QPushButton::clicked, this,
          [this] { SearchEclipse(EclipseSearch::kSolar); });
  connect(lunarEclipseButton, &QPushButton::clicked, this,
          [this] { SearchEclipse(EclipseSearch::kLunar); });
}

void MainWindow::SearchFactorEvent(EventKind kind) {
  FactorChoiceDialog* dialog = windows_.factorChoice;
  dialog->SetSearchedEvent(kind);
  dialog->exec();
  const std::optional<FactorChoice> choice = dialog->choice();
  if (!choice) return;
  clock_.ChooseSearchedFactor(*choice);
  RunSearch(kind);
}

void MainWindow::RunSearch(EventKind kind) {
  const int factor = clock_.SearchedFactor(kind);
  const bool atHorizon = clock_.search().atHorizon;
  const Outcome<SearchStatus> status = SearchWithProgress(
      QString::fromStdString(SearchProgressText(kind, factor, atHorizon)),
      [&](const SearchProgress& progress) { return clock_.Search(kind, progress); });
  if (status.ok() && status.value() == SearchStatus::kNotFound) {
    services_.messages.Information(
        QString::fromStdString(SearchNotFoundText(kind, factor, atHorizon)));
  }
  ShowSearchEnd(status);
}

void MainWindow::SearchEclipse(EclipseSearch search) {
  ShowSearchEnd(SearchWithProgress(
      QString::fromStdString(EclipseProgressText(search)),
      [&](const SearchProgress& progress) { return clock_.SearchEclipse(search, progress); }));
}

Outcome<SearchStatus> MainWindow::SearchWithProgress(const QString& banner,
                                                     const ClockSearch& search) {
  searchProgressLabel->setText(banner);
  searchProgressLabel->adjustSize();
  searchProgressLabel->show();
  searchProgressLabel->raise();
  searchProgress->setValue(0);
  searchProgress->show();
  searchCancelButton->show();
  searchCancelButton->raise();

  Outcome<SearchStatus> status = Outcome<SearchStatus>::Success(SearchStatus::kCancelled);
  {
    SearchInputGuard guard(this, searchCancelButton);
    QCoreApplication::processEvents();
    status = search([&](int hour) {
      searchProgress->setValue(hour);
      QCoreApplication::processEvents();
      return !guard.cancelled();
    });
  }

  searchProgress->hide();
  searchCancelButton->hide();
  searchProgressLabel->hide();
  return status;
}

void MainWindow::ShowSearchEnd(const Outcome<SearchStatus>& status) {
  if (!status.ok()) {
    services_.messages.Error(QString::fromStdString(status.error()));
    return;
  }
  if (status.value() != SearchStatus::kFound) return;
  ShowClock();
  UpdateDial();
}

}  // namespace sternwerk
