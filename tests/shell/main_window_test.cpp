// The main window: start, open, drop, the splitter, the geometry, quitting, and the keys.
#include <filesystem>

#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTest>
#include <QUrl>

#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

// A first start writes the settings file (and beeps); Open shows the catalog, expanded and
// selected, and remembers the folder; a file that is no image leaves nothing open.
TEST_F(ShellTest, StartsUntitledOpensAnImageAndRefusesANonImage) {
    start();
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_TRUE(folder.exists("Larkspoon.ini"));
    EXPECT_EQ(platform->beeps, 1);
    EXPECT_EQ(window().treeWidth(), 120);
    for (QShortcut* s : window().findChildren<QShortcut*>())
        EXPECT_EQ(s->context(), Qt::WindowShortcut);
    openThroughDialog(writeSampler(), "SAMPLER.po");
    EXPECT_EQ(platform->openDialog.shown, std::vector<std::string>{folder.path});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - SAMPLER.po");
    QModelIndex root = window().treeModel()->index(0, 0);
    EXPECT_EQ(window().treeModel()->rowCount(root), 7);
    EXPECT_TRUE(window().treeView()->isExpanded(root));
    EXPECT_EQ(window().treeView()->currentIndex(), root);
    EXPECT_TRUE(enabled(cmd::kDisplayBlock));
    EXPECT_NE(settingsText().find("Open=" + folder.path + "\n"), std::string::npos);

    openThroughDialog(folder.write("junk.po", std::vector<uint8_t>(4096, 0x55)), "junk.po");
    EXPECT_EQ(platform->lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_EQ(window().treeModel()->rowCount(), 0);
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_FALSE(enabled(cmd::kDisplayBlock));
}

TEST_F(ShellTest, OpenDirOffStartsTheDialogsInTheStartFolderAndCancelChangesNothing) {
    start("[Prompts]\nQuitPrompt=TRUE\nOpenDir=FALSE\n[Directories]\nOpen=/somewhere/else\n");
    std::string before = settingsText();
    run(cmd::kOpen); // no answer scripted: Cancel
    EXPECT_EQ(platform->openDialog.shown, std::vector<std::string>{folder.path});
    EXPECT_EQ(state().shell.rememberedFolder, "/somewhere/else");
    EXPECT_EQ(settingsText(), before);
}

void drop(QWidget* target, const std::vector<std::string>& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data.setUrls(urls);
    QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

TEST_F(ShellTest, DroppedOrNamedOnTheCommandLineTheFirstImageOpensItsFolderKept) {
    start();
    TempFolder images, texts;
    std::string notes = texts.writeText("notes.txt", "shopping list\n");
    drop(window().displayWindow(), {notes}); // dropped on the text pane: the window takes it
    EXPECT_EQ(platform->lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_NE(settingsText().find("Open=" + texts.path + "\n"), std::string::npos);
    EXPECT_EQ(window().displayWindow()->text(), ""); // the path was not pasted as text

    drop(&window(), {images.write("FIRST.PO", samplerVolume()), writeSampler("SECOND.PO"), notes});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - FIRST.PO");
    EXPECT_NE(settingsText().find("Open=" + images.path + "\n"), std::string::npos);

    // Images named on the command line open as dropped ones, a name relative to the current
    // folder included; none named changes nothing.
    openThroughDialog(writeSampler(), "SAMPLER.po");
    std::string relative = std::filesystem::relative(images.path).string();
    app->openImages({relative + "/FIRST.PO", writeSampler("SECOND.PO")});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - FIRST.PO");
    EXPECT_NE(settingsText().find("Open=" + images.path + "\n"), std::string::npos);
    app->openImages({});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - FIRST.PO");
}

void dragSplitter(QSplitter* splitter, int toX) {
    QSplitterHandle* handle = splitter->handle(1);
    QPoint start = handle->rect().center();
    QPoint target(toX - handle->x() + start.x(), start.y()); // the handle keeps the grip
    auto send = [handle](QEvent::Type type, QPoint at, Qt::MouseButton button,
                         Qt::MouseButtons held) {
        QMouseEvent e(type, at, handle->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(handle, &e);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, target, Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, target, Qt::LeftButton, Qt::NoButton);
}

// The splitter keeps the tree between 70 and 590 pixels; the window's place and size and the
// tree's width are written on close and used on the next start.
TEST_F(ShellTest, SplitterLimitsAndGeometryKeptForTheNextStart) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=1000\nHigh=500\n");
    for (auto [dragTo, width] : {std::pair{20, 70}, {900, 590}, {300, 300}}) {
        dragSplitter(window().splitter(), dragTo);
        EXPECT_EQ(state().shell.treeWidth, width) << dragTo;
    }
    window().applyGeometry({30, 40, 700, 420, 200});
    ASSERT_TRUE(window().close());
    std::string text = settingsText();
    for (const char* line : {"Left=30\n", "Top=40\n", "Wide=700\n", "High=420\n", "Treewide=200\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_TRUE(platform->questions.empty());
    app.reset();
    start();
    EXPECT_EQ(window().pos(), QPoint(30, 40));
    EXPECT_EQ(window().size(), QSize(700, 420));
    EXPECT_EQ(window().treeWidth(), 200);
}

TEST_F(ShellTest, AWindowStoredOffEveryScreenComesBack) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=-5000\nTop=9000\nWide=600\n"
          "High=400\n");
    EXPECT_EQ(window().pos(), QApplication::primaryScreen()->availableGeometry().topLeft());
    EXPECT_EQ(window().size(), QSize(600, 400));
}

TEST_F(ShellTest, QuitPromptAnsweredNoKeepsRunningAndWritesNothingYesQuits) {
    start();
    std::string before = settingsText();
    platform->answers = {false};
    run(cmd::kExit);
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_EQ(platform->questions[0].text, "Are you sure you want to Quit?");
    EXPECT_EQ(settingsText(), before);

    platform->answers = {true};
    run(cmd::kExit);
    EXPECT_FALSE(window().isVisible());
    EXPECT_NE(settingsText().find("Treewide=120\n"), std::string::npos);
    // Asked once more for the close that went through, never again after it.
    EXPECT_EQ(platform->questions.size(), 2u);
    EXPECT_TRUE(window().confirmClose());
    EXPECT_EQ(platform->questions.size(), 2u);
}

// The keys of greyed items do nothing; the others reach the dispatcher, and the Edit keys act
// on the text pane wherever the focus is.
TEST_F(ShellTest, KeysReachTheDispatcherUnlessTheirItemIsGreyed) {
    start();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QSignalSpy spy(&window(), &MainWindow::commandDispatched);
    QWidget* tree = window().treeView();
    QPlainTextEdit* editor = window().displayWindow()->editor();
    window().setDisplayText("HELLO WORLD");
    struct Case {
        QKeyCombination key;
        int dispatched; // 0: none
        const char* text;
    } cases[] = {
        {Qt::Key_F9, 0, "HELLO WORLD"},     // Display Block greyed without an image
        {Qt::Key_F6, 46, "HELLO WORLD"},    // no sector item: delivered, ignored
        {Qt::Key_Delete, 0, "HELLO WORLD"}, // nothing selected: Clear is greyed
        {Qt::CTRL | Qt::Key_A, 25, "HELLO WORLD"},
        {Qt::CTRL | Qt::Key_Insert, 22, "HELLO WORLD"},
        {Qt::Key_Delete, 24, ""},
        {Qt::ALT | Qt::Key_Backspace, 20, "HELLO WORLD"},
    };
    for (const Case& c : cases) {
        tree->setFocus();
        QTest::keyClick(tree, c.key.key(), c.key.keyboardModifiers());
        std::vector<int> got, expected;
        for (const QList<QVariant>& args : spy) got.push_back(args[0].toInt());
        spy.clear();
        if (c.dispatched) expected.push_back(c.dispatched);
        std::string name = QKeySequence(c.key).toString().toStdString();
        EXPECT_EQ(got, expected) << name;
        EXPECT_EQ(editor->toPlainText().toStdString(), c.text) << name;
    }
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO WORLD");
}

} // namespace
} // namespace lk::test
