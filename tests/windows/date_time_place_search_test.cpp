// The date/time/place dialog's place search and local time, driven with
// keys as a user drives it; the message boxes are recorded and answered.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTime>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>

#include "places/qt/geonames_atlas.h"
#include "platform/program_language.h"
#include "tests/support/fixture_atlas.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temporary_directory.h"
#include "tests/windows/focused_keys.h"
#include "windows/date_time_place_dialog.h"

namespace sternwerk {
namespace {

using testing::ChoosePlace;
using testing::PressKey;
using testing::TypeKeys;

constexpr int kSecondsPerDegreeOfTime = 240;  // a mean time: longitude / 15 hours

class DateTimePlaceSearch : public ::testing::Test {
 protected:
  DateTimePlaceSearch() {
    dialog.SetPlaceIdentity(IdentityOf(*atlas.Find("Berlin", 1).front(), Language::kGerman));
  }

  static void Open(DateTimePlaceDialog& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  static void SwitchToLocalTime(DateTimePlaceDialog& window) {
    PressKey(Qt::Key_O, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.localTimeBox->isChecked(); }));
  }
  static void Click(QWidget* field) { field->setFocus(Qt::MouseFocusReason); }
  // Opens `window` at a place of a zone no computer knows, in local time,
  // and types an instant.
  static void TypeAtUnknownZone(DateTimePlaceDialog& window) {
    window.SetPlaceIdentity({"", "", "", "Mars/Olympus"});
    Open(window);
    SwitchToLocalTime(window);
    TypeKeys(
        "07122026"
        "1200");
  }

  QStringList PlaceFields() const {
    QStringList texts;
    for (const QLineEdit* field :
         {dialog.longitudeSignEdit, dialog.longitudeDegreesEdit, dialog.longitudeMinutesEdit,
          dialog.latitudeSignEdit, dialog.latitudeDegreesEdit, dialog.latitudeMinutesEdit}) {
      texts << field->text();
    }
    return texts;
  }
  std::string Instant() const { return sky.dateText + " " + sky.timeText; }
  // "hh:mm:ss" of the local time of day less an offset in seconds.
  static std::string Less(const QString& local, int seconds) {
    return QTime::fromString(local, "hh:mm").addSecs(-seconds).toString("hh:mm:ss").toStdString();
  }

  const PlaceAtlas atlas = FixtureAtlas();
  SkyState sky = SkyAtChosenBerlin();
  RecordingMessages messages;
  DateTimePlaceDialog dialog{sky, messages, atlas};
};

TEST_F(DateTimePlaceSearch, AChosenPlaceFillsTheFieldsAndIsCommittedExactly) {
  Open(dialog);
  PressKey(Qt::Key_F3);
  ASSERT_TRUE(dialog.searchPanel->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dialog.searchEdit);
  EXPECT_EQ(dialog.searchList->count(), 0);
  EXPECT_TRUE(dialog.searchNote->text().isEmpty()) << "an empty search says nothing";
  TypeKeys("xyz");
  EXPECT_EQ(dialog.searchList->count(), 0);
  EXPECT_EQ(dialog.searchNote->text(), "Kein Ort gefunden.");
  dialog.searchEdit->clear();
  TypeKeys("muen");
  ASSERT_EQ(dialog.searchList->count(), 1);
  const QString match = dialog.searchList->item(0)->text();
  EXPECT_TRUE(match.startsWith("München, Bavaria, Deutschland\n")) << match.toStdString();
  EXPECT_TRUE(match.contains("48°08' N  011°35' O") && match.contains("Europe/Berlin"));
  PressKey(Qt::Key_Return);

  EXPECT_FALSE(dialog.searchPanel->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), dialog.dayEdit) << "searched from the day, typed on there";
  // 11.57549° E = 11°34.53', 48.13743° N = 48°08.25': to the nearest minute.
  EXPECT_EQ(PlaceFields(), QStringList({"+", "011", "35", "+", "48", "08"}));
  EXPECT_EQ(sky.longitudeText,
            "+013\xB0"
            "25'")
      << "filling commits nothing";
  EXPECT_EQ(dialog.placeLabel->text(), "Ort: München, Bavaria, Deutschland · Europe/Berlin");

