// Putting pictures on the system clipboard. The picture is kept as it was
// recorded; its image and metafile data are made only when a program asks
// for them, so replacing the clipboard at every tick of the clock is cheap.
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

  // How many times data was made from the picture.
  int conversions() const { return conversions_; }

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  Picture picture_;
  mutable int conversions_ = 0;
};

// Replaces the clipboard's content with the picture.
void CopyPictureToClipboard(Picture picture);

}  // namespace sternwerk
