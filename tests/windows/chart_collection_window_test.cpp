// The clock window's "Horoskope": the collection listed as the search text
// narrows it, a chart opened as the clock's halted instant and place, the
// clock's instant saved as it shows it, a chart edited and deleted, and a
// collection file that cannot be used shown as such and left unchanged.
#include "windows/chart_collection_window.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "collection/chart_store.h"
#include "tests/collection/sample_charts.h"
#include "tests/windows/main_window_fixture.h"
#include "windows/chart_edit_dialog.h"

namespace sternwerk {
namespace {

using testing::SampleCharts;

const PlaceIdentity kBerlin{"Berlin", "Berlin", "Deutschland", "Europe/Berlin"};

// What the user types into the chart form; a negative kind and null notes
// leave those fields as they are.
struct FormInput {
  QString name;
  int kindIndex = -1;  // 0 male ... 5 unstated
  QString notes;
  bool clockInstant = false;
};

// Types `text` into `widget` key by key, umlauts too.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class ChartCollection : public testing::MainWindowFixture {
 protected:
  ChartCollection() {
    Outcome<ChartStore> store = ChartStore::Open(File());
    EXPECT_TRUE(store.ok() && std::move(store).value().AddAll(SampleCharts()).ok());
  }

  void Start() {
    StartWindow([this](Clock&) {
      window = Own<ChartCollectionWindow>(messages, directory.path());
      return SecondaryWindows{.chartCollection = window};
    });
    Button("haltButton")->click();
    messages.Clear();
  }

  std::filesystem::path File() const { return directory.path() / kCollectionFileName; }

  // Clicks chartsButton and runs `whileOpen` in the open window, which is
  // then closed unless `whileOpen` closed it.
  void WithCharts(const std::function<void()>& whileOpen) {
    bool opened = false;
    QTimer::singleShot(0, window, [&] {
      opened = true;
      whileOpen();
      if (window->isVisible()) window->reject();
    });
    Button("chartsButton")->click();
    EXPECT_TRUE(opened);
  }

  // Clicks `button` of the window, whose chart form then gets each input in
  // turn and "Speichern"; a form left open is cancelled.
  void FillForm(QPushButton* button, std::vector<FormInput> inputs) {
    QTimer::singleShot(0, window, [this, inputs] {
      ChartEditDialog& chartForm = *window->editDialog;
      for (const FormInput& input : inputs) {
        chartForm.nameEdit->setText(input.name);
        if (input.kindIndex >= 0) chartForm.kindBox->setCurrentIndex(input.kindIndex);
        if (!input.notes.isNull()) chartForm.notesEdit->setPlainText(input.notes);
        chartForm.clockInstantBox->setChecked(input.clockInstant);
        chartForm.saveButton->click();
      }
      if (chartForm.isVisible()) chartForm.reject();
    });
    button->click();
  }

  QStringList ShownNames() const {
    QStringList names;
    const QAbstractItemModel& model = *window->chartList->model();
    for (int row = 0; row < model.rowCount(); ++row) names << model.index(row, 0).data().toString();
    return names;
  }

  std::vector<Chart> Stored() const {
    const Outcome<ChartStore> store = ChartStore::Open(File());
    return store.ok() ? store.value().All().value() : std::vector<Chart>{};
  }

  std::optional<Chart> StoredNamed(const std::string& name) const {
    for (const Chart& chart : Stored())
      if (chart.name == name) return chart;
    return std::nullopt;
  }

