#include "shell/show_number_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/block_view.h"
#include "shell/qt_platform.h"

namespace lk {

ShowNumberDialog::ShowNumberDialog(QWidget* parent, std::string_view title,
                                   const std::vector<Field>& fields)
    : QDialog(parent) {
    setWindowTitle(toQString(title));
    auto* grid = new QGridLayout(this);
    int row = 0;
    for (const Field& f : fields) {
        auto* label = new QLabel(toQString(f.prompt), this);
        auto* edit = new QLineEdit(toQString(f.text), this);
        edit->setMaxLength(int(kEntryMaxChars));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        entries_.push_back(edit);
        ++row;
    }
    grid->addWidget(new QLabel(toQString(kEntryHint), this), row++, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->addWidget(buttons, row, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    // The first entry has the focus with its text selected, ready to be typed over.
    if (!entries_.empty()) {
        entries_.front()->setFocus();
        entries_.front()->selectAll();
    }
}

std::string ShowNumberDialog::text(int i) const {
    return fromQString(entries_[size_t(i)]->text());
}

} // namespace lk
