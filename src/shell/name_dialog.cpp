#include "shell/name_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "shell/qt_platform.h"

namespace lk {

namespace {

const char* const kTopic = "helpTopic";

QLineEdit* addEdit(QGridLayout* grid, int row, int column, std::string_view label,
                   const std::string& text, int maxChars, std::string_view topic) {
    auto* edit = new QLineEdit(toQString(text));
    edit->setMaxLength(maxChars);
    edit->setProperty(kTopic, toQString(topic));
    auto* caption = new QLabel(toQString(label));
    caption->setBuddy(edit);
    grid->addWidget(caption, row, column);
    grid->addWidget(edit, row, column + 1);
    return edit;
}

} // namespace

NameDialog::NameDialog(NameDialogState& state, QWidget* parent) : QDialog(parent), state_(state) {
    bool folder = state.kind == NameDialogKind::NewFolder;
    setWindowTitle(toQString(folder ? kNewFolderDialogTitle : kNameDialogTitle));
    const NameDialogFields& f = state.fields;
    auto* grid = new QGridLayout(this);
    name_ = addEdit(grid, 0, 0, folder ? kFolderNameLabel : kFileNameLabel, f.name, kNameMaxChars,
                    folder ? kFolderNameTopic : kFileNameTopic);
    grid->setColumnMinimumWidth(1, 150);
    if (!folder) {
        type_ = addEdit(grid, 1, 0, kTypeLabel, f.type, kTypeMaxChars, kTypeTopic);
        aux_ = addEdit(grid, 2, 0, kAuxTypeLabel, f.aux, kAuxMaxChars, kAuxTypeTopic);
        // The volume has no type to change.
        type_->setReadOnly(state.typeReadOnly);
        aux_->setReadOnly(state.typeReadOnly);
    }
    auto* group = new QGroupBox(toQString(kAccessGroupLabel));
    auto* boxes = new QGridLayout(group);
    for (size_t i = 0; i < access_.size(); ++i) {
        const AccessBox& a = kAccessBoxes[i];
        access_[i] = new QCheckBox(toQString(a.label), group);
        access_[i]->setChecked(f.access & a.bit);
        access_[i]->setProperty(kTopic, toQString(a.topic));
        boxes->addWidget(access_[i], int(i % 3), int(i / 3));
    }
    grid->addWidget(group, 3, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] {
        emit helpRequested(toQString(kNameHelpPage) + u'#' +
                           name_->property(kTopic).toString());
    });
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
    name_->selectAll();
}

NameDialogFields NameDialog::fields() const {
    NameDialogFields f;
    f.name = fromQString(name_->text());
    if (type_) f.type = fromQString(type_->text());
    if (aux_) f.aux = fromQString(aux_->text());
    for (size_t i = 0; i < access_.size(); ++i)
        if (access_[i]->isChecked()) f.access |= kAccessBoxes[i].bit;
    return f;
}

void NameDialog::accept() {
    if (!state_.accept || state_.accept(fields())) QDialog::accept();
}

void NameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_F1) return QDialog::keyPressEvent(event);
    // The buttons have no topic of their own.
    QWidget* w = focusWidget();
    QString topic = w ? w->property(kTopic).toString() : QString();
    if (!topic.isEmpty()) emit helpRequested(toQString(kNameHelpPage) + u'#' + topic);
}

} // namespace lk
