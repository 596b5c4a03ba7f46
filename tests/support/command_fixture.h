// The commands without a window: a view that records what it is asked to show, the scripted
// platform, and images opened through the program's own open path.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "scripted_shell_platform.h"
#include "app/command_handlers.h"
#include "temp_folder.h"

namespace lk::test {

// A text pane that holds nothing: the commands tested here never search, paste or print.
class NullDisplayPane : public DisplayPane {
  public:
    TextRange selection() const override { return {}; }
    void select(TextRange) override {}
    std::optional<TextRange> find(std::string_view, int64_t, bool) override { return {}; }
    void replaceSelection(std::string_view) override {}
    ClipboardOffer clipboardOffer() const override { return {}; }
    bool paste(PasteSource) override { return false; }
    void insertRichText(const RichText&) override {}
    void setWrapAt80(bool) override {}
    FontChoice currentFont() const override { return {}; }
    std::vector<PrintProblem> print(const PrintSettings&, const PageSetup&,
                                    const std::string&) override {
        return {};
    }
};

// Keeps the menu state and the display's text, and every call to the display in order.
class RecordingView : public ShellView {
  public:
    void setCaption(const std::string&) override {}
    void showMenuState(const MenuState& m) override { menu = m; }
    void beginTreeRebuild() override {}
    void endTreeRebuild() override {}
    void expandNode(NodeId) override {}
    void clearDisplay() override {
        calls.push_back("clear");
        text.clear();
    }
    void setDisplayText(std::string_view t) override {
        calls.push_back("set");
        text = std::string(t);
    }
    void insertDisplayText(std::string_view t) override {
        calls.push_back("insert");
        text += t;
    }
    void showDisplay() override { calls.push_back("show"); }
    void hideImageWindow() override { calls.push_back("hidePicture"); }
    bool showPicture(const Picture& p) override {
        calls.push_back("picture");
        picture = p;
        return pictureTaken;
    }
    std::vector<PrintProblem> printPicture(const PrintSettings&, const PageSetup&,
                                           const std::string& name) override {
        calls.push_back("printPicture " + name);
        return {};
    }
    void setDisplayWrap(bool on) override { calls.push_back(on ? "wrap" : "noWrap"); }
    void editDisplay(EditAction) override {}
    EditFacts displayEditFacts() override { return {}; }
    DisplayPane& displayPane() override { return pane; }
    void openFindDialog(FindMode, const FindRecord&) override {}
    void closeWindow() override {}
    void commandDelivered(int) override {}

    std::vector<std::string> takeCalls() { return std::exchange(calls, {}); }

    MenuState menu;
    std::vector<std::string> calls;
    std::string text;
    NullDisplayPane pane;
    Picture picture;          // the last one shown
    bool pictureTaken = true; // whether the picture pane takes a picture
};

class CommandTest : public ::testing::Test {
  protected:
    // Writes the image to the scratch folder and opens it as File > Open does.
    void open(const std::vector<uint8_t>& bytes, const std::string& name);
    // Selects the node with that path of names below the volume (none: the volume).
    void select(const std::vector<std::string>& names);
    void run(int command) { dispatchCommand(ctx, command); }
    bool enabled(int command) const { return view.menu.isEnabled(command); }

    TempFolder folder;
    AppState app;
    ScriptedShellPlatform platform;
    RecordingView view;
    ShellContext ctx{app, platform, view};
};

} // namespace lk::test
