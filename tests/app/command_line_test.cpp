// The desktop program's command line: what is an option and what names an image.
#include <gtest/gtest.h>

#include "app/commands.h"

namespace lk::test {
namespace {

TEST(CommandLine, OptionsAreTakenOutAndTheOtherWordsNameImages) {
    struct Case {
        std::vector<std::string> words;
        bool version;
        bool help;
        std::vector<std::string> images;
    } cases[] = {
        {{}, false, false, {}},
        {{"disk.po", "--version"}, true, false, {"disk.po"}},
        {{"-h", "--unknown", "a.2mg", "b.woz"}, false, true, {"a.2mg", "b.woz"}},
        // "--" ends the options; "-" and an empty word are names.
        {{"--", "--version", "-x.po"}, false, false, {"--version", "-x.po"}},
        {{"-", ""}, false, false, {"-", ""}},
    };
    for (const Case& c : cases) {
        CommandLine line = readCommandLine(c.words);
        EXPECT_EQ(line.version, c.version) << c.words.size();
        EXPECT_EQ(line.help, c.help) << c.words.size();
        EXPECT_EQ(line.images, c.images) << c.words.size();
    }
}

} // namespace
} // namespace lk::test
