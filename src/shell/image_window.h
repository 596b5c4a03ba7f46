// The picture pane on the right: the decoded picture at its own size at the top left corner on
// the background colour, with scroll bars when the pane is smaller. On a high-density screen
// each picture pixel covers a whole number of screen pixels, without smoothing, so the picture
// stays sharp.
#pragma once

#include <QImage>
#include <QScrollArea>

#include "graphics/picture.h"

namespace lk {

class PictureCanvas;

class ImageWindow : public QScrollArea {
    Q_OBJECT
  public:
    explicit ImageWindow(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const;
    void setBackground(const QColor& color);
    QSize sizeHint() const override;

  private:
    PictureCanvas* canvas_;
};

// The picture as the pane and the printer take it; a null image when there is no memory.
QImage toQImage(const Picture& picture);

} // namespace lk
