// The picture pane on the right: shows the decoded picture at its top left corner on the
// background colour.
#pragma once

#include <QImage>
#include <QWidget>

namespace lk {

class ImageWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ImageWindow(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    void setBackground(const QColor& color);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage picture_;
    QColor background_ = Qt::white;
};

} // namespace lk
