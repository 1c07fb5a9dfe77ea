// The clock window's event searches: today's rise, set or culmination of a
// factor the user names, and the next full or new moon. While a search runs
// the window repaints, the progress bar follows the hour being tried, and
// only ESC and the "Abbrechen" button are heeded.
#include <QApplication>
#include <QKeyEvent>

#include "engine/event_search.h"
#include "engine/factors.h"
#include "windows/factor_choice_dialog.h"
#include "windows/main_window.h"

namespace sternwerk {
namespace {

struct SearchTexts {
  const char* dialogTitle;     // rise, set and culmination only
  const char* progressBefore;  // before the factor's code
  const char* progressAfter;
  const char* resultAfter;  // after " " and the code
  const char* eventName;    // in the message when nothing is found
};

SearchTexts TextsOf(EventKind kind) {
  switch (kind) {
    case EventKind::kRise:
      return {"            Aufgangs-Faktor", "     Heutiger ", "-Aufgang wird gesucht          ",
              "-Aufgang ", "-Aufgang"};
    case EventKind::kSet:
      return {"           Untergangs-Faktor", "   Heutiger ", "-Untergang wird gesucht      ",
              "-Untergang ", "-Untergang"};
    case EventKind::kCulmination:
      return {"           Kulminations-Faktor", "   Heutige ", "-Kulmination wird gesucht      ",
              "-Kulmination ", "-Kulmination"};
    case EventKind::kFullMoon:
      return {"", "      Nächster Vollmond wird gesucht           ", "", " Vollmond ", "Vollmond"};
    case EventKind::kNewMoon:
      return {"", "      Nächster Neumond wird gesucht          ", "", " Neumond ", "Neumond"};
  }
  return {};
}

std::string CodeOf(int factor) {
  return std::string(kFactorCodes[static_cast<std::size_t>(factor)]);
}

QString ProgressText(EventKind kind, int factor) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return QString::fromUtf8(texts.progressBefore);
  return QString::fromUtf8(texts.progressBefore) + QString::fromStdString(CodeOf(factor)) +
         QString::fromUtf8(texts.progressAfter);
}

std::string ResultText(EventKind kind, int factor) {
  const SearchTexts texts = TextsOf(kind);
  if (IsLunation(kind)) return texts.resultAfter;
  return " " + CodeOf(factor) + texts.resultAfter;
}

QString NotFoundText(EventKind kind, int factor) {
  const QString event = IsLunation(kind) ? QString::fromUtf8(TextsOf(kind).eventName)
                                         : QString::fromStdString(CodeOf(factor)) +
                                               QString::fromUtf8(TextsOf(kind).eventName);
  return QStringLiteral(
             "%1 in den nächsten %2 Tagen nicht gefunden.\r\n"
             "Datum und Zeit bleiben unverändert.")
      .arg(event)
      .arg(DefaultSearchDays(kind));
}

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
  searchCancelButton = new QPushButton("Abbrechen", infoPanel);
  searchCancelButton->setGeometry(156, 33, 73, 25);
  searchCancelButton->hide();
  connect(riseButton, &QPushButton::clicked, this, &MainWindow::SearchRise);
  connect(setButton, &QPushButton::clicked, this, &MainWindow::SearchSet);
  connect(culminationButton, &QPushButton::clicked, this, &MainWindow::SearchCulmination);
  connect(fullMoonButton, &QPushButton::clicked, this, &MainWindow::SearchFullMoon);
  connect(newMoonButton, &QPushButton::clicked, this, &MainWindow::SearchNewMoon);
}

void MainWindow::SearchRise() {
  SearchFactorEvent(EventKind::kRise);
}

void MainWindow::SearchSet() {
  SearchFactorEvent(EventKind::kSet);
}

void MainWindow::SearchCulmination() {
  SearchFactorEvent(EventKind::kCulmination);
}

void MainWindow::SearchFullMoon() {
  RunSearch(EventKind::kFullMoon);
}

void MainWindow::SearchNewMoon() {
  RunSearch(EventKind::kNewMoon);
}

void MainWindow::SearchFactorEvent(EventKind kind) {
  FactorChoiceDialog* dialog = windows.factorChoice;
  dialog->setWindowTitle(QString::fromUtf8(TextsOf(kind).dialogTitle));
  dialog->exec();
  if (dialog->answer == "##") return;
  RunSearch(kind);
}

void MainWindow::RunSearch(EventKind kind) {
  const int factor = IsLunation(kind) ? static_cast<int>(kMoon) : search.factor;
  searchProgressLabel->setText(ProgressText(kind, factor));
  searchProgressLabel->adjustSize();
  searchProgressLabel->show();
  searchProgressLabel->raise();
  searchProgress->setValue(0);
  searchProgress->show();
  searchCancelButton->show();
  searchCancelButton->raise();

  SearchStatus status;
  {
    SearchInputGuard guard(this, searchCancelButton);
    QCoreApplication::processEvents();
    status = SearchEvent(
        sky, kind, factor,
        [&](int hour) {
          searchProgress->setValue(hour);
          QCoreApplication::processEvents();
          return !guard.cancelled();
        },
        std::nullopt, computationMode);
  }

  searchProgress->hide();
  searchCancelButton->hide();
  if (status != SearchStatus::kFound) {
    searchProgressLabel->hide();
    if (status == SearchStatus::kNotFound)
      services_.messages.Information(NotFoundText(kind, factor));
    return;
  }
  ShowInstant();
  searchProgressLabel->hide();
  search.resultText = ResultText(kind, factor);
  UpdateDial();
}

}  // namespace sternwerk
