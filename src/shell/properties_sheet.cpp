#include "shell/properties_sheet.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/context_help.h"
#include "shell/qt_platform.h"
#include "shell/sheet_frame.h"
#include "shell/tree_icons.h"

namespace lk {

namespace {

constexpr int kIconSize = 32;
constexpr const char* kHelpPage = "properties.html";

} // namespace

PropertiesSheet::PropertiesSheet(QWidget* parent, ShellPlatform& platform)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(QStringLiteral("Properties"));
    // Not modal: the main window stays usable while the sheet is open.
    setModal(false);
    help_ = new ContextHelp(this, QString::fromLatin1(kHelpPage), platform);

    QGridLayout* general = newPage("General", 0);
    for (const auto& f : kGeneralFields) addField(general, f.label, f.key);
    addAccess(general, 0);

    QGridLayout* volume = newPage("Volume", 1);
    for (const auto& f : kVolumeFields) addField(volume, f.label, f.key);
    addAccess(volume, 1);
    addField(volume, "", "volumeNote");

    QGridLayout* image = newPage("Image", -1);
    addField(image, "", "title");
    addField(image, "Type:", "kind");
    addField(image, "Order:", "order");
    addField(image, "Location:", "imageLocation");
    for (std::string_view key : {"creatorLine", "versionLine", "lockLine"})
        addField(image, "", key);

    QGridLayout* advanced = newPage("Advanced", -1);
    for (const auto& f : kAdvancedFields) addField(advanced, f.label, f.key);

    // Each page's texts at its top.
    for (QGridLayout* grid : {general, volume, image, advanced})
        grid->setRowStretch(grid->rowCount(), 1);
    frameSheet(this, tabs_);
}

QGridLayout* PropertiesSheet::newPage(std::string_view title, int iconPage) {
    auto* page = new QWidget(tabs_);
    auto* grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(12);
    if (iconPage >= 0) {
        auto* icon = new QLabel(page);
        icon->setFixedSize(kIconSize, kIconSize);
        icons_[size_t(iconPage)] = icon;
        grid->addWidget(icon, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    tabs_->addTab(page, toQString(title));
    return grid;
}

QLabel* PropertiesSheet::addField(QGridLayout* grid, std::string_view label, std::string_view key) {
    int row = grid->rowCount();
    auto* value = new QLabel(grid->parentWidget());
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    value->setObjectName(toQString(key));
    if (label.empty()) {
        grid->addWidget(value, row, 0, 1, 2);
        help_->add({value}, key);
    } else {
        QString text = toQString(label);
        auto* name = new QLabel(text.endsWith(u':') ? text : text + u':', grid->parentWidget());
        grid->addWidget(name, row, 0);
        grid->addWidget(value, row, 1);
        help_->add({name, value}, key);
    }
    fields_.push_back({key, value});
    return value;
}

void PropertiesSheet::addAccess(QGridLayout* grid, int page) {
    auto* box = new QGroupBox(QStringLiteral("Access"), grid->parentWidget());
    auto* boxes = new QGridLayout(box);
    for (size_t i = 0; i < std::size(kAccessBoxes); ++i) {
        auto* check = new QCheckBox(toQString(kAccessBoxes[i].sheetLabel), box);
        // Shown, not changed: nothing on the sheet changes the image.
        check->setEnabled(false);
        boxes->addWidget(check, int(i / 3), int(i % 3));
        access_[size_t(page)][i] = check;
    }
    help_->add({box}, "access");
    grid->addWidget(box, grid->rowCount(), 0, 1, 2);
}

QLabel* PropertiesSheet::field(std::string_view key) const {
    for (const Field& f : fields_)
        if (f.key == key) return f.value;
    return nullptr;
}

QString PropertiesSheet::fieldText(std::string_view key) const {
    QLabel* label = field(key);
    return label ? label->text() : QString();
}

void PropertiesSheet::setField(std::string_view key, const std::string& text) {
    if (QLabel* label = field(key)) label->setText(toQString(text));
}

void PropertiesSheet::setAccess(int page, uint8_t access) {
    for (size_t i = 0; i < std::size(kAccessBoxes); ++i)
        access_[size_t(page)][i]->setChecked(access & kAccessBoxes[i].bit);
}

void PropertiesSheet::setSheet(const PropertySheet& sheet) {
    for (const auto& f : kGeneralFields) setField(f.key, sheet.general.*f.text);
    for (const auto& f : kVolumeFields) setField(f.key, sheet.volume.*f.text);
    for (const auto& f : kAdvancedFields) setField(f.key, sheet.advanced.*f.text);
    setField("volumeNote", sheet.volume.accessNote);
    const ImagePage& image = sheet.image;
    setField("title", image.title);
    setField("kind", image.kind);
    setField("order", image.order);
    setField("imageLocation", image.location);
    setField("creatorLine", image.creatorLine);
    setField("versionLine", image.versionLine);
    setField("lockLine", image.lockLine);
    setAccess(0, sheet.general.access);
    setAccess(1, sheet.volume.access);
    icons_[0]->setPixmap(treeIconPicture(sheet.general.icon, QSize(kIconSize, kIconSize))
                             .pixmap(kIconSize, kIconSize));
    icons_[1]->setPixmap(treeIconPicture(sheet.volume.icon, QSize(kIconSize, kIconSize))
                             .pixmap(kIconSize, kIconSize));
}

} // namespace lk
