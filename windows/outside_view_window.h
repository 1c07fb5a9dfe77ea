// The window "Der Blick nach draußen": the outside view shown 1:1 on
// navy, put on the clipboard and written to draus.wmf at every drawing, with
// a help text to show and hide, the view's print and its export. View and
// help face the direction in which the MC stands, south or north.
#pragma once

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "charts/enlarged_chart_drawing.h"
#include "engine/display_options.h"
#include "engine/meridian_direction.h"
#include "engine/sky_state.h"
#include "platform/messages.h"
#include "platform/picture.h"
#include "platform/printing.h"
#include "platform/report_once.h"
#include "windows/sky_picture_window.h"

namespace sternwerk {

inline constexpr const char* kOutsideViewFile = "draus.wmf";

class OutsideViewWindow : public SkyPictureWindow {
  Q_OBJECT

 public:
  // draus.wmf is written to `workingDirectory`; errors go to `messages`.
  // Both, and the sky and the display options, must outlive the window.
  OutsideViewWindow(const SkyState& sky, const DisplayOptions& display, Messages& messages,
                    std::filesystem::path workingDirectory, QWidget* parent = nullptr);

  // A new opening: its first drawing may report a failed write again.
  void BeginVisit();
  // Completes the title once, records the view, puts it on the clipboard and
  // writes draus.wmf; a failed write is reported once per opening and the
  // view is kept in memory.
  void UpdateView();
  void Back();
  // Shows or hides the help text.
  void ToggleHelp();
  // Prints the view below its header line across the page's width.
  void Print();
  // Writes the view to the file exportChooser names, as sternwerk-sky
  // --outside writes it: PNG, SVG or WMF, or PDF as one page the view's size.
  void Export();
  // Removes draus.wmf when this opening wrote it.
  void EndVisit();

  // The view as last drawn.
  std::shared_ptr<const Picture> view() const { return view_; }

  QPushButton* exportButton;
  QPushButton* printButton;
  QPushButton* helpButton;
  QPushButton* backButton;
  QPlainTextEdit* helpText;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Every way of closing (Zurück, Enter, ESC, the frame) ends here.
  void done(int result) override;

 private:
  // The help for the view facing south or north.
  void ShowHelpFacing(MeridianDirection meridian);

  std::filesystem::path file_;
  std::shared_ptr<const Picture> view_;
  bool fileWritten_ = false;
  std::optional<MeridianDirection> helpFacing_;
};

}  // namespace sternwerk
