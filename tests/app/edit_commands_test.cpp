// Find, Find Next, Replace, Paste, the font dialog and printing without a window: the text pane
// is a string, and the dialog's requests are sent as the dialog sends them.
#include "app/display_commands.h"
#include "command_fixture.h"

namespace lk::test {
namespace {

using EditCommandTest = CommandTest;

// A search starts one character after the start of the selection, so a repeated search moves
// on; from a bare caret it starts at the caret, so a match right after a replacement is found.
// Not found, the caret goes to the top and the user is told once.
TEST_F(EditCommandTest, FindAndReplaceStartAfterTheSelectionOrAtTheCaret) {
    struct Case {
        const char* text;
        TextRange start;
        FindRecord record;
        unsigned request;
        const char* after;
        TextRange selection;
        size_t told;
    } cases[] = {
        {"alpha beta ALPHA", {0, 0}, {"alpha", "", false}, kFindNextRequest, "", {0, 5}, 0},
        {"alpha beta ALPHA", {0, 5}, {"alpha", "", false}, kFindNextRequest, "", {11, 16}, 0},
        {"alpha beta ALPHA", {0, 5}, {"alpha", "", true}, kFindNextRequest, "", {0, 0}, 1},
        {"ab ab ab", {3, 5}, {"ab", "X", false}, kReplaceRequest, "ab ab X", {7, 7}, 0},
        {"xfoofoo", {0, 0}, {"foo", "y", false}, kReplaceAllRequest, "xyy", {0, 0}, 0},
        {"xyy", {0, 0}, {"foo", "y", false}, kReplaceAllRequest, "xyy", {0, 0}, 1},
    };
    for (const Case& c : cases) {
        view.pane.text = c.text;
        view.pane.range = c.start;
        platform.messages.clear();
        onFindMessage(ctx, {c.request, c.record});
        EXPECT_EQ(view.pane.text, *c.after ? c.after : c.text) << c.text;
        EXPECT_EQ(view.pane.range, c.selection) << c.text;
        ASSERT_EQ(platform.messages.size(), c.told) << c.text;
    }
    EXPECT_EQ(lastMessage(), "Text not found!  Cursor reset to top of document.");
    EXPECT_EQ(app.shell.findRecord.replaceText, "y"); // the record stays for the next search
}

TEST_F(EditCommandTest, FindNextSearchesSilentlyOrOpensFindWithoutASearchText) {
    view.pane.text = "one two one two";
    run(cmd::kFindNext);
    EXPECT_EQ(view.findDialogs, std::vector<FindMode>{FindMode::Find});
    EXPECT_TRUE(app.shell.findDialogOpen);
    onFindMessage(ctx, {kDialogClosed, {"two", "", false}});
    EXPECT_FALSE(app.shell.findDialogOpen);
    for (TextRange r : {TextRange{4, 7}, TextRange{12, 15}, TextRange{0, 0}}) {
        run(cmd::kFindNext);
        EXPECT_EQ(view.pane.range, r);
    }
    EXPECT_TRUE(platform.messages.empty());
    run(cmd::kReplace);
    EXPECT_EQ(view.findDialogs.back(), FindMode::Replace);
}

// Formatted text wins over a picture, a picture over text; the pane takes no picture.
TEST_F(EditCommandTest, PasteTakesTheClipboardsBestFormAndRefusesAPicture) {
    struct Case {
        ClipboardOffer offer;
        std::vector<PasteSource> pasted;
        const char* told;
    } cases[] = {
        {{true, false, false}, {PasteSource::Text}, ""},
        {{true, true, false}, {PasteSource::Bitmap}, "Can't paste bitmap!"},
        {{true, true, true}, {PasteSource::RichText}, ""},
    };
    for (const Case& c : cases) {
        view.pane.offer = c.offer;
        view.pane.pasted.clear();
        platform.messages.clear();
        run(cmd::kPaste);
        EXPECT_EQ(view.pane.pasted, c.pasted);
        EXPECT_EQ(lastMessage(), c.told);
    }
}

// The font dialog starts from the pane's font, and its face, size and colour are kept as the
// chosen ones whatever the user pressed.
TEST_F(EditCommandTest, FontDialogStartsFromThePaneAndKeepsWhatItGave) {
    view.pane.font = FontChoice{"Courier New", 11, false, false, 0xFF};
    platform.fontDialog.answers = {std::nullopt, FontChoice{"DejaVu Sans", 14, false, false, 9}};
    EXPECT_FALSE(chooseDisplayFont(ctx));
    EXPECT_EQ(platform.fontDialog.shown[0].face, "Courier New");
    EXPECT_EQ(app.shell.chosenFont.points, 11);
    EXPECT_TRUE(chooseDisplayFont(ctx));
    EXPECT_EQ(app.shell.chosenFont.face, "DejaVu Sans");
    EXPECT_EQ(app.shell.chosenFont.colorRef, 9u);
}

// The print dialog starts from the last job's choices; a shown picture is printed by its pane.
// Page Setup raises margins below the printer's minimum to it; Cancel keeps them.
TEST_F(EditCommandTest, PrintKeepsItsChoicesAndPageSetupItsMargins) {
    PrintSettings chosen;
    chosen.copies = 3;
    platform.printDialog.answers.push_back(chosen);
    run(cmd::kPrint);
    run(cmd::kPrint); // cancelled
    EXPECT_EQ(platform.printDialog.shown.at(1).first.copies, 3);
    app.shell.graphicShown = true;
    run(cmd::kPrint);
    EXPECT_EQ(platform.printDialog.shown.size(), 2u);
    PageSetup answer = app.shell.pageSetup;
    answer.margins = {100, 1000, 300, 200};
    platform.pageSetupDialog.answers = {answer, std::nullopt};
    run(cmd::kPageSetup);
    run(cmd::kPageSetup);
    EXPECT_EQ(app.shell.pageSetup.margins, (Margins{250, 1000, 300, 460}));
}

} // namespace
} // namespace lk::test