  TypeKeys(
      "01072026"
      "1200");
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeSignEdit);
  for (int field = 0; field < 6; ++field) PressKey(Qt::Key_Return);
  EXPECT_FALSE(dialog.isVisible()) << "the latitude's commit closes the dialog";
  const AtlasPlace& munich = *atlas.Find("Munich", 1).front();
  EXPECT_EQ(sky.longitude, munich.longitude) << "the atlas's coordinates, not the fields' minutes";
  EXPECT_EQ(sky.latitude, munich.latitude);
  EXPECT_EQ(sky.longitudeText,
            "+011\xB0"
            "35'");
  EXPECT_EQ(Instant(), "01.07.2026 12:00:00") << "the fields read Universal Time";
  EXPECT_EQ(dialog.placeIdentity(), IdentityOf(munich, Language::kGerman));
  EXPECT_TRUE(messages.shown().empty());
}

// Sydney committed, then Berlin chosen: however the last field is left, the
// dialog commits the place its fields and place line show, to the atlas's
// arcsecond, never Sydney's longitude with Berlin's latitude.
TEST_F(DateTimePlaceSearch, LeavingTheLastFieldCommitsTheChosenPlaceWhole) {
  const struct {
    const char* way;
    std::function<void()> leave;
  } ways[] = {
      {"click into the hour", [this] { QTest::mouseClick(dialog.hourEdit, Qt::LeftButton); }},
      {"Shift+Tab", [] { PressKey(Qt::Key_Tab, Qt::ShiftModifier); }},
      {"Tab", [] { PressKey(Qt::Key_Tab); }},
      {"Enter", [] { PressKey(Qt::Key_Return); }},
  };
  const AtlasPlace& berlin = *atlas.Find("Berlin", 1).front();
  for (const auto& way : ways) {
    SCOPED_TRACE(way.way);
    sky = SkyAtChosenBerlin();
    Open(dialog);
    ChoosePlace("Sydney");
    for (int field = 0; field < kDateFieldCount; ++field) PressKey(Qt::Key_Return);
    ASSERT_FALSE(dialog.isVisible());
    ASSERT_EQ(dialog.placeIdentity().name, "Sydney");

    dialog.SetPlaceIdentity(dialog.placeIdentity());
    Open(dialog);
    ChoosePlace("Berlin");
    EXPECT_EQ(PlaceFields(), QStringList({"+", "013", "25", "+", "52", "31"}));
    EXPECT_TRUE(dialog.placeLabel->text().startsWith("Ort: Berlin, "))
        << dialog.placeLabel->text().toStdString();
    QTest::mouseClick(dialog.latitudeMinutesEdit, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), dialog.latitudeMinutesEdit);
    way.leave();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(sky.longitude, berlin.longitude);
    EXPECT_EQ(sky.latitude, berlin.latitude);
    EXPECT_EQ(sky.longitudeText + " " + sky.latitudeText,
              "+013\xB0"
              "25' +52\xB0"
              "31'");
    EXPECT_FALSE(sky.isWest || sky.isSouth);
    EXPECT_EQ(dialog.placeIdentity(), IdentityOf(berlin, Language::kGerman));
    EXPECT_TRUE(messages.shown().empty());
  }
}

TEST_F(DateTimePlaceSearch, TypedCoordinatesHaveNoNameAndTheNearestZoneWithin150Km) {
  Open(dialog);
  Click(dialog.latitudeDegreesEdit);
  ChoosePlace("Paris");
  EXPECT_EQ(QApplication::focusWidget(), dialog.longitudeSignEdit)
      << "from the place fields, back to the first of them";
  TypeKeys(
      "+01330"
      "+5300");  // 55 km north of Berlin
  ASSERT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.placeIdentity(), (PlaceIdentity{"", "", "", "Europe/Berlin"}));

  dialog.SetPlaceIdentity(dialog.placeIdentity());
  Open(dialog);
  Click(dialog.longitudeSignEdit);
  TypeKeys(
      "+00000"
      "+00");
  EXPECT_EQ(dialog.placeLabel->text(), "Ort: eingegebene Koordinaten · nur mittlere Ortszeit");
  TypeKeys("00");
  EXPECT_EQ(dialog.placeIdentity(), PlaceIdentity{});
}

