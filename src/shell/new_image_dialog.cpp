#include "shell/new_image_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "shell/context_help.h"
#include "shell/qt_platform.h"

namespace lk {

namespace {

constexpr const char* kHelpPage = "new-image.html";

QGroupBox* radioGroup(QWidget* parent, const QString& title,
                      std::initializer_list<QRadioButton*> radios) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    for (QRadioButton* r : radios) layout->addWidget(r);
    return box;
}

} // namespace

NewImageDialog::NewImageDialog(QWidget* parent, const NewImageChoice& choice,
                               ShellPlatform& platform)
    : QDialog(parent), state_(openNewDialog(choice)) {
    setWindowTitle(QStringLiteral("Create New Disk Image"));
    name_ = new QLineEdit(this);
    name_->setMaxLength(15);
    // The name also names the file: no folder separators.
    name_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^/\\\\]*")), name_));
    size_ = new QComboBox(this);
    for (size_t i = 0; i < kNewImageSizeCount; ++i)
        size_->addItem(toQString(kNewImageSizes[i].name), int(i));
    writeProtect_ = new QCheckBox(QStringLiteral("Write Protect"), this);
    const char* texts[] = {"2IMG", "DSK", "PO", "ProDOS", "DOS"};
    for (size_t i = 0; i < radios_.size(); ++i) {
        radios_[i] = new QRadioButton(QString::fromLatin1(texts[i]), this);
        // Every change goes through the rules, which check and uncheck the radios themselves.
        radios_[i]->setAutoExclusive(false);
        NewDialogRadio which = NewDialogRadio(i);
        connect(radios_[i], &QRadioButton::clicked, this, [this, which] { click(which); });
    }
    connect(size_, &QComboBox::activated, this, [this](int index) {
        chooseNewImageSize(state_, index);
        showState();
    });
    connect(writeProtect_, &QCheckBox::toggled, this,
            [this](bool on) { state_.writeProtect = on; });
    connect(name_, &QLineEdit::textEdited, this,
            [this](const QString& text) { state_.volumeName = fromQString(text); });

    auto* nameLabel = new QLabel(QStringLiteral("Volume Name:"), this);
    nameLabel->setBuddy(name_);
    auto* sizeLabel = new QLabel(QStringLiteral("Size:"), this);
    sizeLabel->setBuddy(size_);
    QGroupBox* types =
        radioGroup(this, QStringLiteral("Image type"), {radios_[0], radios_[1], radios_[2]});
    QGroupBox* orders = radioGroup(this, QStringLiteral("Order"), {radios_[3], radios_[4]});
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(sizeLabel, 1, 0);
    grid->addWidget(size_, 1, 1);
    grid->addWidget(writeProtect_, 2, 1);
    auto* groups = new QHBoxLayout;
    groups->addWidget(types);
    groups->addWidget(orders);
    grid->addLayout(groups, 3, 0, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    auto* help = new ContextHelp(this, QString::fromLatin1(kHelpPage), platform);
    help->add({nameLabel, name_}, "name");
    help->add({sizeLabel, size_}, "size");
    help->add({writeProtect_}, "write-protect");
    help->add({types, radios_[0], radios_[1], radios_[2]}, "type");
    help->add({orders, radios_[3], radios_[4]}, "order");

    name_->setText(toQString(state_.volumeName));
    showState();
    name_->setFocus();
    name_->selectAll();
}

void NewImageDialog::click(NewDialogRadio which) {
    clickNewDialog(state_, which);
    showState();
}

void NewImageDialog::showState() {
    const bool checked[] = {state_.twoImg, state_.dsk, state_.po, state_.prodos, state_.dos};
    for (size_t i = 0; i < radios_.size(); ++i) {
        QSignalBlocker block(radios_[i]);
        radios_[i]->setChecked(checked[i]);
    }
    radio(NewDialogRadio::Dos)->setEnabled(state_.dosEnabled);
    QSignalBlocker block(writeProtect_);
    writeProtect_->setChecked(state_.writeProtect);
    writeProtect_->setEnabled(state_.writeProtectEnabled);
    size_->setCurrentIndex(state_.sizeIndex);
    size_->setEnabled(state_.sizeListEnabled);
}

NewImageChoice NewImageDialog::choice() const {
    return acceptNewDialog(state_);
}

} // namespace lk
