// Find, Find Next, Replace, Paste and the font dialog without a window: the text pane is a
// string, and the dialog's requests are sent as the dialog sends them.
#include "app/display_commands.h"
#include "command_fixture.h"

namespace lk::test {
namespace {

using EditCommandTest = CommandTest;

// A search starts one character after the start of the selection, so a repeated search moves
// on; from a bare caret it starts at the caret, so a match right after a replacement is found.
TEST_F(EditCommandTest, FindAndReplaceStartAfterTheSelectionOrAtTheCaret) {
    struct Step {
        unsigned request;
        const char* text; // after the step
        TextRange selection;
        size_t told; // "not found" messages so far
    };
    struct Case {
        const char* text;
        TextRange start;
        FindRecord record;
        std::vector<Step> steps;
    } cases[] = {
        {"alpha beta ALPHA beta alpha",
         {0, 0},
         {"alpha", "", false},
         {{kFindNextRequest, "alpha beta ALPHA beta alpha", {0, 5}, 0},
          {kFindNextRequest, "alpha beta ALPHA beta alpha", {11, 16}, 0},
          {kFindNextRequest, "alpha beta ALPHA beta alpha", {22, 27}, 0},
          {kFindNextRequest, "alpha beta ALPHA beta alpha", {0, 0}, 1}}},
        {"alpha beta ALPHA beta alpha",
         {3, 3},
         {"alpha", "", true},
         {{kFindNextRequest, "alpha beta ALPHA beta alpha", {22, 27}, 0}}},
        {"ab ab ab",
         {3, 5},
         {"ab", "X", false},
         {{kReplaceRequest, "ab ab X", {7, 7}, 0},
          {kReplaceRequest, "ab ab X", {0, 0}, 1},
          {kReplaceRequest, "X ab X", {1, 1}, 1}}},
        {"x foo y foo z foo",
         {0, 0},
         {"foo", "quux", false},
         {{kReplaceAllRequest, "x quux y quux z quux", {0, 0}, 0},
          {kReplaceAllRequest, "x quux y quux z quux", {0, 0}, 1}}},
        {"xfoofoo", {0, 0}, {"foo", "y", false}, {{kReplaceAllRequest, "xyy", {0, 0}, 0}}},
    };
    for (const Case& c : cases) {
        view.pane.text = c.text;
        view.pane.range = c.start;
        platform.messages.clear();
        for (const Step& s : c.steps) {
            onFindMessage(ctx, {s.request, c.record});
            EXPECT_EQ(view.pane.text, s.text) << c.text;
            EXPECT_EQ(view.pane.range, s.selection) << c.text;
            ASSERT_EQ(platform.messages.size(), s.told) << c.text;
            if (s.told)
                EXPECT_EQ(lastMessage(), "Text not found!  Cursor reset to top of document.");
        }
    }
    EXPECT_EQ(app.shell.findRecord.replaceText, "y"); // the record stays for the next search
}

TEST_F(EditCommandTest, FindNextSearchesSilentlyOrOpensFindWithoutASearchText) {
    view.pane.text = "one two one two";
    run(cmd::kFindNext);
    EXPECT_EQ(view.findDialogs, std::vector<FindMode>{FindMode::Find});
    EXPECT_TRUE(app.shell.findDialogOpen);
    onFindMessage(ctx, {kDialogClosed, {"two", "", false}});
    EXPECT_FALSE(app.shell.findDialogOpen);
    for (TextRange r : {TextRange{4, 7}, TextRange{12, 15}, TextRange{0, 0}, TextRange{4, 7}}) {
        run(cmd::kFindNext);
        EXPECT_EQ(view.pane.range, r);
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(view.findDialogs.size(), 1u);
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
        {{false, false, false}, {}, ""},
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

TEST_F(EditCommandTest, FontDialogStartsFromThePaneAndKeepsWhatItGave) {
    view.pane.font = FontChoice{"Courier New", 11, false, false, 0xFF};
    EXPECT_FALSE(chooseDisplayFont(ctx)); // Cancel
    ASSERT_EQ(platform.fontDialog.shown.size(), 1u);
    EXPECT_EQ(platform.fontDialog.shown[0].face, "Courier New");
    EXPECT_EQ(platform.fontDialog.shown[0].points, 11);
    EXPECT_EQ(app.shell.chosenFont.face, "Courier New");
    platform.fontDialog.answers = {FontChoice{"DejaVu Sans", 14, false, false, 0xFF00}};
    EXPECT_TRUE(chooseDisplayFont(ctx));
    EXPECT_EQ(app.shell.chosenFont.face, "DejaVu Sans");
    EXPECT_EQ(app.shell.chosenFont.points, 14);
    EXPECT_EQ(app.shell.chosenFont.colorRef, 0xFF00u);
}

// The print dialog starts from the last job's choices; a shown picture is printed by its pane.
TEST_F(EditCommandTest, PrintKeepsItsChoicesAndPageSetupItsMargins) {
    PrintSettings chosen;
    chosen.copies = 3;
    chosen.collate = true;
    platform.printDialog.answers.push_back(chosen);
    run(cmd::kPrint);
    run(cmd::kPrint); // cancelled: the choices as they were
    ASSERT_EQ(platform.printDialog.shown.size(), 2u);
    EXPECT_EQ(platform.printDialog.shown[1].first.copies, 3);
    app.shell.graphicShown = true;
    run(cmd::kPrint);
    EXPECT_EQ(platform.printDialog.shown.size(), 2u);

    // Margins below the printer's minimum are raised to it; Cancel keeps them.
    const PageSetup& kept = app.shell.pageSetup;
    PageSetup answer = kept;
    answer.margins = {100, 1000, 300, 200};
    platform.pageSetupDialog.answers = {answer, std::nullopt};
    run(cmd::kPageSetup);
    run(cmd::kPageSetup);
    EXPECT_EQ(kept.margins, (Margins{250, 1000, 300, 460}));
    EXPECT_EQ(platform.pageSetupDialog.shown.size(), 2u);
}

TEST(TextLimit, WhatFitsOfAnInsertion) {
    EXPECT_EQ(charactersThatFit(kDisplayTextLimit, 5, 10), 5u); // what the selection frees
    EXPECT_EQ(charactersThatFit(kDisplayTextLimit + 10, 0, 1), 0u);
    EXPECT_EQ(charactersThatFit(3, 10, 5), 5u);
}

} // namespace
} // namespace lk::test
