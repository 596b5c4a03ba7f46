// The modeless Find and Replace dialogs: the search text, for Replace the replacement, and
// "Match case". Each button sends a request with the fields as they stand; closing the dialog
// sends one too.
#pragma once

#include <QDialog>

#include "app/find_record.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lk {

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    FindDialog(FindMode mode, const FindRecord& record, QWidget* parent);

    FindMode mode() const { return mode_; }
    QLineEdit* findField() const { return find_; }
    QLineEdit* replaceField() const { return replace_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QPushButton* findNextButton() const { return findNext_; }
    QPushButton* replaceButton() const { return replaceOne_; }
    QPushButton* replaceAllButton() const { return replaceAll_; }

  signals:
    void request(const lk::FindMessage& message);

  protected:
    void done(int result) override;

  private:
    void send(unsigned requests);
    void updateButtons();

    FindMode mode_;
    QLineEdit* find_;
    QLineEdit* replace_ = nullptr;
    QCheckBox* matchCase_;
    QPushButton* findNext_;
    QPushButton* replaceOne_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
    // The Find dialog has no replace field; the record's replacement stays as it was.
    std::string keptReplaceText_;
    bool closed_ = false;
};

} // namespace lk
