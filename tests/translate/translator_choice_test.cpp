#include <gtest/gtest.h>

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "scripted_platform.h"
#include "translate/hex_dump.h"
#include "translate/translator_choice.h"

namespace lk {
namespace {

using Key = std::string Settings::*;
using A = ViewAction;

struct Setting {
    Key key;
    const char* value;
};

Settings settingsWith(std::initializer_list<Setting> changes) {
    Settings s;
    for (const Setting& c : changes) s.*c.key = c.value;
    return s;
}

TEST(TranslatorChoice, EveryRowOfTheTable) {
    struct Case {
        const char* name;
        uint8_t type;
        uint16_t aux;
        size_t length;
        VolumeKind volume;
        std::initializer_list<Setting> settings;
        ViewAction action;
        int textMode;
    } cases[] = {
        {"text", 0x04, 0, 10, VolumeKind::Prodos, {}, A::Text, 0},
        {"DOS 3.3 text", 0x04, 0, 10, VolumeKind::Dos33, {}, A::Text, 2},
        {"text off", 0x04, 0, 10, VolumeKind::Prodos, {{&Settings::txt, "FALSE"}}, A::HexDump, 0},
        {"text: only FALSE is off",
         0x04,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::txt, "false"}},
         A::Text,
         0},
        {"double hires size", 0x06, 0, 16376, VolumeKind::Prodos, {}, A::DoubleHiRes, 0},
        {"16384 bytes", 0x06, 0, 16384, VolumeKind::Prodos, {}, A::DoubleHiRes, 0},
        {"below double hires size", 0x06, 0, 16375, VolumeKind::Prodos, {}, A::HiRes, 0},
        {"8192 bytes", 0x06, 0, 8192, VolumeKind::Prodos, {}, A::HiRes, 0},
        {"double hires off",
         0x06,
         0,
         16384,
         VolumeKind::Prodos,
         {{&Settings::dhr, "FALSE"}},
         A::HiRes,
         0},
        {"double hires: only TRUE is on",
         0x06,
         0,
         16384,
         VolumeKind::Prodos,
         {{&Settings::dhr, "true"}},
         A::HiRes,
         0},
        {"pictures off",
         0x06,
         0,
         8192,
         VolumeKind::Prodos,
         {{&Settings::dhr, "FALSE"}, {&Settings::hgr, "True"}},
         A::HexDump,
         0},
        {"DOS 3.3 binary, pictures off",
         0x06,
         0,
         8192,
         VolumeKind::Dos33,
         {{&Settings::dhr, "FALSE"}, {&Settings::hgr, "FALSE"}},
         A::DosBinaryText,
         0},
        {"DOS 3.3 binary", 0x06, 0, 8192, VolumeKind::Dos33, {}, A::HiRes, 0},
        {"data base", 0x19, 0, 10, VolumeKind::Prodos, {}, A::AppleWorksDB, 0},
        {"data base off",
         0x19,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::awp, "FALSE"}},
         A::HexDump,
         0},
        {"word processor", 0x1A, 0, 10, VolumeKind::Prodos, {}, A::AppleWorksWP, 0},
        {"word processor off",
         0x1A,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::awp, "FALSE"}},
         A::HexDump,
         0},
        {"Teach", 0x50, 0x5445, 10, VolumeKind::Prodos, {}, A::Text, 0},
        {"Teach off", 0x50, 0, 10, VolumeKind::Prodos, {{&Settings::gwp, "FALSE"}}, A::HexDump, 0},
        {"source", 0xB0, 0, 10, VolumeKind::Prodos, {}, A::Text, 0},
        {"source off", 0xB0, 0, 10, VolumeKind::Prodos, {{&Settings::src, "FALSE"}}, A::HexDump, 0},
        {"packed super hires", 0xC0, 0x0001, 10, VolumeKind::Prodos, {}, A::PackedSuperHiRes, 0},
        {"other $C0 aux type", 0xC0, 0x0002, 10, VolumeKind::Prodos, {}, A::HexDump, 0},
        {"packed: only TRUE is on",
         0xC0,
         0x0001,
         10,
         VolumeKind::Prodos,
         {{&Settings::shrc00001, "true"}},
         A::HexDump,
         0},
        {"super hires", 0xC1, 0, 32768, VolumeKind::Prodos, {}, A::SuperHiRes, 0},
        {"super hires: only FALSE is off",
         0xC1,
         0,
         32768,
         VolumeKind::Prodos,
         {{&Settings::shrc10000, "no"}},
         A::SuperHiRes,
         0},
        {"super hires off",
         0xC1,
         0,
         32768,
         VolumeKind::Prodos,
         {{&Settings::shrc10000, "FALSE"}},
         A::HexDump,
         0},
        {"icons", 0xCA, 0, 10, VolumeKind::Prodos, {}, A::Icon, 0},
        {"icons off", 0xCA, 0, 10, VolumeKind::Prodos, {{&Settings::icn, "FALSE"}}, A::HexDump, 0},
        {"Integer BASIC", 0xFA, 0, 10, VolumeKind::Prodos, {}, A::IntegerBasic, 0},
        {"Integer BASIC off",
         0xFA,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::bas, "FALSE"}},
         A::HexDump,
         0},
        {"Applesoft", 0xFC, 0x0801, 10, VolumeKind::Prodos, {}, A::Applesoft, 0},
        {"Applesoft off",
         0xFC,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::bas, "FALSE"}},
         A::HexDump,
         0},
        {"no translator", 0xB3, 0, 10, VolumeKind::Prodos, {}, A::HexDump, 0},
        {"no translator, raw text",
         0x00,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::defTrans2, "true"}},
         A::RawText,
         0},
        {"binary without pictures, raw text",
         0x06,
         0,
         10,
         VolumeKind::Prodos,
         {{&Settings::hgr, "FALSE"}, {&Settings::defTrans2, "FALSE"}},
         A::RawText,
         0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data(c.length);
        ViewRequest r;
        r.volume = c.volume;
        r.fileType = c.type;
        r.auxType = c.aux;
        r.data = Bytes(data);
        ViewChoice choice = chooseTranslator(r, settingsWith(c.settings));
        EXPECT_EQ(choice.action, c.action) << c.name;
        if (c.action == A::Text) EXPECT_EQ(choice.textMode, c.textMode) << c.name;
    }
}

