// Help > About: the program's icon, name, purpose and version.
#pragma once

#include <QDialog>

namespace lk {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace lk
