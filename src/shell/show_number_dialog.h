// The Show Block and Show Track/Sector dialogs: one or two number entries with their prompts,
// a line on the forms a number may take, OK and Cancel. Each entry starts with the text typed
// last time and takes at most ten characters.
#pragma once

#include <QDialog>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;

namespace lk {

class ShowNumberDialog : public QDialog {
    Q_OBJECT
  public:
    struct Field {
        std::string_view prompt;
        std::string text;
    };
    ShowNumberDialog(QWidget* parent, std::string_view title, const std::vector<Field>& fields);

    QLineEdit* entry(int i) const { return entries_[size_t(i)]; }
    // What the user typed into entry i.
    std::string text(int i) const;

  private:
    std::vector<QLineEdit*> entries_;
};

} // namespace lk
