#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QSplitterHandle>
#include <QTest>
#include <QUrl>
#include <set>

#include "image/host_file.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/image_window.h"
#include "shell/shell_menus.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

using Line = std::pair<int, std::string>; // command (0 for a separator) and text

std::vector<std::pair<std::string, std::vector<Line>>> menuBarLines(QMenuBar* bar) {
    std::vector<std::pair<std::string, std::vector<Line>>> menus;
    for (QAction* top : bar->actions()) {
        std::vector<Line> lines;
        for (QAction* a : top->menu()->actions())
            lines.push_back(a->isSeparator() ? Line{0, ""}
                                             : Line{a->data().toInt(), a->text().toStdString()});
        menus.push_back({top->text().toStdString(), lines});
    }
    return menus;
}

const std::vector<std::pair<std::string, std::vector<Line>>> kExpectedMenus = {
    {"&File",
     {{10, "&New\tCtrl+N"},
      {11, "&Open...\tCtrl+O"},
      {12, "&Save\tCtrl+S"},
      {13, "Save &As..."},
      {0, ""},
      {17, "Page Set&up..."},
      {14, "&Print...\tCtrl+P"},
      {0, ""},
      {15, "E&xit"}}},
    {"&Edit",
     {{20, "&Undo\tCtrl+Z"},
      {0, ""},
      {21, "Cu&t\tCtrl+X"},
      {22, "&Copy\tCtrl+C"},
      {23, "&Paste\tCtrl+V"},
      {24, "C&lear\tDel"},
      {0, ""},
      {25, "&Select All\tCtrl+A"},
      {0, ""},
      {27, "&Find...\tCtrl+F"},
      {28, "Find &Next\tF3"},
      {29, "R&eplace...\tCtrl+R"}}},
    {"&Apple",
     {{30, "&Import..."},
      {31, "&Export As..."},
      {0, ""},
      {42, "&Copy Apple file"},
      {44, "&Paste Apple file"},
      {33, "View &Apple file"},
      {34, "View Resource &fork"},
      {41, "&Rename..."},
      {35, "Pr&operties"},
      {0, ""},
      {45, "&New Folder..."},
      {0, ""},
      {49, "Catalo&g"},
      {0, ""},
      {38, "Display &Block...\tF9"},
      {39, "Incremen&t Block\tF11"},
      {40, "Decrement B&lock\tF10"},
      {37, "Display &Volume Bit Map"},
      {0, ""},
      {36, "&Delete File..."}}},
    {"&Tools", {{59, "&Preferences..."}, {58, "&Export Graphic..."}}},
    {"&Help", {{60, "&Contents...\tF1"}, {61, "&About Larkspoon..."}}},
};

std::vector<Line> appleMenuStepLines(MainWindow& w) {
    std::vector<Line> lines = menuBarLines(w.menuBar())[2].second;
    return std::vector<Line>(lines.begin() + 14, lines.begin() + 18);
}

TEST_F(ShellTest, StartsUntitledWithItsSettingsFileAndTheImageCommandsGreyed) {
    start();
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_TRUE(folder.exists("Larkspoon.ini"));
    EXPECT_EQ(platform->base.beeps, 1); // the missing file was noticed
    for (int c : {12, 13, 14, 30, 31, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 44, 45, 49, 58})
        EXPECT_FALSE(window().menus()->action(c)->isEnabled()) << c;
    for (int c : {10, 11, 15, 17, 59, 60, 61})
        EXPECT_TRUE(window().menus()->action(c)->isEnabled()) << c;
    EXPECT_TRUE(window().displayWindow()->isVisible());
    EXPECT_FALSE(window().imageWindow()->isVisible());
    EXPECT_EQ(window().treeWidth(), 120);
}

TEST_F(ShellTest, MenuBarTextsNumbersAndSeparatorsAreTheTable) {
    start();
    EXPECT_EQ(menuBarLines(window().menuBar()), kExpectedMenus);
}

