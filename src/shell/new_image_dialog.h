// The New dialog ("Create New Disk Image"): the volume name, the size, the image type, the
// sector order and Write Protect, kept in step with one another by the dialog's rules.
#pragma once

#include <QDialog>

#include "app/new_image_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace lk {

class ShellPlatform;

class NewImageDialog : public QDialog {
    Q_OBJECT
  public:
    NewImageDialog(QWidget* parent, const NewImageChoice& choice, ShellPlatform& platform);

    // What the controls stand for (the choice OK gives).
    NewImageChoice choice() const;

    QLineEdit* nameEdit() const { return name_; }
    QComboBox* sizeList() const { return size_; }
    QCheckBox* writeProtect() const { return writeProtect_; }
    QRadioButton* radio(NewDialogRadio which) const { return radios_[size_t(which)]; }

  private:
    void click(NewDialogRadio which);
    // Shows the state in the controls.
    void showState();

    NewDialogState state_;
    QLineEdit* name_;
    QComboBox* size_;
    QCheckBox* writeProtect_;
    std::array<QRadioButton*, 5> radios_{};
};

} // namespace lk