TEST_F(DateTimePlaceSearch, EscapeAfterChoosingKeepsTheGroupsCommittedBefore) {
  Open(dialog);
  TypeKeys("24122027");
  ChoosePlace("new y");
  EXPECT_EQ(QApplication::focusWidget(), dialog.hourEdit);
  EXPECT_EQ(PlaceFields()[1], "074");
  PressKey(Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(sky.dateText, "24.12.2027");
  EXPECT_EQ(sky.longitudeText,
            "+013\xB0"
            "25'");
  EXPECT_EQ(dialog.placeIdentity().name, "Berlin");
}

TEST_F(DateTimePlaceSearch, LocalTimeRefusesTheSkippedHourAndAsksForTheRepeatedOne) {
  Open(dialog);
  EXPECT_EQ(dialog.otherReadingLabel->text(), "= 10:30:00 MEZ") << "UT+1 in December";
  SwitchToLocalTime(dialog);
  EXPECT_EQ(dialog.timeLabel->text(), "Ortszeit");
  EXPECT_EQ(dialog.otherReadingLabel->text(), "= 08:30:00 WZ/GMT");
  EXPECT_EQ(QApplication::focusWidget(), dialog.dayEdit) << "the switch keeps the focus";

  // 29.03.2026: Berlin's clocks went from 02:00 MEZ to 03:00 MESZ.
  TypeKeys(
      "29032026"
      "0230");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains("02:30 gibt es hier nicht"));
  EXPECT_EQ(QApplication::focusWidget(), dialog.hourEdit);
  EXPECT_EQ(dialog.hourEdit->text() + dialog.minuteEdit->text(), "0230");
  EXPECT_EQ(Instant(), "29.03.2026 " + Less("09:30", 2 * 3600)) << "the date's commit at 09:30";

  // 25.10.2026: 03:00 MESZ became 02:00 MEZ; 02:30 came at UT+2, then at UT+1.
  messages.Clear();
  messages.ScriptAnswers({true, false});
  Click(dialog.dayEdit);
  TypeKeys(
      "25102026"
      "0230");
  ASSERT_EQ(messages.shown().size(), 1u) << "one question, none at the date's commit";
  EXPECT_EQ(messages.shown()[0].kind, MessageKind::kConfirmation);
  EXPECT_TRUE(messages.shown()[0].text.contains("Sommerzeit (MESZ)"));
  EXPECT_EQ(Instant(), "25.10.2026 " + Less("02:30", 2 * 3600));
  Click(dialog.hourEdit);
  TypeKeys("0230");
  EXPECT_EQ(Instant(), "25.10.2026 " + Less("02:30", 3600)) << "no: standard time";
}

TEST_F(DateTimePlaceSearch, LocalTimeLabelsMessagesAndQuestionInEnglish) {
  const ProgramTranslation translation(Language::kEnglish);
  ASSERT_TRUE(translation.status().ok()) << translation.status().error();
  Open(dialog);
  SwitchToLocalTime(dialog);
  EXPECT_EQ(dialog.timeLabel->text(), "Local time");
  EXPECT_EQ(dialog.otherReadingLabel->text(), "= 08:30:00 UT/GMT");
  TypeKeys(
      "29032026"
      "0230");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(
      messages.shown()[0].text.startsWith("The local time 29.03.2026 02:30 does not exist here"))
      << messages.shown()[0].text.toStdString();

  messages.Clear();
  messages.ScriptAnswers({true});
  Click(dialog.dayEdit);
  TypeKeys(
      "25102026"
      "0230");
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_TRUE(messages.shown()[0].text.contains(
      "occurs twice here: first as summer time (CEST), then as standard time (CET)."))
      << messages.shown()[0].text.toStdString();
  EXPECT_EQ(Instant(), "25.10.2026 " + Less("02:30", 2 * 3600));

  messages.Clear();
  Click(dialog.dayEdit);
  TypeKeys(
      "31022026"
      "0230");
  ASSERT_FALSE(messages.shown().empty());
  EXPECT_EQ(messages.shown()[0].text, "That is not a valid date!");
}

TEST_F(DateTimePlaceSearch, AnUnknownZoneIsSaidInEnglish) {
  const ProgramTranslation translation(Language::kEnglish);
  DateTimePlaceDialog other{sky, messages, atlas};
  TypeAtUnknownZone(other);
  ASSERT_EQ(messages.shown().size(), 1u);
  EXPECT_EQ(messages.shown()[0].text.toStdString(),
            "The time zone Mars/Olympus is unknown to this computer's time-zone data. The place's "
            "local mean time applies.");
}

