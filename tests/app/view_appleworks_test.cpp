// View Apple file on AppleWorks files, without a window: the formatted runs handed to the pane,
// the table without wrapping, and the version question asked through the platform.
#include "appleworks_builder.h"
#include "command_fixture.h"
#include "translate/appleworks_db.h"
#include "translate/appleworks_wp.h"

namespace lk::test {
namespace {

using Calls = std::vector<std::string>;

class ViewAppleWorksTest : public CommandTest {
  protected:
    void SetUp() override { open(appleWorksVolume(), "WORKS.po"); }
    void viewNamed(const std::string& name) {
        select({name});
        view.takeCalls();
        run(cmd::kViewFile);
    }
};

TEST_F(ViewAppleWorksTest, ADocumentGoesToThePaneAsFormattedRuns) {
    app.settings.fontSize = 12;
    viewNamed("LETTER");
    EXPECT_EQ(view.pane.rich.runs, translateAppleWorksWP(Bytes(sampleLetter()), 12).runs);
    EXPECT_EQ(view.calls, Calls({"clear", "show"}));
    EXPECT_TRUE(app.shell.wrapAt80);
}

TEST_F(ViewAppleWorksTest, ATableIsShownUnwrappedAndAnotherVersionAsksFirst) {
    Outcome quiet;
    std::string table = listAppleWorksDB(Bytes(samplePeople().bytes()), false, quiet);
    viewNamed("PEOPLE");
    EXPECT_EQ(view.text, table);
    EXPECT_EQ(view.calls, Calls({"clear", "noWrap", "insert", "show"}));
    EXPECT_FALSE(app.shell.wrapAt80);
    EXPECT_TRUE(platform.base.questions.empty());

    platform.base.answers = {false, true};
    viewNamed("PEOPLE.V2"); // No: an empty pane, still unwrapped
    EXPECT_EQ(view.calls, Calls({"clear", "noWrap", "show"}));
    viewNamed("PEOPLE.V2"); // Yes: the table all the same
    EXPECT_EQ(view.text, table);
    ASSERT_EQ(platform.base.questions.size(), 2u);
    EXPECT_EQ(platform.base.questions[0].text,
              "AppleWorks DB version 2 is not supported! Try anyway?");
    EXPECT_EQ(platform.base.questions[0].caption, "Larkspoon Warning!");
    EXPECT_TRUE(platform.base.messages.empty());
    // Another file's view has its wrap back.
    viewNamed("LETTER");
    EXPECT_TRUE(app.shell.wrapAt80);
}

} // namespace
} // namespace lk::test
