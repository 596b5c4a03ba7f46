// A started program in a scratch folder of its own, with the scripted platform, and the images
// the shell tests open.
#pragma once

#include <QApplication>
#include <QImage>
#include <QModelIndex>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "prodos_builder.h"
#include "scripted_shell_platform.h"
#include "shell/application.h"
#include "temp_folder.h"

namespace lk::test {

// A small ProDOS volume with a file of every tree picture.
std::vector<uint8_t> samplerVolume();

// Saves a picture for the README into the screenshot folder.
void save(const QImage& shot, const char* name);
void save(QWidget& widget, const char* name);
// A right click, as the mouse sends it, at that point of the widget.
void rightClick(QWidget* widget, QPoint at = QPoint(2, 2));

// Runs `answer` on the modal window of that type once it is up.
template <typename W> void whenModal(std::function<void(W*)> answer) {
    QTimer::singleShot(0, [answer] {
        W* w = qobject_cast<W*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        answer(w);
    });
}

class ShellTest : public ::testing::Test {
  protected:
    // Starts the program; `settings` (when given) is the settings file found at start.
    void start(const std::string& settings = "");
    MainWindow& window() { return app->window(); }
    AppState& state() { return app->state(); }
    void run(int command) { dispatchCommand(window().context(), command); }
    // Opens the file through File > Open, the dialog answering with it.
    void openThroughDialog(const std::string& path, const std::string& title);
    std::string writeSampler(const std::string& name = "SAMPLER.po");
    // The tree's model index of the node with that path of names below the volume.
    QModelIndex indexOfPath(const std::vector<std::string>& names);
    // Clicks, or clicks and double-clicks, the tree item with that path.
    void clickItem(const std::vector<std::string>& names, bool twice = false);
    // Shows a text in the display pane as a view does.
    void showText(const std::string& text);
    std::string settingsText() { return folder.readText("Larkspoon.ini"); }
    bool enabled(int command);
    // The text pane's text and selection.
    std::string shownText();
    TextRange selection() { return window().displayPane().selection(); }

    TempFolder folder;
    ScriptedShellPlatform* platform = nullptr;
    std::unique_ptr<Application> app;
};

} // namespace lk::test
