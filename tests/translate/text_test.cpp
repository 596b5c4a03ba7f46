#include <gtest/gtest.h>

#include "translate/text.h"

namespace lk {
namespace {

TEST(TranslateText, EachModeMapsEveryByteClass) {
    struct Case {
        uint8_t byte;
        char dos;
        char prodos;
    } cases[] = {
        {0x00, ' ', ' '},    {0x07, ' ', ' '},    {0x08, ' ', '\x08'}, {0x09, ' ', '\t'},
        {0x0A, ' ', ' '},    {0x0B, ' ', '\x0B'}, {0x0C, ' ', '\x0C'}, {0x0D, ' ', '\n'},
        {0x1F, ' ', ' '},    {0x20, ' ', ' '},    {0x41, ' ', 'A'},    {0x7F, ' ', '\x7F'},
        {0x80, '\0', ' '},   {0x88, '\x08', ' '}, {0x89, '\t', ' '},   {0x8B, '\x0B', ' '},
        {0x8C, '\x0C', ' '}, {0x8D, '\n', ' '},   {0x87, '\x07', ' '}, {0xA0, ' ', ' '},
        {0xC1, 'A', ' '},    {0xFF, '\x7F', ' '},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> in = {c.byte};
        EXPECT_EQ(translateText(kDos33TextMode, Bytes(in)), std::string(1, c.dos)) << int(c.byte);
        EXPECT_EQ(translateText(0, Bytes(in)), std::string(1, c.prodos)) << int(c.byte);
        EXPECT_EQ(translateText(1, Bytes(in)), std::string(1, c.prodos)) << "any other mode";
    }
}

TEST(TranslateText, OutputKeepsEveryPosition) {
    std::vector<uint8_t> dos = {0xC8, 0xC9, 0x8D, 0x80, 0xC1};
    std::string out = translateText(kDos33TextMode, Bytes(dos));
    EXPECT_EQ(out, std::string("HI\n\0A", 5));
    std::vector<uint8_t> prodos = {'H', 'I', 0x0D, 0x00, 'A'};
    EXPECT_EQ(translateText(0, Bytes(prodos)), "HI\n A");
    EXPECT_EQ(translateText(0, Bytes()), "");
}

TEST(RawText, ZeroBytesBecomeSpacesAndTheRestStays) {
    std::vector<uint8_t> in = {0x00, 'A', 0x0D, 0xC1, 0x00};
    EXPECT_EQ(rawText(Bytes(in)), std::string(" A\r\xC1 "));
}

} // namespace
} // namespace lk
