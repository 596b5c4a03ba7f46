#include "shell/preferences_sheet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <map>

#include "shell/context_help.h"
#include "shell/qt_platform.h"
#include "shell/sheet_frame.h"

namespace lk {

namespace {

constexpr const char* kHelpPage = "preferences.html";

QPushButton* button(QWidget* parent, std::string_view text, QVBoxLayout* layout) {
    auto* b = new QPushButton(toQString(text), parent);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

} // namespace

PreferencesSheet::PreferencesSheet(QWidget* parent, const PreferenceChoices& choices,
                                   PreferenceActions& actions, ShellPlatform& platform)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
    setWindowTitle(toQString(kPreferencesTitle));
    tabs_->setUsesScrollButtons(false); // every page's title in view
    auto* help = new ContextHelp(this, QString::fromLatin1(kHelpPage), platform);
    std::array<QVBoxLayout*, std::size(kPreferencePageTitles)> pages{};
    for (size_t p = 0; p < pages.size(); ++p) {
        auto* page = new QWidget(tabs_);
        pages[p] = new QVBoxLayout(page);
        tabs_->addTab(page, toQString(kPreferencePageTitles[p]));
    }
    // Each switch in its page's group, the groups two abreast in the order their first switch
    // comes.
    std::map<std::pair<size_t, std::string_view>, QVBoxLayout*> groups;
    std::array<QHBoxLayout*, std::size(kPreferencePageTitles)> rows{};
    for (size_t i = 0; i < kPreferenceSwitchCount; ++i) {
        const PreferenceSwitch& sw = kPreferenceSwitches[i];
        size_t p = size_t(sw.page);
        QVBoxLayout*& where = groups[{p, sw.group}];
        if (!where) {
            where = pages[p];
            if (!sw.group.empty()) {
                auto* box = new QGroupBox(toQString(sw.group), pages[p]->parentWidget());
                where = new QVBoxLayout(box);
                if (!rows[p] || rows[p]->count() == 2) {
                    rows[p] = new QHBoxLayout;
                    pages[p]->addLayout(rows[p]);
                }
                rows[p]->addWidget(box, 1);
            }
        }
        QWidget* owner = where->parentWidget();
        QAbstractButton* control = sw.radio ? static_cast<QAbstractButton*>(new QRadioButton(owner))
                                            : static_cast<QAbstractButton*>(new QCheckBox(owner));
        control->setText(toQString(sw.text));
        control->setChecked(choices.checked[i]);
        where->addWidget(control);
        help->add({control}, sw.key);
        switches_[i] = control;
        if (sw.radio)
            connect(control, &QAbstractButton::toggled, this, [this] { updateChooseFont(); });
    }
    // The font and colour buttons beside the font radios.
    QWidget* displayPage = pages[size_t(PreferencePage::Display)]->parentWidget();
    auto* display = new QVBoxLayout;
    rows[size_t(PreferencePage::Display)]->addLayout(display, 1);
    chooseFont_ = button(displayPage, kChooseFontText, display);
    fontColor_ = button(displayPage, kFontColorText, display);
    background_ = button(displayPage, kBackgroundText, display);
    help->add({chooseFont_}, "FontName");
    help->add({fontColor_}, "FontColor");
    help->add({background_}, "BkgrndColor");
    connect(chooseFont_, &QPushButton::clicked, this, [&actions] { actions.chooseFont(); });
    connect(fontColor_, &QPushButton::clicked, this, [&actions] { actions.chooseFontColor(); });
    connect(background_, &QPushButton::clicked, this, [&actions] { actions.chooseBackground(); });
    display->addStretch();
    updateChooseFont();
    for (QHBoxLayout* row : rows)
        if (row && row->count() == 1) row->addStretch(1);

    QVBoxLayout* conversion = groups[{size_t(PreferencePage::Conversion), "TrackStore"}];
    auto* tracksRow = new QHBoxLayout;
    auto* tracksLabel = new QLabel(toQString(kTracksLabel), conversion->parentWidget());
    tracks_ = new QLineEdit(toQString(choices.saveTracks), conversion->parentWidget());
    tracks_->setMaxLength(int(kTracksMaxChars));
    tracks_->setMaximumWidth(tracks_->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    tracksLabel->setBuddy(tracks_);
    tracksRow->addWidget(tracksLabel);
    tracksRow->addWidget(tracks_);
    tracksRow->addStretch();
    conversion->addLayout(tracksRow);
    help->add({tracksLabel, tracks_}, "SaveTracks");
    connect(tracks_, &QLineEdit::textEdited, this,
            [&actions](const QString& text) { actions.tracksEdited(fromQString(text)); });

    for (QVBoxLayout* page : pages) page->addStretch();
    frameSheet(this, tabs_);
}

void PreferencesSheet::updateChooseFont() {
    if (chooseFont_) chooseFont_->setEnabled(control("OtherFont")->isChecked());
}

PreferenceChoices PreferencesSheet::choices() const {
    PreferenceChoices c;
    for (size_t i = 0; i < kPreferenceSwitchCount; ++i) c.checked[i] = switches_[i]->isChecked();
    c.saveTracks = fromQString(tracks_->text());
    return c;
}

} // namespace lk