TEST_F(ShellTest, EveryAcceleratorKeyIsAShortcutOfTheWindow) {
    start();
    std::multiset<std::pair<int, std::string>> keys;
    for (QShortcut* s : window().findChildren<QShortcut*>()) {
        EXPECT_EQ(s->context(), Qt::WindowShortcut);
        keys.insert({s->property("command").toInt(),
                     s->key().toString(QKeySequence::PortableText).toStdString()});
    }
    std::multiset<std::pair<int, std::string>> expected = {
        {10, "Ctrl+N"},   {11, "Ctrl+O"},    {12, "Ctrl+S"},
        {14, "Ctrl+P"},   {20, "Ctrl+Z"},    {20, "Alt+Backspace"},
        {21, "Ctrl+X"},   {21, "Shift+Del"}, {22, "Ctrl+C"},
        {22, "Ctrl+Ins"}, {23, "Shift+Ins"}, {24, "Del"},
        {25, "Ctrl+A"},   {27, "Ctrl+F"},    {28, "F3"},
        {29, "Ctrl+R"},   {38, "F9"},        {39, "F11"},
        {40, "F10"},      {46, "F6"},        {47, "F8"},
        {48, "F7"},       {60, "F1"},        {26, "F12"}};
    EXPECT_EQ(keys, expected);
}

TEST_F(ShellTest, OpenShowsTheCatalogTheBlockItemsAndTheTitle) {
    start();
    std::string path = writeSampler();
    openThroughDialog(path, "SAMPLER.po");
    EXPECT_EQ(platform->openDialogFolders, std::vector<std::string>{folder.path});
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

    std::vector<Line> steps = {{38, "Display &Block\tF9"},
                               {39, "Incremen&t Block\tF11"},
                               {40, "Decre&ment Block\tF10"},
                               {37, "Display &Volume Bit Map"}};
    EXPECT_EQ(appleMenuStepLines(window()), steps);
    for (int c : {12, 13, 14, 37, 38, 30, 35, 36, 41, 45, 49})
        EXPECT_TRUE(window().menus()->action(c)->isEnabled()) << c;
    for (int c : {31, 33, 34, 39, 40, 42, 44, 58})
        EXPECT_FALSE(window().menus()->action(c)->isEnabled()) << c;

    // Its folder is where the next Open starts, and the settings remember it.
    EXPECT_NE(settingsText().find("Open=" + folder.path + "\n"), std::string::npos);
    openThroughDialog(path, "SAMPLER.po");
    EXPECT_EQ(platform->openDialogFolders.back(), folder.path);
}

TEST_F(ShellTest, SectorItemsTakeTheBlockItemsPlaceAndGiveItBack) {
    start();
    // DOS 3.3 catalogs come from their own reader; the menu rebuild is the window's part.
    menuAfterOpen(state().shell.menu, true, ImageKind::Dsk, 0);
    window().showMenuState(state().shell.menu);
    std::vector<Line> sectors = {{46, "Display &Sector...\tF6"},
                                 {47, "Incremen&t Sector\tF8"},
                                 {48, "Decre&ment Sector\tF7"},
                                 {37, "Display &Volume Bit Map"}};
    EXPECT_EQ(appleMenuStepLines(window()), sectors);
    EXPECT_TRUE(window().menus()->action(46)->isEnabled());
    EXPECT_FALSE(window().menus()->action(37)->isEnabled());
    EXPECT_EQ(menuBarLines(window().menuBar())[2].second.size(), kExpectedMenus[2].second.size());

    openThroughDialog(writeSampler(), "SAMPLER.po");
    EXPECT_EQ(appleMenuStepLines(window())[0], Line(38, "Display &Block\tF9"));
    EXPECT_EQ(appleMenuStepLines(window())[3], Line(37, "Display &Volume Bit Map"));
}

TEST_F(ShellTest, CancelledOpenChangesNothing) {
    start();
    std::string before = settingsText();
    run(cmd::kOpen); // no answer scripted: Cancel
    EXPECT_EQ(platform->openDialogFolders.size(), 1u);
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    EXPECT_EQ(settingsText(), before);
}

