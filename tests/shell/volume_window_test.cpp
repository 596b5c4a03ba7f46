// The Apple file commands in the window: a user's round through the menus and the tree, checked
// afterwards with larkspoon-cli, and the Name dialog on Qt with its context help. Both take the
// README's pictures.
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "cli_runner.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/name_dialog.h"
#include "shell/qt_platform.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class VolumeWindow : public ShellTest {
  protected:
    void trigger(int command) { window().menus()->action(command)->trigger(); }
};

// Import three host files into a folder, make a folder there, rename it, delete it, copy a file
// into a second image, quit: both images are sound for larkspoon-cli and hold the host files
// byte for byte. The tree follows every change without being rebuilt.
TEST_F(VolumeWindow, AUserChangesTwoImagesAndQuits) {
    start("[Prompts]\nQuitPrompt=TRUE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=640\nHigh=420\n"
          "[Tree]\nTreewide=240\n");
    std::string first = writeSampler();
    std::string second = folder.write("SECOND.po", ProdosBuilder(280, "SECOND").bytes());
    const HostFiles host = {{"notes.txt", patternBytes(300, 1)},
                            {"picture.pic", patternBytes(8192, 2)},
                            {"tool", patternBytes(20000, 3)}};

    openThroughDialog(first, "SAMPLER.po");
    QSignalSpy resets(window().treeModel(), &QAbstractItemModel::modelReset);
    clickItem({"DOCUMENTS"});
    platform->importDialog.answers = {writeHostFiles(folder, host)};
    platform->nameAnswers = {{}, {}, {}, {.name = "LETTERS"}, {.name = "MAIL"}};
    trigger(cmd::kImport);
    trigger(cmd::kNewFolder);
    window().treeView()->expand(indexOfPath({"DOCUMENTS"}));
    clickItem({"DOCUMENTS", "LETTERS"});
    QTest::qWait(50);
    save(window().grab().toImage(), "screenshot-new-folder.png");
    trigger(cmd::kRename);
    platform->answers = {true, true}; // the Delete question, then the Quit question
    trigger(cmd::kDeleteFile);
    EXPECT_TRUE(indexOfPath({"DOCUMENTS", "TOOL"}).isValid());
    EXPECT_FALSE(indexOfPath({"DOCUMENTS", "MAIL"}).isValid());
    EXPECT_EQ(resets.count(), 0);
    clickItem({"DOCUMENTS", "PICTURE.PIC"});
    trigger(cmd::kCopyFile);
    openThroughDialog(second, "SECOND.po");
    clickItem({});
    trigger(cmd::kPasteFile);
    trigger(cmd::kExit);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(platform->messages.empty()) << platform->lastMessage();

    for (const std::string& image : {first, second})
        EXPECT_EQ(runCli({"check", image}).out, "The volume is sound.\n") << image;
    for (const auto& [name, bytes] : host) {
        std::string prodosName = QString::fromStdString(name).toUpper().toStdString();
        EXPECT_EQ(runCli({"get", first, "DOCUMENTS/" + prodosName}).out, asText(bytes)) << name;
    }
    EXPECT_EQ(runCli({"get", second, "PICTURE.PIC"}).out, asText(host[1].second));
}

// A refused OK leaves the dialog open with the fields as typed; F1 opens the guide at the topic
// of the field that has the focus; the volume's type fields cannot be edited. Also the picture
// of the question Delete File asks about a folder.
TEST(NameDialogOnQt, KeepsWhatWasTypedAndOpensTheGuideAtTheTopic) {
    QtPlatform platform;
    std::vector<std::string> tried;
    NameDialogState state{NameDialogKind::Name,
                          {"README.TXT", "TXT", "0000", 0xC3},
                          false,
                          [&tried](const NameDialogFields& f) {
                              tried.push_back(f.name);
                              return tried.size() == 2;
                          }};
    whenModal<NameDialog>([](NameDialog* d) {
        save(*d, "screenshot-name-dialog.png");
        EXPECT_TRUE(d->accessBox(0)->isChecked() && !d->accessBox(2)->isChecked());
        d->typeEdit()->setFocus();
        QTest::keyClick(d->typeEdit(), Qt::Key_F1);
        d->nameEdit()->setText("2ND");
        d->accept();
        EXPECT_EQ(d->nameEdit()->text(), "2ND");
        d->nameEdit()->setText("SECOND");
        d->accessBox(2)->setChecked(true);
        d->accept();
    });
    ASSERT_TRUE(platform.runNameDialog(state));
    EXPECT_EQ(tried, (std::vector<std::string>{"2ND", "SECOND"}));
    EXPECT_EQ(state.fields.access, 0xC7);
    ASSERT_NE(platform.helpWindow(), nullptr);
    EXPECT_EQ(platform.helpWindow()->browser()->source().toString(),
              "qrc:/help/apple-files.html#type");

    NameDialogState volume{NameDialogKind::Name, {"DISK", "Volume", "    ", 0xC3}, true, {}};
    whenModal<NameDialog>([](NameDialog* d) {
        EXPECT_TRUE(d->typeEdit()->isReadOnly() && d->auxEdit()->isReadOnly());
        d->reject();
    });
    EXPECT_FALSE(platform.runNameDialog(volume));

    whenModal<QMessageBox>([](QMessageBox* box) {
        save(*box, "screenshot-delete-question.png");
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(ask(platform, message(MessageId::DeleteFolderQuestion)));
}

} // namespace
} // namespace lk::test
