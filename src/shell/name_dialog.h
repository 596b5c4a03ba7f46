// The Name and New Folder dialogs on Qt: the fields, the access check boxes, OK, Cancel and
// Help. OK hands the fields to the command's judgement and closes only when they pass; F1, a
// right click on a control and Help open the user guide at the control's topic.
#pragma once

#include <QDialog>
#include <array>

#include "platform/name_dialog.h"

class QCheckBox;
class QLineEdit;

namespace lk {

class ShellPlatform;

class NameDialog : public QDialog {
    Q_OBJECT
  public:
    NameDialog(NameDialogState& state, ShellPlatform& platform, QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return name_; }
    // nullptr in the New Folder dialog.
    QLineEdit* typeEdit() const { return type_; }
    QLineEdit* auxEdit() const { return aux_; }
    QCheckBox* accessBox(size_t i) const { return access_[i]; }
    // The fields as typed.
    NameDialogFields fields() const;

    void accept() override;

  private:
    NameDialogState& state_;
    QLineEdit* name_ = nullptr;
    QLineEdit* type_ = nullptr;
    QLineEdit* aux_ = nullptr;
    std::array<QCheckBox*, std::size(kAccessBoxes)> access_{};
};

} // namespace lk