TEST_F(ShellTest, AFileThatIsNoImageIsRefusedAndLeavesNothingOpen) {
    start();
    openThroughDialog(writeSampler(), "SAMPLER.po");
    std::string junk = folder.write("junk.po", std::vector<uint8_t>(4096, 0x55));
    openThroughDialog(junk, "junk.po");
    EXPECT_EQ(platform->base.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_EQ(platform->base.messages.back().caption, "Larkspoon");
    EXPECT_EQ(window().treeModel()->rowCount(), 0);
    EXPECT_EQ(window().windowTitle(), "Larkspoon - untitled");
    for (int c : {12, 13, 14, 33, 37, 38})
        EXPECT_FALSE(window().menus()->action(c)->isEnabled()) << c;
}

TEST_F(ShellTest, OpenDirOffStartsTheDialogsInTheStartFolder) {
    start("[Prompts]\nQuitPrompt=TRUE\nOpenDir=FALSE\n[Directories]\nOpen=/somewhere/else\n");
    run(cmd::kOpen);
    EXPECT_EQ(platform->openDialogFolders, std::vector<std::string>{folder.path});
    EXPECT_EQ(state().shell.rememberedFolder, "/somewhere/else");
}

QMimeData* urlsOf(const std::vector<std::string>& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
    data->setUrls(urls);
    return data;
}

void drop(QWidget* target, const std::vector<std::string>& paths) {
    std::unique_ptr<QMimeData> data(urlsOf(paths));
    QPoint at = target->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent dropped(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dropped);
}

TEST_F(ShellTest, DroppingThreeFilesOpensTheFirst) {
    start();
    TempFolder other;
    std::string first = other.write("FIRST.PO", samplerVolume());
    std::string second = writeSampler("SECOND.PO");
    drop(&window(), {first, second, folder.file("missing.po")});
    EXPECT_EQ(window().windowTitle(), "Larkspoon - FIRST.PO");
    EXPECT_EQ(state().image.path, first);
    EXPECT_TRUE(platform->base.messages.empty());
    EXPECT_NE(settingsText().find("Open=" + other.path + "\n"), std::string::npos);
}

TEST_F(ShellTest, ADroppedFileThatIsNoImageStillRemembersItsFolder) {
    start();
    TempFolder other;
    std::string notes = other.writeText("notes.txt", "shopping list\n");
    drop(window().displayWindow(), {notes}); // dropped on the text pane: the window takes it
    EXPECT_EQ(platform->base.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    EXPECT_NE(settingsText().find("Open=" + other.path + "\n"), std::string::npos);
    EXPECT_EQ(window().displayWindow()->text(), ""); // the path was not pasted as text
}

void dragSplitter(QSplitter* splitter, int toX) {
    QSplitterHandle* handle = splitter->handle(1);
    QPoint start = handle->rect().center();
    QPoint target(toX - handle->x() + start.x(), start.y()); // the handle keeps the grip
    QMouseEvent press(QEvent::MouseButtonPress, start, handle->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent move(QEvent::MouseMove, target, handle->mapToGlobal(target), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, target, handle->mapToGlobal(target),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
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

TEST_F(ShellTest, QuitPromptAnsweredNoKeepsRunningAndWritesNothing) {
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

TEST_F(ShellTest, HelpAndAboutGoThroughThePlatform) {
    start();
    run(cmd::kHelpContents);
    run(cmd::kAbout);
    EXPECT_EQ(platform->helpShown, 1);
    EXPECT_EQ(platform->aboutShown, 1);
}

TEST_F(ShellTest, CommandsOutsideTheMenuDoNothing) {
    start();
    std::string before = settingsText();
    for (int c : {-1, 0, 4, 16, 18, 26, 32, 43, 50, 57, 62, 1000}) run(c);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(platform->openDialogFolders.size(), 0u);
    EXPECT_EQ(settingsText(), before);
}

} // namespace
} // namespace lk::test
