#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QSplitterHandle>
#include <QUrl>

#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

const std::set<int> kAlwaysOn = {10, 11, 15, 17, 59, 60, 61};

TEST_F(ShellTest, StartsUntitledWithItsSettingsFileAndTheMenuBar) {
    start();
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_TRUE(folder.exists("Larkspoon.ini"));
    EXPECT_EQ(platform->base.beeps, 1); // the missing file was noticed
    EXPECT_EQ(enabledItems(), kAlwaysOn);
    EXPECT_TRUE(window().displayWindow()->isVisible());
    EXPECT_FALSE(window().imageWindow()->isVisible());
    EXPECT_EQ(window().treeWidth(), 120);

    // Texts, command numbers, separators and shortcuts.
    std::vector<std::string> titles;
    for (QAction* top : window().menuBar()->actions()) titles.push_back(top->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&Apple", "&Tools", "&Help"}));
    EXPECT_EQ(menuText(0), "10 &New\tCtrl+N | 11 &Open...\tCtrl+O | 12 &Save\tCtrl+S | "
                           "13 Save &As... | - | 17 Page Set&up... | 14 &Print...\tCtrl+P | - | "
                           "15 E&xit");
    EXPECT_EQ(menuText(1), "20 &Undo\tCtrl+Z | - | 21 Cu&t\tCtrl+X | 22 &Copy\tCtrl+C | "
                           "23 &Paste\tCtrl+V | 24 C&lear\tDel | - | 25 &Select All\tCtrl+A | - | "
                           "27 &Find...\tCtrl+F | 28 Find &Next\tF3 | 29 R&eplace...\tCtrl+R");
    EXPECT_EQ(menuText(2),
              "30 &Import... | 31 &Export As... | - | 42 &Copy Apple file | "
              "44 &Paste Apple file | 33 View &Apple file | 34 View Resource &fork | "
              "41 &Rename... | 35 Pr&operties | - | 45 &New Folder... | - | "
              "49 Catalo&g | - | 38 Display &Block...\tF9 | 39 Incremen&t Block\tF11 | "
              "40 Decrement B&lock\tF10 | 37 Display &Volume Bit Map | - | "
              "36 &Delete File...");
    EXPECT_EQ(menuText(3), "59 &Preferences... | 58 &Export Graphic...");
    EXPECT_EQ(menuText(4), "60 &Contents...\tF1 | 61 &About Larkspoon...");

    // Every accelerator key is a shortcut of the whole window.
    std::vector<std::string> keys;
    for (QShortcut* s : window().findChildren<QShortcut*>()) {
        EXPECT_EQ(s->context(), Qt::WindowShortcut);
        keys.push_back(s->property("command").toString().toStdString() + " " +
                       s->key().toString(QKeySequence::PortableText).toStdString());
    }
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys,
              (std::vector<std::string>{
                  "10 Ctrl+N",    "11 Ctrl+O", "12 Ctrl+S",    "14 Ctrl+P", "20 Alt+Backspace",
                  "20 Ctrl+Z",    "21 Ctrl+X", "21 Shift+Del", "22 Ctrl+C", "22 Ctrl+Ins",
                  "23 Shift+Ins", "24 Del",    "25 Ctrl+A",    "26 F12",    "27 Ctrl+F",
                  "28 F3",        "29 Ctrl+R", "38 F9",        "39 F11",    "40 F10",
                  "46 F6",        "47 F8",     "48 F7",        "60 F1"}));
}