TEST(TranslatorChoice, ShiftAndResourceForkGoToTheFallback) {
    std::vector<uint8_t> data(16384);
    for (uint8_t type : {0x04, 0x06, 0xC1, 0xFC}) {
        ViewRequest r;
        r.fileType = type;
        r.data = Bytes(data);
        r.shiftHeld = true;
        EXPECT_EQ(chooseTranslator(r, Settings()).action, A::HexDump) << int(type);
        EXPECT_EQ(chooseTranslator(r, settingsWith({{&Settings::defTrans2, "FALSE"}})).action,
                  A::RawText);
        r.shiftHeld = false;
        r.resourceFork = true;
        EXPECT_EQ(chooseTranslator(r, Settings()).action, A::HexDump) << int(type);
    }
}

TEST(TranslatorChoice, DosTypesStandForProdosTypes) {
    const uint8_t expected[] = {0x04, 0xFA, 0xFC, 0, 0x06, 0, 0, 0, 0};
    for (int code = 0; code < 9; ++code) EXPECT_EQ(prodosTypeForDos(code), expected[code]) << code;
    EXPECT_EQ(prodosTypeForDos(0x40), 0);
    EXPECT_EQ(prodosTypeForDos(0xFF), 0);
}

ViewResult run(ViewRequest r, const Settings& s = Settings()) {
    test::ScriptedPlatform p;
    return viewFile(r, s, p);
}

TEST(TranslatorChoice, EachActionProducesItsText) {
    std::vector<uint8_t> program = test::applesoftProgram({{10, {0xBA, '1'}}});
    ViewRequest basic;
    basic.fileType = 0xFC;
    basic.data = Bytes(program);
    EXPECT_EQ(run(basic).text, "10  PRINT 1\n");

    std::vector<uint8_t> dosText = {0xC8, 0xC9, 0x8D, 0x80, 0xC1};
    ViewRequest text;
    text.volume = VolumeKind::Dos33;
    text.fileType = 0x04;
    text.data = Bytes(dosText);
    EXPECT_EQ(run(text).text, "HI\n") << "the shown text ends at the first zero byte";

    std::vector<uint8_t> binary = {0x00, 0x20, 0x03, 0x00, 'A', 0, 'B', 'C'};
    ViewRequest bin;
    bin.volume = VolumeKind::Dos33;
    bin.fileType = 0x06;
    bin.data = Bytes(binary);
    Settings noPictures = settingsWith({{&Settings::hgr, "FALSE"}, {&Settings::dhr, "FALSE"}});
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\x03", 3)) << "the first 3 bytes";
    binary[2] = 0xFF;
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\xFF A BC", 8)) << "at most the file";
}

TEST(TranslatorChoice, DocumentsAndPicturesShowTheFallbackForNow) {
    std::vector<uint8_t> data(16384, 0xC1);
    for (uint8_t type : {0x06, 0x19, 0x1A, 0xC1, 0xCA}) {
        ViewRequest r;
        r.fileType = type;
        r.data = Bytes(data);
        ViewResult hex = run(r);
        EXPECT_NE(hex.choice.action, A::HexDump) << int(type);
        EXPECT_EQ(hex.text, hexDump(Bytes(data), data.size(), 0, true)) << int(type);
        EXPECT_FALSE(hex.lineWrapOff);
        EXPECT_EQ(run(r, settingsWith({{&Settings::defTrans2, "FALSE"}})).text,
                  std::string(data.size(), '\xC1'));
    }
}

} // namespace
} // namespace lk
