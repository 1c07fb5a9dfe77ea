// Sternwerk: the planetarium clock. Reads the command line, installs the
// symbol font for the run, creates the windows and runs the message loop.
#include <QApplication>
#include <QDir>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/documents_folder.h"
#include "app/program_options.h"
#include "base/exit_status.h"
#include "base/language.h"
#include "charts/earth_icon.h"
#include "clock/clock.h"
#include "places/qt/geonames_atlas.h"
#include "places/qt/settings_kept_place_store.h"
#include "platform/box_messages.h"
#include "platform/canvas.h"
#include "platform/jpeg_decoder.h"
#include "platform/operating_system_name.h"
#include "platform/picture_painter.h"
#include "platform/printing.h"
#include "platform/program_files.h"
#include "platform/program_language.h"
#include "platform/symbol_font.h"
#include "platform/ui_style.h"
#include "windows/chart_collection_window.h"
#include "windows/chart_help_window.h"
#include "windows/date_time_place_dialog.h"
#include "windows/enlarged_chart_window.h"
#include "windows/factor_choice_dialog.h"
#include "windows/interval_dialog.h"
#include "windows/introduction_window.h"
#include "windows/main_window.h"
#include "windows/ninety_degree_dial_window.h"
#include "windows/outside_view_window.h"
#include "windows/picture_window.h"

namespace sternwerk {
namespace {

QIcon EarthWindowIcon() {
  const Image icon = EarthIcon();
  Picture picture(icon.width, icon.height);
  Canvas(picture).Draw(0, 0, icon);
  return QIcon(QPixmap::fromImage(RenderPicture(picture)));
}

// Shows the start picture; a missing or damaged picture is reported and the
// window shows without it.
void ShowPictureWindow(PictureWindow& pictureWindow, Messages& messages) {
  const Outcome<QImage> picture = LoadJpegFile(StartPicturePath());
  if (picture.ok()) {
    pictureWindow.SetPicture(picture.value());
  } else {
    messages.Error(QString::fromStdString(picture.error()));
  }
  CentreOnScreen(pictureWindow);
  pictureWindow.exec();
}

int RunProgram(QApplication& application, const ProgramOptions& options,
               ProgramTranslation& translation) {
  translation.InstallIntoApplication();
  // Without the file the face may still be installed; the main window tells
  // the user when it is missing, the reason goes to the error output.
  const ApplicationFont symbolFont(SymbolFontPath());
  if (!symbolFont.status().ok() && !SymbolFontInstalled()) {
    std::cerr << "sternwerk: " << symbolFont.status().error() << '\n';
  }
  application.setWindowIcon(EarthWindowIcon());

  BoxMessages messages;
  if (options.inDocumentsFolder) {
    const Status entered = EnterWorkingFolder(DocumentsWorkingFolder());
    if (!entered.ok()) messages.Error(QString::fromStdString(entered.error()));
  }
  const LoadedAtlas loadedAtlas = LoadGeoNamesAtlas();
  if (!loadedAtlas.germanNamesMissing.empty())
    std::cerr << "sternwerk: " << loadedAtlas.germanNamesMissing << '\n';
  const PlaceAtlas atlas(loadedAtlas.places);
  ComputerClock computerClock;
  const std::filesystem::path workingDirectory = QDir::currentPath().toStdString();
  SettingsKeptPlaceStore keptPlaces;
  Clock clock(computerClock, workingDirectory, keptPlaces, atlas);
  PictureWindow pictureWindow;
  IntervalDialog interval(clock.settings(), messages);
  // The instant and place the date/time/place dialog edits, from the clock
  // and back to it.
  SkyState enteredSky;
  DateTimePlaceDialog dateTimePlace(enteredSky, messages, atlas, loadedAtlas.germanNamesMissing);
  OutsideViewWindow outsideView(clock.sky(), clock.display(), messages, workingDirectory);
  ChartHelpWindow chartHelp(messages);
  EnlargedChartWindow enlargedChart(clock.sky(), clock.display(), messages, workingDirectory);
  NinetyDegreeDialWindow ninetyDegreeDial(clock.sky(), clock.display());
  enlargedChart.outsideView = &outsideView;
  enlargedChart.ninetyDegreeDial = &ninetyDegreeDial;
  enlargedChart.help = &chartHelp;
  IntroductionWindow introduction(messages);
  FactorChoiceDialog factorChoice(clock.search(), clock.display(), messages);
  ChartCollectionWindow chartCollection(messages, workingDirectory);
  MainWindow mainWindow(
      clock,
      MainWindowServices{
          .messages = messages,
          .versionText = OperatingSystemName(),
          .printPage = PrintPageSize(),
          .symbolFontInstalled = SymbolFontInstalled,
          .showPictureWindow = [&] { ShowPictureWindow(pictureWindow, messages); },
      },
      SecondaryWindows{.interval = &interval,
                       .dateTimePlace = &dateTimePlace,
                       .enlargedChart = &enlargedChart,
                       .factorChoice = &factorChoice,
                       .introduction = &introduction,
                       .chartCollection = &chartCollection});
  mainWindow.show();
  CentreOnScreen(mainWindow);
  return application.exec();
}

}  // namespace
}  // namespace sternwerk

int main(int argc, char** argv) {
  using sternwerk::ProgramOptions;
  std::vector<std::string> args(argv + 1, argv + argc);
  const sternwerk::Outcome<sternwerk::Language> language = sternwerk::ChosenLanguage(args);
  if (!language.ok()) {
    std::cerr << "sternwerk: " << language.error() << '\n';
    return sternwerk::kExitUsage;
  }
  // Chosen once, before any text is written.
  sternwerk::ProgramTranslation translation(language.value());
  if (!translation.status().ok())
    std::cerr << "sternwerk: " << translation.status().error() << '\n';
  const ProgramOptions options = sternwerk::ReadProgramOptions(args);
  switch (options.action) {
    case ProgramOptions::Action::kHelp:
      std::cout << sternwerk::ProgramHelp();
      return sternwerk::kExitSuccess;
    case ProgramOptions::Action::kVersion:
      std::cout << sternwerk::ProgramVersion();
      return sternwerk::kExitSuccess;
    case ProgramOptions::Action::kUsageError:
      std::cerr << "sternwerk: " << options.error << '\n';
      return sternwerk::kExitUsage;
    case ProgramOptions::Action::kRun:
      break;
  }
  QApplication application(argc, argv);
  return sternwerk::RunProgram(application, options, translation);
}