TEST_F(DateTimePlaceSearch, LocalTimeBeforeStandardTimeAndAfterAChangeOfPlace) {
  Open(dialog);
  ChoosePlace("Ulm");
  SwitchToLocalTime(dialog);
  TypeKeys(
      "14031879"
      "1130");
  // Ulm's mean time is UT + 9.99155° / 15, by its exact longitude, not the
  // fields' 9°59'.
  const int ulmMeanTime = static_cast<int>(std::lround(9.99155 * kSecondsPerDegreeOfTime));
  EXPECT_EQ(dialog.otherReadingLabel->text().toStdString(),
            "= " + Less("11:30", ulmMeanTime) + " WZ/GMT");
  for (int field = 0; field < 6; ++field) PressKey(Qt::Key_Return);
  EXPECT_EQ(Instant(), "14.03.1879 " + Less("11:30", ulmMeanTime));

  // The local time stays as typed when the place changes after it: New York
  // keeps summer time (UT-4) in July.
  dialog.SetPlaceIdentity(dialog.placeIdentity());
  Open(dialog);
  EXPECT_EQ(dialog.hourEdit->text() + dialog.minuteEdit->text(), "1130") << "opened in Ortszeit";
  TypeKeys(
      "01072026"
      "1200");
  ChoosePlace("new y");
  for (int field = 0; field < 6; ++field) PressKey(Qt::Key_Return);
  EXPECT_EQ(Instant(), "01.07.2026 " + Less("12:00", -4 * 3600));
  EXPECT_EQ(dialog.placeIdentity().name, "New York City");
  EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DateTimePlaceSearch, AnUnknownZoneIsSaidOnceAndMissingGermanNamesInTheSearch) {
  DateTimePlaceDialog other{sky, messages, atlas, "geonames.mo fehlt"};
  TypeAtUnknownZone(other);
  ASSERT_EQ(messages.shown().size(), 1u) << "said once for the date's and the time's commit";
  EXPECT_TRUE(messages.shown()[0].text.contains("Mars/Olympus"));
  // The mean time of 13°25' E stands in for the unknown zone.
  const int meanTime = static_cast<int>(std::lround((13 + 25 / 60.0) * kSecondsPerDegreeOfTime));
  EXPECT_EQ(Instant(), "07.12.2026 " + Less("12:00", meanTime));

  PressKey(Qt::Key_F3);
  EXPECT_TRUE(other.searchNote->text().startsWith("Deutsche Ortsnamen fehlen"));
  TypeKeys("Munich");
  EXPECT_EQ(other.searchList->count(), 1) << "English names are found all the same";
  PressKey(Qt::Key_Escape);
  EXPECT_FALSE(other.searchPanel->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), other.longitudeSignEdit);
  EXPECT_EQ(other.longitudeDegreesEdit->text(), "013") << "ESC chooses nothing";
}

// The atlas as the program loads it on a German desktop, in the locale
// de_DE.UTF-8 (built with localedef where the system has none), if it can
// be made here.
std::optional<PlaceAtlas> AtlasOfAGermanDesktop() {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  const testing::TemporaryDirectory built;
  const std::string make =
      "localedef -i de_DE -f UTF-8 " + built.path().string() + "/de_DE.UTF-8 >/dev/null 2>&1";
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr && std::system(make.c_str()) == 0) {
    setenv("LOCPATH", built.path().c_str(), 1);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
  }
  std::optional<PlaceAtlas> atlas;
  if (std::setlocale(LC_ALL, nullptr) == std::string("de_DE.UTF-8"))
    atlas.emplace(LoadGeoNamesAtlas().places);
  std::setlocale(LC_ALL, before.c_str());
  unsetenv("LOCPATH");
  return atlas;
}

// There the GeoNames library names its places in German; they are found by
// their English names and by a later word all the same.
TEST_F(DateTimePlaceSearch, OnAGermanDesktopEnglishNamesAndLaterWordsAreFound) {
  const std::optional<PlaceAtlas> installed = AtlasOfAGermanDesktop();
  if (!installed) GTEST_SKIP() << "no German locale here (Debian's locales package)";
  DateTimePlaceDialog other{sky, messages, *installed};
  Open(other);
  PressKey(Qt::Key_F3);
  for (const char* typed : {"Munich", "Cologne", "Wittenberg"}) {
    other.searchEdit->clear();
    TypeKeys(typed);
    ASSERT_GT(other.searchList->count(), 0) << typed;
    EXPECT_TRUE(other.searchList->item(0)->text().contains(", Deutschland\n")) << typed;
  }
  PressKey(Qt::Key_Return);
  EXPECT_EQ(other.placeLabel->text(),
            "Ort: Lutherstadt Wittenberg, Sachsen-Anhalt, Deutschland · Europe/Berlin");
}

}  // namespace
}  // namespace sternwerk
