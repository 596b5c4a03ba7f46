#include "shell/name_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/shell_platform.h"
#include "shell/context_help.h"
#include "shell/qt_platform.h"

namespace lk {

namespace {

QLineEdit* addEdit(QGridLayout* grid, ContextHelp* help, int row, std::string_view label,
                   const std::string& text, int maxChars, std::string_view topic) {
    auto* edit = new QLineEdit(toQString(text));
    edit->setMaxLength(maxChars);
    auto* caption = new QLabel(toQString(label));
    caption->setBuddy(edit);
    help->add({edit, caption}, topic);
    grid->addWidget(caption, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
}

} // namespace

NameDialog::NameDialog(NameDialogState& state, ShellPlatform& platform, QWidget* parent)
    : QDialog(parent), state_(state) {
    bool folder = state.kind == NameDialogKind::NewFolder;
    auto* help = new ContextHelp(this, toQString(kNameHelpPage), platform);
    setWindowTitle(toQString(folder ? kNewFolderDialogTitle : kNameDialogTitle));
    const NameDialogFields& f = state.fields;
    auto* grid = new QGridLayout(this);
    std::string_view nameTopic = folder ? kFolderNameTopic : kFileNameTopic;
    name_ = addEdit(grid, help, 0, folder ? kFolderNameLabel : kFileNameLabel, f.name,
                    kNameMaxChars, nameTopic);
    grid->setColumnMinimumWidth(1, 150);
    if (!folder) {
        type_ = addEdit(grid, help, 1, kTypeLabel, f.type, kTypeMaxChars, kTypeTopic);
        aux_ = addEdit(grid, help, 2, kAuxTypeLabel, f.aux, kAuxMaxChars, kAuxTypeTopic);
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
        help->add({access_[i]}, a.topic);
        boxes->addWidget(access_[i], int(i % 3), int(i / 3));
    }
    grid->addWidget(group, 3, 0, 1, 2);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &NameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    // Help has no control to ask about: it opens the guide at the name's topic.
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [&platform, nameTopic] { platform.showHelpTopic(kNameHelpPage, nameTopic); });
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

} // namespace lk
