#include <gtest/gtest.h>

#include "prodos/file_types.h"

namespace lk {
namespace {

TEST(TypeText, NamesPackedTextAndUnnamedTypes) {
    struct Case {
        uint8_t type;
        uint16_t aux;
        const char* text;
    } cases[] = {
        {0x2E, 0x8002, "PTP"}, {0x2E, 0x8001, "P8C"}, {0x5A, 0x8009, "PTP"}, {0x5A, 0x8008, "CFG"},
        {0x0D, 0, "$0D"},      {0x04, 0, "TXT"},      {0xA0, 0, "WP "},      {0xF9, 0, "OS "},
        {0xFF, 0, "SYS"},      {0xFE, 0, "REL"},      {0xEB, 0, "$EB"},      {0x00, 0, "UNK"},
    };
    for (const Case& c : cases) EXPECT_EQ(typeText(c.type, c.aux), c.text) << int(c.type);
}

TEST(FileTypeByName, TakesTheFirstMatch) {
    EXPECT_EQ(fileTypeByName("TDM"), 0x20);
    EXPECT_EQ(fileTypeByName("BAS"), 0xFC);
    EXPECT_EQ(fileTypeByName("XYZ"), -1);
}

} // namespace
} // namespace lk