  ChartCollectionWindow* window = nullptr;
};

TEST_F(ChartCollection, SearchNarrowsTheListAndOpenSetsTheHaltedClock) {
  Start();
  const struct {
    QString typed;
    QStringList shown;
  } searches[] = {
      {"",
       {"Cezanne, Paul", "Ferber, Tobias", "Mondlandung", "Müller-Lüdenscheidt, Käthe",
        "Sternwarte"}},
      {"ÄUGSBURG", {"Müller-Lüdenscheidt, Käthe"}},
      {"1969", {"Mondlandung"}},
      {"paul aix", {"Cezanne, Paul"}},
      {"Zürich", {}},
  };
  WithCharts([&] {
    for (const auto& search : searches) {
      Type(window->searchEdit, search.typed);
      EXPECT_EQ(ShownNames(), search.shown) << search.typed.toStdString();
      EXPECT_EQ(window->openButton->isEnabled(), !search.shown.isEmpty());
      window->searchEdit->clear();
    }
  });
  // Opened from the list's first row by Enter, the others by the down key
  // in the search field, then Enter there.
  const std::vector<Chart> charts = SampleCharts();
  for (std::size_t row = 0; row < charts.size(); ++row) {
    const Chart& chart = charts[row];
    WithCharts([&] {
      if (row == 0) {
        Type(window->searchEdit, QString::fromStdString(chart.name));
        QTest::keyClick(window->chartList, Qt::Key_Return);
        return;
      }
      for (int down = 0; down < window->chartList->model()->rowCount(); ++down) {
        if (window->chartList->currentIndex().data().toString().startsWith(
                QString::fromStdString(chart.name)))
          break;
        QTest::keyClick(window->searchEdit, Qt::Key_Down);
      }
      QTest::keyClick(window->searchEdit, Qt::Key_Return);
    });
    EXPECT_EQ(clock->ShownInstant(), chart.universal) << chart.name;
    EXPECT_EQ(sky().longitude, chart.place.longitude);
    EXPECT_EQ(sky().latitude, chart.place.latitude);
    EXPECT_EQ(clock->placeIdentity().name, chart.place.name);
    EXPECT_EQ(clock->placeIdentity().timeZone, chart.place.timeZone);
    EXPECT_FALSE(clock->running());
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_TRUE(Button("chartsButton")->isEnabled());
  }
}

TEST_F(ChartCollection, SavesTheClockInstantAsTheClockShowsIt) {
  const ClockSeconds winter = ClockSecondsOf(8, 12, 2026, 9.5) + 15;
  const ClockSeconds before1893 = ClockSecondsOf(1, 6, 1880, 12);
  const int berlinMeanTime = 3216;  // 13.4 degrees east
  const struct {
    std::string name;
    ClockSeconds universal;
    bool localFirst;
    ClockSeconds typed;
    TimeReading reading;
    std::string zone;
  } cases[] = {
      {"Ortszeit", winter, true, winter + 3600, TimeReading::kZoneTime, "MEZ"},
      {"Weltzeit", winter, false, winter, TimeReading::kUniversal, "UT"},
      {"Ortszeit 1880", before1893, true, before1893 + berlinMeanTime, TimeReading::kMeanTime,
       "MOZ"},
  };
  for (const auto& saved : cases) {
    Start();
    const ClockReading at = ReadingOf(saved.universal);
    SetClockInstant(at.day, at.month, at.year, at.secondOfDay / 3600.0);
    SetClockPlace(13.4, 52.52, kBerlin);
    clock->ShowLocalTimeFirst(saved.localFirst);
    // Without a name the form asks for one and keeps the notes.
    WithCharts([&] {
      FillForm(window->saveButton, {{"", 2, "Notiz", false},
                                    {QString::fromStdString(saved.name), -1, QString(), false}});
    });
    ASSERT_EQ(messages.shown().size(), 1U);
    const std::optional<Chart> chart = StoredNamed(saved.name);
    ASSERT_TRUE(chart) << saved.name;
    EXPECT_EQ(chart->typed, ReadingOf(saved.typed)) << saved.name;
    EXPECT_EQ(chart->reading, saved.reading);
    EXPECT_EQ(chart->zoneName, saved.zone);
    EXPECT_EQ(chart->universal, saved.universal);
    EXPECT_EQ(chart->kind, ChartKind::kEvent);
    EXPECT_EQ(chart->notes, "Notiz");
    EXPECT_EQ(chart->place,
              (ChartPlace{"Berlin", "Berlin", "Deutschland", 13.4, 52.52, "Europe/Berlin"}));
    messages.Clear();
  }
}

TEST_F(ChartCollection, EditsAndDeletesOnlyWhenAnsweredYes) {
  Start();
  WithCharts([&] {
    Type(window->searchEdit, "Ferber");
    FillForm(window->editButton, {{"Färber", 5, "neu", true}});
  });
  const std::optional<Chart> edited = StoredNamed("Färber");
  ASSERT_TRUE(edited);
  EXPECT_EQ(edited->notes, "neu");
  EXPECT_EQ(edited->kind, ChartKind::kUnstated);
  EXPECT_EQ(edited->universal, clock->ShownInstant());
  for (const bool answer : {false, true}) {
    messages.ScriptAnswers({answer});
    WithCharts([&] {
      Type(window->searchEdit, "Färber");
      window->deleteButton->click();
    });
    EXPECT_EQ(StoredNamed("Färber").has_value(), !answer);
    ASSERT_EQ(messages.shown().size(), 1U);
    EXPECT_TRUE(messages.shown()[0].text.contains("Färber, Tobias"));
    messages.Clear();
  }
  EXPECT_EQ(Stored().size(), SampleCharts().size() - 1);
}

TEST_F(ChartCollection, AnUnusableFileIsShownAndLeftAlone) {
  const std::string contents[] = {std::string("SQLite format 3\0", 16) + std::string(4080, '\x7f'),
                                  "Name;Datum\nFerber;27.09.1970\n"};
  for (const std::string& content : contents) {
    for (const char* ending : {"", "-wal", "-shm"})
      std::filesystem::remove(File().string() + ending);
    std::ofstream(File(), std::ios::binary) << content;
    Start();
    WithCharts([&] {
      EXPECT_EQ(window->chartList->model()->rowCount(), 0);
      EXPECT_FALSE(window->problemLabel->isHidden());
      for (QPushButton* action : {window->saveButton, window->openButton, window->deleteButton})
        EXPECT_FALSE(action->isEnabled());
    });
    ASSERT_EQ(messages.shown().size(), 1U);
    EXPECT_EQ(messages.shown()[0].kind, MessageKind::kError);
    std::ifstream file(File(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), content);
  }
}

}  // namespace
}  // namespace sternwerk
