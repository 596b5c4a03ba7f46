// The commands without a window: a view that keeps what it is asked to show, a text pane over a
// plain string, the scripted platform, and images opened through the program's own open path.
#pragma once

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/command_handlers.h"
#include "scripted_shell_platform.h"
#include "temp_folder.h"

namespace lk::test {

// A text pane over a string: it searches, replaces and takes pastes as the window's pane does.
class StringPane : public DisplayPane {
  public:
    TextRange selection() const override { return range; }
    void select(TextRange r) override { range = r; }
    std::optional<TextRange> find(std::string_view what, int64_t from, bool matchCase) override;
    void replaceSelection(std::string_view with) override;
    ClipboardOffer clipboardOffer() const override { return offer; }
    // Takes anything but a picture, and records the form.
    bool paste(PasteSource source) override {
        pasted.push_back(source);
        return source != PasteSource::Bitmap;
    }
    void insertRichText(const RichText&) override {}
    void setWrapAt80(bool) override {}
    FontChoice currentFont() const override { return font; }
    std::vector<PrintProblem> print(const PrintSettings&, const PageSetup&,
                                    const std::string&) override {
        return {};
    }

    std::string text;
    TextRange range;
    ClipboardOffer offer;
    std::vector<PasteSource> pasted;
    FontChoice font;
};

// Keeps the menu state and the display's text, and counts what was drawn.
class RecordingView : public ShellView {
  public:
    void setCaption(const std::string& t) override { caption = t; }
    void setModified(bool m) override { modified = m; }
    void showMenuState(const MenuState& m) override { menu = m; }
    void beginTreeRebuild() override {}
    void endTreeRebuild() override {}
    void expandNode(NodeId) override {}
    void clearDisplay() override { text.clear(), ++drawn; }
    void setDisplayText(std::string_view t) override { text = std::string(t), ++drawn; }
    void insertDisplayText(std::string_view t) override { text += t, ++drawn; }
    void showDisplay() override {}
    void hideImageWindow() override { pictureShown = false; }
    bool showPicture(const Picture& p) override {
        picture = p;
        pictureShown = pictureTaken;
        return pictureTaken;
    }
    std::vector<PrintProblem> printPicture(const PrintSettings&, const PageSetup&,
                                           const std::string& name) override {
        printedPicture = name;
        return {};
    }
    void setDisplayWrap(bool) override {}
    void editDisplay(EditAction) override {}
    EditFacts displayEditFacts() override { return facts; }
    DisplayPane& displayPane() override { return pane; }
    void openFindDialog(FindMode mode, const FindRecord&) override { findDialogs.push_back(mode); }
    void closeWindow() override {}
    void commandDelivered(int) override {}
    void showProperties(const PropertySheet& s, bool raise) override {
        sheet = s;
        sheetShown = true;
        sheetRaised += raise;
    }
    bool propertiesShown() override { return sheetShown; }
    void applyDisplayFormat(bool font) override { formatsApplied.push_back(font); }

    MenuState menu;
    std::string caption;
    bool modified = false; // the title marks changes not yet saved
    std::string text;
    int drawn = 0; // texts cleared, set or added to
    EditFacts facts;
    std::vector<FindMode> findDialogs;
    StringPane pane;
    Picture picture;          // the last one shown
    bool pictureShown = false; // the picture pane shows it
    bool pictureTaken = true; // whether the picture pane takes a picture
    std::string printedPicture;
    PropertySheet sheet; // the Properties sheet's texts last shown
    bool sheetShown = false;
    int sheetRaised = 0;
    std::vector<bool> formatsApplied; // applyDisplayFormat's `font` each time
};

class CommandTest : public ::testing::Test {
  protected:
    // Writes the image to the scratch folder and opens it as File > Open does.
    void open(const std::vector<uint8_t>& bytes, const std::string& name);
    // Selects the node with that path of names below the volume (none: the volume).
    void select(const std::vector<std::string>& names);
    void run(int command) { dispatchCommand(ctx, command); }
    bool enabled(int command) const { return view.menu.isEnabled(command); }
    std::string lastMessage() const { return platform.lastMessage(); }

    TempFolder folder;
    AppState app;
    ScriptedShellPlatform platform;
    RecordingView view;
    ShellContext ctx{app, platform, view};
};

} // namespace lk::test
