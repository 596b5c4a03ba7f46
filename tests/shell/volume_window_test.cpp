// The Apple file commands in the window: a new user's trial on copies of real disk images,
// checked afterwards with larkspoon-cli; the Name dialog on Qt with its context help; the
// question about unsaved changes when the window closes; a file dragged out of the tree; and the
// pictures of the README.
#include <QAbstractItemModel>
#include <filesystem>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "corpus.h"
#include "open_helpers.h"
#include "prodos/check_volume.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/name_dialog.h"
#include "shell/qt_platform.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

void save(const QImage& shot, const char* name) {
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

// Runs `answer` on the modal window of that type once it is up.
template <typename W> void whenModal(std::function<void(W*)> answer) {
    QTimer::singleShot(0, [answer] {
        W* w = qobject_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        QTest::qWait(50);
        answer(w);
    });
}

std::vector<uint8_t> hostBytes(size_t n) {
    std::vector<uint8_t> b(n);
    for (size_t i = 0; i < n; ++i) b[i] = uint8_t(i * 13 + i / 256);
    return b;
}

class VolumeWindow : public ShellTest {
  protected:
    void trigger(int command) { window().menus()->action(command)->trigger(); }
    void click(const std::vector<std::string>& path) {
        QRect r = window().treeView()->visualRect(indexOfPath(path));
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, r.center());
    }
};