TEST_F(ShellTest, OpenShowsTheCatalogTheBlockItemsAndTheTitleANonImageIsRefused) {
    start();
    std::string path = writeSampler();
    openThroughDialog(path, "SAMPLER.po");
    EXPECT_EQ(platform->openDialog.shown, std::vector<std::string>{folder.path});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - SAMPLER.po");
    EXPECT_TRUE(platform->base.messages.empty());

    CatalogModel* model = window().treeModel();
    ASSERT_EQ(model->rowCount(), 1);
    QModelIndex root = model->index(0, 0);
    EXPECT_EQ(root.data().toString(), "SAMPLER");
    EXPECT_EQ(model->rowCount(root), 7);
    EXPECT_TRUE(window().treeView()->isExpanded(root));
    EXPECT_EQ(window().treeView()->currentIndex(), root);
    EXPECT_EQ(state().tree.selection(), state().tree.root());

    EXPECT_NE(menuText(2).find("38 Display &Block\tF9 | 39 Incremen&t Block\tF11 | "
                               "40 Decre&ment Block\tF10 | 37 Display &Volume Bit Map"),
              std::string::npos);
    std::set<int> volumeSelected = kAlwaysOn;
    volumeSelected.insert({12, 13, 14, 30, 35, 36, 37, 38, 41, 45, 49});
    EXPECT_EQ(enabledItems(), volumeSelected);

    // Its folder is where the next Open starts, and the settings remember it.
    EXPECT_NE(settingsText().find("Open=" + folder.path + "\n"), std::string::npos);
    openThroughDialog(path, "SAMPLER.po");
    EXPECT_EQ(platform->openDialog.shown.back(), folder.path);

    // A file that is no image is refused, and leaves nothing open.
    openThroughDialog(folder.write("junk.po", std::vector<uint8_t>(4096, 0x55)), "junk.po");
    EXPECT_EQ(platform->base.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_EQ(platform->base.messages.back().caption, "Larkspoon");
    EXPECT_EQ(window().treeModel()->rowCount(), 0);
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_EQ(enabledItems(), kAlwaysOn);
}

TEST_F(ShellTest, OpenDirOffStartsTheDialogsInTheStartFolderAndCancelChangesNothing) {
    start("[Prompts]\nQuitPrompt=TRUE\nOpenDir=FALSE\n[Directories]\nOpen=/somewhere/else\n");
    std::string before = settingsText();
    run(cmd::kOpen); // no answer scripted: Cancel
    EXPECT_EQ(platform->openDialog.shown, std::vector<std::string>{folder.path});
    EXPECT_EQ(state().shell.rememberedFolder, "/somewhere/else");
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
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

TEST_F(ShellTest, DroppingThreeFilesOpensTheFirstANonImageStillRemembersItsFolder) {
    start();
    TempFolder images, texts;
    std::string notes = texts.writeText("notes.txt", "shopping list\n");
    drop(window().displayWindow(), {notes}); // dropped on the text pane: the window takes it
    EXPECT_EQ(platform->base.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_NE(settingsText().find("Open=" + texts.path + "\n"), std::string::npos);
    EXPECT_EQ(window().displayWindow()->text(), ""); // the path was not pasted as text

    std::string first = images.write("FIRST.PO", samplerVolume());
    drop(&window(), {first, writeSampler("SECOND.PO"), notes});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - FIRST.PO");
    EXPECT_EQ(state().image.path, first);
    EXPECT_EQ(platform->base.messages.size(), 1u);
    EXPECT_NE(settingsText().find("Open=" + images.path + "\n"), std::string::npos);
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

TEST_F(ShellTest, SplitterStaysBetween70And590) {
    start("[Prompts]\nQuitPrompt=FALSE\n[MainWindowSize]\nLeft=0\nTop=0\nWide=1000\nHigh=500\n");
    struct Case {
        int dragTo;
        int expected;
    } cases[] = {{300, 300}, {20, 70}, {900, 590}, {70, 70}, {590, 590}, {121, 121}};
    for (const Case& c : cases) {
        dragSplitter(window().splitter(), c.dragTo);
        EXPECT_EQ(window().treeWidth(), c.expected) << c.dragTo;
        EXPECT_EQ(state().shell.treeWidth, c.expected) << c.dragTo;
    }
}

TEST_F(ShellTest, GeometryIsWrittenOnCloseAndUsedOnTheNextStart) {
    start("[Prompts]\nQuitPrompt=FALSE\n");
    window().applyGeometry({30, 40, 700, 420, 200});
    ASSERT_TRUE(window().close());
    std::string text = settingsText();
    for (const char* line : {"Left=30\n", "Top=40\n", "Wide=700\n", "High=420\n", "Treewide=200\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
    EXPECT_TRUE(platform->base.questions.empty());

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
    platform->base.answers = {false};
    run(cmd::kExit);
    EXPECT_TRUE(window().isVisible());
    ASSERT_EQ(platform->base.questions.size(), 1u);
    EXPECT_EQ(platform->base.questions[0].text, "Are you sure you want to Quit?");
    EXPECT_EQ(platform->base.questions[0].caption, "Larkspoon");
    EXPECT_EQ(platform->base.questions[0].icon, MessageIcon::Question);
    EXPECT_EQ(settingsText(), before);

    platform->base.answers = {true};
    run(cmd::kExit);
    EXPECT_FALSE(window().isVisible());
    EXPECT_NE(settingsText().find("Treewide=120\n"), std::string::npos);
    // Asked once more for the close that went through, never again after it.
    EXPECT_EQ(platform->base.questions.size(), 2u);
    EXPECT_TRUE(window().confirmClose());
    EXPECT_EQ(platform->base.questions.size(), 2u);
}

TEST_F(ShellTest, HelpAndAboutGoThroughThePlatformNumbersOutsideTheMenuDoNothing) {
    start();
    std::string before = settingsText();
    for (int c : {-1, 0, 4, 16, 18, 26, 32, 43, 50, 57, 62, 1000, cmd::kHelpContents, cmd::kAbout})
        run(c);
    EXPECT_EQ(platform->helpShown, 1);
    EXPECT_EQ(platform->aboutShown, 1);
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(platform->openDialog.shown.empty());
    EXPECT_EQ(settingsText(), before);
}

} // namespace
} // namespace lk::test
