#include "shell_fixture.h"

#include <QAction>
#include <QContextMenuEvent>

#include "open_helpers.h"
#include "shell/catalog_model.h"
#include "shell/catalog_view.h"
#include "shell/display_window.h"
#include "shell/shell_menus.h"

namespace lk::test {

std::vector<uint8_t> samplerVolume() {
    ProdosBuilder b(1600, "SAMPLER");
    const uint16_t vol = ProdosBuilder::kVolumeKey;
    std::vector<uint8_t> small = patternBytes(700);
    Bytes data(small);
    b.addFile(vol, "PRODOS", 0xFF, 0x0000, data);
    b.addFile(vol, "BASIC.SYSTEM", 0xFF, 0x2000, data);
    b.addFile(vol, "STARTUP", 0xFC, 0x0801, data);
    uint16_t docs = b.addFolder(vol, "DOCUMENTS");
    b.addFile(docs, "READ.ME", 0x04, 0, data);
    b.addFile(docs, "LETTER", 0x1A, 0, data);
    b.addFile(docs, "ADDRESSES", 0x19, 0, data);
    b.addFile(docs, "BUDGET", 0x1B, 0, data);
    b.addFile(docs, "NOTES", 0x50, 0x8010, data);
    uint16_t games = b.addFolder(vol, "GAMES");
    b.addFile(games, "LEMONADE", 0xFC, 0x0801, data);
    b.addFile(games, "CASTLE", 0x06, 0x0803, data);
    b.addFile(games, "LOADER.SYSTEM", 0xFF, 0x2000, data);
    uint16_t gs = b.addFolder(vol, "IIGS");
    b.addExtended(gs, "FINDER", 0xB3, 0xDB07, data, Bytes(small.data(), 200));
    b.addFile(gs, "FINDER.ICONS", 0xCA, 0, data);
    b.addFile(gs, "TOOLS.SHK", 0xE0, 0x8002, data);
    b.addFile(vol, "MONITOR.DUMP", 0x00, 0, data);
    return b.bytes();
}

void save(const QImage& shot, const char* name) {
    EXPECT_TRUE(shot.save(QStringLiteral(LARKSPOON_SCREENSHOT_DIR "/") + QLatin1String(name)));
}

void save(QWidget& widget, const char* name) {
    QTest::qWait(50); // drawn first
    save(widget.grab().toImage(), name);
}

void rightClick(QWidget* widget, QPoint at) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &click);
}

void ShellTest::start(const std::string& settings) {
    if (!settings.empty()) folder.writeText("Larkspoon.ini", settings);
    auto owned = std::make_unique<ScriptedShellPlatform>();
    platform = owned.get();
    app = std::make_unique<Application>(folder.path, std::move(owned));
    app->show();
}

void ShellTest::openThroughDialog(const std::string& path, const std::string& title) {
    platform->openDialog.answers.push_back(ChosenFile{path, title});
    run(cmd::kOpen);
}

void ShellTest::showText(const std::string& text) {
    window().clearDisplay();
    window().setDisplayText(text);
    window().showDisplay();
}

std::string ShellTest::writeSampler(const std::string& name) {
    return folder.write(name, samplerVolume());
}

QModelIndex ShellTest::indexOfPath(const std::vector<std::string>& names) {
    NodeId node = state().tree.root();
    for (const std::string& n : names) node = childWithText(state().tree, node, n);
    return window().treeModel()->indexOf(node);
}

void ShellTest::clickItem(const std::vector<std::string>& names, bool twice) {
    QPoint at = window().treeView()->visualRect(indexOfPath(names)).center();
    QTest::mouseClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(window().treeView()->viewport(), Qt::LeftButton, {}, at);
}

bool ShellTest::enabled(int command) {
    return window().menus()->action(command)->isEnabled();
}

std::string ShellTest::shownText() {
    return window().displayWindow()->text().toStdString();
}

} // namespace lk::test