// Open a copy of a real ProDOS image, import three host files, copy one into a second image,
// make a folder there, rename it, delete it, quit: both images are sound for larkspoon-cli check
// and hold the host files byte for byte. The tree follows every change without a rebuild.
TEST_F(VolumeWindow, ANewUserChangesCopiesOfRealImages) {
    SKIP_WITHOUT_CORPUS();
    start();
    std::string first =
        folder.write("FIRST.po", readFileBytes(corpusDir() + "/cp2__prodos__simple-dir-test.po"));
    std::string second =
        folder.write("SECOND.po", readFileBytes(corpusDir() + "/a2k__prodos-blank.po"));
    struct HostFile {
        std::string name, prodosName;
        std::vector<uint8_t> bytes;
    } host[] = {{"notes.txt", "NOTES.TXT", hostBytes(300)},
                {"picture.pic", "PICTURE.PIC", hostBytes(8192)},
                {"tool", "TOOL", hostBytes(20000)}};
    ImportChoice choice{folder.file("host"), {}};
    std::filesystem::create_directory(choice.folder);
    for (const HostFile& f : host) {
        folder.write("host/" + f.name, f.bytes);
        choice.names.push_back(f.name);
    }

    openThroughDialog(first, "FIRST.po");
    click({});
    platform->importDialog.answers = {choice};
    platform->nameAnswers = {{}, {}, {}};
    trigger(cmd::kImport);
    click({"PICTURE.PIC"});
    trigger(cmd::kCopyFile);
    openThroughDialog(second, "SECOND.po");
    click({});
    trigger(cmd::kPasteFile);
    QSignalSpy resets(window().treeModel(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(window().treeModel(), &QAbstractItemModel::rowsInserted);
    platform->nameAnswers = {{}, NameAnswer::typed("LETTERS")};
    trigger(cmd::kNewFolder);
    click({"NEWFOLDER"});
    trigger(cmd::kRename);
    EXPECT_TRUE(indexOfPath({"LETTERS"}).isValid());
    platform->answers = {true, true}; // the Delete question, then the Quit question
    trigger(cmd::kDeleteFile);
    EXPECT_FALSE(indexOfPath({"LETTERS"}).isValid());
    EXPECT_EQ(resets.count(), 0);
    EXPECT_EQ(inserted.count(), 1);
    trigger(cmd::kExit);
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(platform->messages.empty()) << platform->lastMessage();

    for (const std::string& image : {first, second}) {
        CliResult check = runCli({"check", image});
        EXPECT_EQ(check.status, 0) << check.err;
    }
    for (const HostFile& f : host)
        EXPECT_EQ(runCli({"get", first, f.prodosName}).out,
                  std::string(f.bytes.begin(), f.bytes.end()))
            << f.name;
    EXPECT_EQ(runCli({"get", second, "PICTURE.PIC"}).out.size(), 8192u);
    EXPECT_EQ(runCli({"ls", second}).out.find("LETTERS"), std::string::npos);
}

// A refused OK leaves the dialog open with the fields as typed; F1 opens the guide at the topic
// of the field that has the focus; the volume's type fields cannot be edited.
TEST(NameDialogOnQt, KeepsWhatWasTypedAndOpensTheGuideAtTheTopic) {
    QtPlatform platform;
    std::vector<std::string> tried;
    NameDialogState state{NameDialogKind::Name, {"README.TXT", "TXT", "0000", 0xC3}, false,
                          [&tried](const NameDialogFields& f) {
                              tried.push_back(f.name + " " + f.type);
                              return tried.size() == 2;
                          }};
    QImage shot;
    whenModal<NameDialog>([&](NameDialog* d) {
        shot = d->grab().toImage();
        EXPECT_EQ(d->nameEdit()->maxLength() + d->typeEdit()->maxLength(), 18);
        EXPECT_TRUE(d->accessBox(0)->isChecked() && !d->accessBox(2)->isChecked());
        d->typeEdit()->setFocus();
        QTest::keyClick(d->typeEdit(), Qt::Key_F1);
        d->nameEdit()->setText("2ND");
        d->accept();
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->nameEdit()->text(), "2ND");
        d->nameEdit()->setText("SECOND");
        d->accessBox(2)->setChecked(true);
        d->accept();
    });
    ASSERT_TRUE(platform.runNameDialog(state));
    EXPECT_EQ(tried, (std::vector<std::string>{"2ND TXT", "SECOND TXT"}));
    EXPECT_EQ(state.fields.access, 0xC7);
    ASSERT_NE(platform.helpWindow(), nullptr);
    EXPECT_EQ(platform.helpWindow()->browser()->source().toString(),
              "qrc:/help/apple-files.html#type");
    save(shot, "screenshot-name-dialog.png");

    NameDialogState volume{NameDialogKind::Name, {"DISK", "Volume", "    ", 0xC3}, true, {}};
    whenModal<NameDialog>([](NameDialog* d) {
        EXPECT_TRUE(d->typeEdit()->isReadOnly() && d->auxEdit()->isReadOnly());
        EXPECT_FALSE(d->nameEdit()->isReadOnly());
        d->reject();
    });
    EXPECT_FALSE(platform.runNameDialog(volume));
}

// With "AutoSavePrompt" FALSE a change marks the title, and closing asks about it instead of
// the Quit question: Cancel keeps the window, Save writes the image and closes.
TEST_F(VolumeWindow, ClosingWithUnsavedChangesAsksToSaveThem) {
    start("[Prompts]\nQuitPrompt=TRUE\nAutoSavePrompt=FALSE\n");
    std::string path = writeSampler();
    openThroughDialog(path, "SAMPLER.po");
    platform->nameAnswers = {{}};
    run(cmd::kNewFolder);
    EXPECT_TRUE(window().isWindowModified());
    EXPECT_EQ(window().windowTitle(), "Larkspoon - SAMPLER.po[*]");
    platform->saveChoices = {SaveChoice::Cancel, SaveChoice::Save};
    window().close();
    EXPECT_TRUE(window().isVisible());
    window().close();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(platform->questions.size(), 2u);
    EXPECT_EQ(platform->questions[0].text,
              "The changes to SAMPLER.po have not been saved.\nDo you want to save them?");
    Opened saved;
    openBytes(saved, "SAMPLER.po", readFileBytes(path));
    EXPECT_NE(childWithText(saved.tree, saved.tree.root(), "NEWFOLDER"), kNoNode);
    EXPECT_TRUE(checkVolume(saved.image).sound());
}

// A file dragged out of the tree carries a file exported as Export As writes it, under the name
// it suggests; a folder is not dragged.
TEST_F(VolumeWindow, ADraggedFileIsExportedUnderItsName) {
    start();
    openThroughDialog(writeSampler(), "SAMPLER.po");
    CatalogModel* model = window().treeModel();
    EXPECT_FALSE(model->flags(indexOfPath({"DOCUMENTS"})) & Qt::ItemIsDragEnabled);
    NodeId readMe = model->nodeOf(indexOfPath({"DOCUMENTS", "READ.ME"}));
    std::unique_ptr<QMimeData> data(window().dragMimeData(readMe));
    ASSERT_TRUE(data && data->urls().size() == 1);
    std::string file = data->urls()[0].toLocalFile().toStdString();
    EXPECT_EQ(file.substr(file.size() - 8), "/READ.ME");
    EXPECT_EQ(readFileBytes(file), patternBytes(700));
}

// The README's pictures: a folder just made, and the question Delete File asks about it.
TEST_F(VolumeWindow, ScreenshotsOfANewFolderAndTheDeleteQuestion) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=640\nHigh=420\n"
          "[Tree]\nTreewide=240\n");
    openThroughDialog(writeSampler(), "SAMPLER.po");
    click({"DOCUMENTS"});
    platform->nameAnswers = {NameAnswer::typed("LETTERS")};
    run(cmd::kNewFolder);
    window().treeView()->expand(indexOfPath({"DOCUMENTS"}));
    click({"DOCUMENTS", "LETTERS"});
    QTest::qWait(50);
    save(window().grab().toImage(), "screenshot-new-folder.png");

    QtPlatform qt;
    QImage shot;
    whenModal<QMessageBox>([&shot](QMessageBox* box) {
        shot = box->grab().toImage();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(ask(qt, message(MessageId::DeleteFolderQuestion)));
    save(shot, "screenshot-delete-question.png");
}

} // namespace
} // namespace lk::test
