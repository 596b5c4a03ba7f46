#include "shell/image_window.h"

#include <QPainter>
#include <QPalette>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace lk {

// The picture itself, sized so that it is drawn at a whole number of screen pixels per picture
// pixel: at a device pixel ratio of 1.5 each picture pixel takes 2 x 2 screen pixels.
class PictureCanvas : public QWidget {
  public:
    explicit PictureCanvas(QWidget* parent) : QWidget(parent) {}

    void setImage(const QImage& image) {
        image_ = image;
        fitSize();
        update();
    }
    const QImage& image() const { return image_; }

    int scale() const { return std::max(1, int(std::lround(devicePixelRatioF()))); }

    void fitSize() {
        double f = scale() / devicePixelRatioF();
        resize(int(std::ceil(image_.width() * f)), int(std::ceil(image_.height() * f)));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (image_.isNull()) return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        QImage shown = image_;
        shown.setDevicePixelRatio(devicePixelRatioF() / scale());
        painter.drawImage(QPointF(0, 0), shown);
    }
    void showEvent(QShowEvent*) override { fitSize(); }

  private:
    QImage image_;
};

ImageWindow::ImageWindow(QWidget* parent) : QScrollArea(parent), canvas_(new PictureCanvas(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidgetResizable(false);
    setWidget(canvas_);
    setBackground(Qt::white);
}

void ImageWindow::setPicture(const QImage& picture) {
    canvas_->setImage(picture);
    // A new picture is shown from its top left corner.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

const QImage& ImageWindow::picture() const {
    return canvas_->image();
}

void ImageWindow::setBackground(const QColor& color) {
    QPalette p = viewport()->palette();
    p.setColor(QPalette::Window, color);
    viewport()->setPalette(p);
    viewport()->setAutoFillBackground(true);
    viewport()->update();
}

QSize ImageWindow::sizeHint() const {
    return picture().isNull() ? QSize(560, 384) : picture().size();
}

QImage toQImage(const Picture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) row[x] = 0xFF000000u | picture.at(x, y);
    }
    return image;
}

} // namespace lk
