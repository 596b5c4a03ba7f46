#include <QClipboard>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell_fixture.h"

namespace lk::test {
namespace {

class AcceleratorTest : public ShellTest {
  protected:
    void SetUp() override {
        start();
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        spy = std::make_unique<QSignalSpy>(&window(), &MainWindow::commandDispatched);
    }
    std::vector<int> dispatched() {
        std::vector<int> out;
        for (const QList<QVariant>& args : *spy) out.push_back(args[0].toInt());
        spy->clear();
        return out;
    }
    void press(QWidget* focus, QKeyCombination key) {
        focus->setFocus();
        QTest::keyClick(focus, key.key(), key.keyboardModifiers());
    }
    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(AcceleratorTest, KeysOfGreyedItemsDoNothingTheOthersReachTheDispatcher) {
    struct Case {
        QKeyCombination key;
        std::vector<int> expected;
    } cases[] = {
        {Qt::Key_F9, {}},             // Display Block greyed without an image
        {Qt::Key_F6, {46}},           // no sector item: delivered, ignored
        {Qt::Key_F1, {60}},           // Help Contents
        {Qt::CTRL | Qt::Key_F, {27}}, // Find opens its dialog
        {Qt::Key_F3, {}},             // the Find dialog just opened: Find Next is greyed
    };
    for (const Case& c : cases) {
        press(window().treeView(), c.key);
        EXPECT_EQ(dispatched(), c.expected) << QKeySequence(c.key).toString().toStdString();
    }
    EXPECT_EQ(platform->helpShown, 1);
}

TEST_F(AcceleratorTest, EditKeysActOnTheTextPaneEvenFromTheTree) {
    QPlainTextEdit* editor = window().displayWindow()->editor();
    QWidget* tree = window().treeView();
    window().setDisplayText("HELLO WORLD");
    press(tree, Qt::Key_Delete); // nothing selected: Clear is greyed
    EXPECT_EQ(dispatched(), std::vector<int>{});
    EXPECT_EQ(editor->toPlainText(), "HELLO WORLD");

    press(tree, Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(dispatched(), std::vector<int>{25});
    EXPECT_TRUE(editor->textCursor().hasSelection());
    press(tree, Qt::CTRL | Qt::Key_Insert);
    EXPECT_EQ(QApplication::clipboard()->text(), "HELLO WORLD");
    press(tree, Qt::Key_Delete);
    EXPECT_EQ(editor->toPlainText(), "");
    press(tree, Qt::ALT | Qt::Key_Backspace);
    EXPECT_EQ(editor->toPlainText(), "HELLO WORLD");
    EXPECT_EQ(dispatched(), std::vector<int>({22, 24, 20}));
}

} // namespace
} // namespace lk::test
