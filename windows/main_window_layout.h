// Places and faces of the clock window that its creation and its display
// both use.
#pragma once

#include <QPoint>
#include <QString>

#include "platform/faces.h"

namespace sternwerk::main_window_layout {

// The place line's width, and the narrower one that leaves the room below
// the time line to the Universal Time.
inline constexpr int kPlaceLineWidth = 221;
inline constexpr int kPlaceLineBesideTime = 98;
// The place's local time stands in the dial's lower right corner, below the
// rings of the factor labels, as the clock status stands in its upper right
// one; it is as wide as its text, at most kPlaceTimeWidest.
inline constexpr QPoint kPlaceTimeBottomRight{517, 518};
inline constexpr int kPlaceTimeWidest = 236;
// The search panel's third row, the eclipse searches, took its height from
// the position list below it, which still shows the twelve factors whole.
inline constexpr int kSearchPanelTop = 154;
inline constexpr int kSearchPanelHeight = 119;
inline constexpr int kPositionPanelTop = kSearchPanelTop + kSearchPanelHeight + 3;
inline constexpr int kPositionPanelHeight = 484 - kPositionPanelTop;
inline const QString kSansSerif = kSansSerifFace;
inline const QString kCourier = kCourierFace;

}  // namespace sternwerk::main_window_layout
