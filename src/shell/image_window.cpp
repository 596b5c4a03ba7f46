#include "shell/image_window.h"

#include <QPainter>

namespace lk {

ImageWindow::ImageWindow(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void ImageWindow::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void ImageWindow::setBackground(const QColor& color) {
    background_ = color;
    update();
}

QSize ImageWindow::sizeHint() const {
    return picture_.isNull() ? QSize(560, 384) : picture_.size();
}

void ImageWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

} // namespace lk
