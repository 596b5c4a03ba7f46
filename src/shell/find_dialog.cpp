#include "shell/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lk {

namespace {

QLineEdit* field(const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(QString::fromStdString(text), parent);
    edit->setMaxLength(int(kFindTextMax));
    edit->setMinimumWidth(220);
    return edit;
}

} // namespace

FindDialog::FindDialog(FindMode mode, const FindRecord& record, QWidget* parent)
    : QDialog(parent), mode_(mode), keptReplaceText_(record.replaceText) {
    bool replacing = mode == FindMode::Replace;
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* fields = new QGridLayout;
    find_ = field(record.findText, this);
    auto* findLabel = new QLabel(tr("Fi&nd what:"), this);
    findLabel->setBuddy(find_);
    fields->addWidget(findLabel, 0, 0);
    fields->addWidget(find_, 0, 1);
    if (replacing) {
        replace_ = field(record.replaceText, this);
        auto* replaceLabel = new QLabel(tr("Re&place with:"), this);
        replaceLabel->setBuddy(replace_);
        fields->addWidget(replaceLabel, 1, 0);
        fields->addWidget(replace_, 1, 1);
    }
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    matchCase_->setChecked(record.matchCase);
    fields->addWidget(matchCase_, 2, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    findNext_ = buttons->addButton(tr("&Find Next"), QDialogButtonBox::ActionRole);
    findNext_->setDefault(true);
    connect(findNext_, &QPushButton::clicked, this, [this] { send(kFindNextRequest); });
    if (replacing) {
        replaceOne_ = buttons->addButton(tr("&Replace"), QDialogButtonBox::ActionRole);
        replaceAll_ = buttons->addButton(tr("Replace &All"), QDialogButtonBox::ActionRole);
        connect(replaceOne_, &QPushButton::clicked, this, [this] { send(kReplaceRequest); });
        connect(replaceAll_, &QPushButton::clicked, this, [this] { send(kReplaceAllRequest); });
    }
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(find_, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    updateButtons();
}

void FindDialog::updateButtons() {
    // Nothing to search for, nothing to do.
    bool any = !find_->text().isEmpty();
    for (QPushButton* b : {findNext_, replaceOne_, replaceAll_})
        if (b) b->setEnabled(any);
}

void FindDialog::send(unsigned requests) {
    FindMessage m;
    m.requests = requests;
    m.fields.findText = find_->text().toStdString();
    m.fields.replaceText = replace_ ? replace_->text().toStdString() : keptReplaceText_;
    m.fields.matchCase = matchCase_->isChecked();
    emit request(m);
}

void FindDialog::done(int result) {
    if (!closed_) {
        closed_ = true;
        send(kDialogClosed);
    }
    QDialog::done(result);
}

} // namespace lk
