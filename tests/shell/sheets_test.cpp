// The New dialog and the Properties and Preferences sheets as a user works them, offscreen, with
// the pictures the README shows. What their texts say is tested on the commands.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "app/preferences.h"
#include "prodos/dates.h"
#include "settings/load_settings.h"
#include "settings/profile_file.h"
#include "shell/catalog_view.h"
#include "shell/new_image_dialog.h"
#include "shell/preferences_sheet.h"
#include "shell/properties_sheet.h"
#include "shell/qt_platform.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

TEST(NewImageDialogWidget, ControlsFollowTheRulesAndHelpOpensAtTheirTopics) {
    ScriptedShellPlatform platform;
    NewImageDialog d(nullptr, NewImageChoice{}, platform);
    EXPECT_FALSE(d.radio(NewDialogRadio::Dos)->isEnabled());
    save(d, "screenshot-new-image.png");
    d.radio(NewDialogRadio::Dsk)->click();
    EXPECT_EQ(d.sizeList()->currentText(), "143Kb");
    EXPECT_FALSE(d.sizeList()->isEnabled() || d.writeProtect()->isEnabled());
    d.radio(NewDialogRadio::Dos)->click();
    d.radio(NewDialogRadio::TwoImg)->click();
    EXPECT_TRUE(d.radio(NewDialogRadio::Prodos)->isChecked() &&
                !d.radio(NewDialogRadio::Dsk)->isChecked());
    d.nameEdit()->end(false);
    QTest::keyClicks(d.nameEdit(), "/x"); // a separator cannot be typed
    d.writeProtect()->click();
    NewImageChoice c = d.choice();
    EXPECT_EQ(c.newVolumeName + c.newType + c.newWriteProtect, "UNTITLEDX2IMGTRUE");
    rightClick(d.sizeList());
    rightClick(d.radio(NewDialogRadio::Po));
    EXPECT_EQ(platform.helpTopics,
              (std::vector<std::string>{"new-image.html#size", "new-image.html#type"}));
}

// Opened on a file, the sheet leaves the window usable and follows the selection.
TEST_F(ShellTest, PropertiesSheetIsModelessWithFourTabsAndFollowsTheSelection) {
    start("[Prompts]\nQuitPrompt=FALSE\n");
    openThroughDialog(writeSampler(), "SAMPLER.po");
    window().treeView()->setCurrentIndex(indexOfPath({"DOCUMENTS", "READ.ME"}));
    FileEntry e; // dated, for the picture
    loadEntry(state().image, state().shell.selectedEntry, e);
    e.creation = prodosDateTime({1987, 3, 14, 9, 26});
    e.lastModified = prodosDateTime({2024, 11, 2, 16, 5});
    storeEntry(state().image, state().shell.selectedEntry, e);
    run(cmd::kProperties);
    PropertiesSheet* sheet = window().propertiesSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible() && !sheet->isModal() && window().isEnabled());
    EXPECT_EQ(sheet->windowTitle(), "Properties");
    QStringList tabs;
    for (int i = 0; i < sheet->tabs()->count(); ++i) tabs << sheet->tabs()->tabText(i);
    EXPECT_EQ(tabs, (QStringList{"General", "Volume", "Image", "Advanced"}));
    EXPECT_EQ(sheet->tabs()->currentIndex(), 0);
    EXPECT_EQ(sheet->findChild<QDialogButtonBox*>()->buttons().size(), 2); // OK, Cancel
    EXPECT_EQ(sheet->fieldText("type"), "TXT   ( $04 )");
    for (QCheckBox* box : sheet->accessBoxes(0)) EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(sheet->icon(0)->pixmap().isNull());
    for (int i = 0; i < 4; ++i) {
        sheet->tabs()->setCurrentIndex(i);
        save(*sheet, ("screenshot-properties-" + std::to_string(i) + ".png").c_str());
    }
    rightClick(sheet->field("entryBlock"));
    EXPECT_EQ(platform->helpTopics.back(), "properties.html#entryBlock");
    window().treeView()->setCurrentIndex(indexOfPath({"STARTUP"}));
    EXPECT_EQ(sheet->fieldText("name"), "STARTUP");
    sheet->reject();
    QTest::qWait(10);
    EXPECT_FALSE(window().propertiesShown());
}

// The real sheet answered as a user would: every box turned over, the tracks typed, OK; the
// file then holds every key turned over.
TEST(PreferencesSheetWidget, RoundTripOfEveryPage) {
    TempFolder folder;
    Settings settings;
    std::string ini =
        folder.writeText("Larkspoon.ini", "[Prompts]\nQuitPrompt=true\nOpenDir=FALSE\n"
                                          "[Translate]\nAWP=FALSE\nDOSINT=FALSE\n[Display]\n"
                                          "STDFont=TRUE\nA2Font=FALSE\nOtherFont=FALSE\n");
    loadSettings(settings, ini, folder.path);
    PreferenceChoices before = preferenceChoices(settings);
    struct NoActions : PreferenceActions {
        void chooseFont() override {}
        void chooseFontColor() override {}
        void chooseBackground() override {}
        void tracksEdited(const std::string&) override {}
    } actions;
    QtPlatform platform;
    QTimer::singleShot(0, [] {
        auto* sheet = qobject_cast<PreferencesSheet*>(QApplication::activeModalWidget());
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->windowTitle(), "Preferences");
        EXPECT_FALSE(sheet->chooseFontButton()->isEnabled());
        sheet->tabs()->setCurrentIndex(1);
        save(*sheet, "screenshot-preferences-translation.png");
        for (const PreferenceSwitch& sw : kPreferenceSwitches)
            if (!sw.radio) sheet->control(sw.key)->click();
        sheet->control("OtherFont")->click();
        EXPECT_TRUE(sheet->chooseFontButton()->isEnabled());
        sheet->tracksEdit()->setText("40");
        sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    PreferenceChoices after = before;
    ASSERT_TRUE(platform.runPreferences(after, actions));
    commitPreferences(settings, ini, after);
    Settings reread;
    loadSettings(reread, ini, folder.path);
    PreferenceChoices shown = preferenceChoices(reread);
    for (size_t i = 0; i < kPreferenceSwitchCount; ++i) {
        const PreferenceSwitch& sw = kPreferenceSwitches[i];
        EXPECT_EQ(shown.checked[i], sw.radio ? sw.key == "OtherFont" : !before.checked[i])
            << sw.key;
    }
    EXPECT_EQ(after.saveTracks, "40");
}

} // namespace
} // namespace lk::test
