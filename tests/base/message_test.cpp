#include <gtest/gtest.h>

#include "base/outcome.h"

namespace lk {
namespace {

// The catalogue's formats are printf's: each conversion takes the next value.
TEST(Message, FormatsFillLikePrintf) {
    struct Case {
        const char* format;
        std::vector<MessageArg> args;
        const char* text;
    } cases[] = {
        {"Block# must be between zero & %i ($%0X) for this disk.",
         {int64_t(279), int64_t(279)},
         "Block# must be between zero & 279 ($117) for this disk."},
        {"%03u|%-6s|%c", {int64_t(7), std::string("ab"), int64_t('Z')}, "007|ab    |Z"},
        {"100%% of %s", {std::string("%s")}, "100% of %s"}, // a value is never a format
        {"%u and %s", {int64_t(-1)}, "4294967295 and "},   // a missing value is empty
    };
    for (const Case& c : cases) EXPECT_EQ(fillFormat(c.format, c.args), c.text) << c.format;
}

TEST(Message, TheWarningBoxSaysUntitledForAnEmptyName) {
    EXPECT_EQ(messageText(message(MessageId::CouldNotRead, "")), "Could not read untitled");
    EXPECT_EQ(messageText(message(MessageId::NoSuchPath, "")), "No file  on this volume.");
}

TEST(Outcome, DamageIsToldOnceWithHowMuchMoreWasFound) {
    struct Case {
        int notes;
        const char* text;
    } cases[] = {{1, "The volume is damaged: a catalog entry lies beyond the end of the image."},
                 {2, "The volume is damaged: a catalog entry lies beyond the end of the image. "
                     "One more fault was found."},
                 {3, "The volume is damaged: a catalog entry lies beyond the end of the image. "
                     "2 more faults were found."}};
    for (const Case& c : cases) {
        DamageReport damage;
        for (int i = 0; i < c.notes; ++i) damage.note(MessageId::NoteEntryOutside);
        Outcome outcome;
        outcome.addDamage(damage, std::nullopt);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(messageText(outcome.messages[0]), c.text);
    }
    Outcome none;
    none.addDamage(DamageReport{}, MessageId::PartsLeftAsZero);
    EXPECT_TRUE(none.empty());
}

} // namespace
} // namespace lk
