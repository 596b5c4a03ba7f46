// The Preferences sheet: General, Translation, Display Window and Image Conversion, each control
// carrying a key of the settings file. Its check boxes count only on OK; its buttons and its
// tracks entry act at once.
#pragma once

#include <QDialog>
#include <array>

#include "platform/preferences.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lk {

class ShellPlatform;

class PreferencesSheet : public QDialog {
    Q_OBJECT
  public:
    PreferencesSheet(QWidget* parent, const PreferenceChoices& choices, PreferenceActions& actions,
                     ShellPlatform& platform);

    // The controls' state (what OK gives).
    PreferenceChoices choices() const;

    QTabWidget* tabs() const { return tabs_; }
    QAbstractButton* control(std::string_view key) const { return switches_[preferenceIndex(key)]; }
    QPushButton* chooseFontButton() const { return chooseFont_; }
    QPushButton* fontColorButton() const { return fontColor_; }
    QPushButton* backgroundButton() const { return background_; }
    QLineEdit* tracksEdit() const { return tracks_; }

  private:
    void updateChooseFont();

    QTabWidget* tabs_;
    std::array<QAbstractButton*, kPreferenceSwitchCount> switches_{};
    QPushButton* chooseFont_ = nullptr;
    QPushButton* fontColor_ = nullptr;
    QPushButton* background_ = nullptr;
    QLineEdit* tracks_ = nullptr;
};

} // namespace lk
