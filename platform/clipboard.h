// Putting pictures on the system clipboard. The picture is kept as it was
// recorded; its image and metafile data are made only when a program asks
// for them. While the clipboard still holds this program's picture, a new
// picture replaces the old one behind it without handing the clipboard over
// again, so copying at every tick of the clock is cheap.
#pragma once

#include <QMimeData>
#include <memory>

#include "platform/picture.h"

namespace sternwerk {

class PictureMimeData : public QMimeData {
 public:
  explicit PictureMimeData(Picture picture);

  QStringList formats() const override;
  bool hasFormat(const QString& mimeType) const override;

  const Picture& picture() const { return picture_; }
  // How many times data was made from the picture.
  int conversions() const { return conversions_; }
  // What a program that pastes from now on gets.
  void SetPicture(Picture picture);

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  Picture picture_;
  mutable int conversions_ = 0;
};

// Makes the picture the clipboard's content.
void CopyPictureToClipboard(Picture picture);

}  // namespace sternwerk
