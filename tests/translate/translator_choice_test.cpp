#include <gtest/gtest.h>

#include <sstream>

#include "basic_builder.h"
#include "dos33/dos_entry.h"
#include "scripted_platform.h"
#include "settings/settings.h"
#include "translate/hex_dump.h"
#include "translate/translator_choice.h"

namespace lk {
namespace {

using A = ViewAction;
constexpr VolumeKind P = VolumeKind::Prodos, D = VolumeKind::Dos33;

// The defaults with the changes written as "KEY=VALUE KEY=VALUE".
Settings settingsWith(const std::string& changes) {
    Settings s;
    std::istringstream in(changes);
    for (std::string kv; in >> kv;) {
        size_t eq = kv.find('=');
        *settingField(s, kv.substr(0, eq)) = kv.substr(eq + 1);
    }
    return s;
}

// Switches: a "FALSE" turns a translator off, except that the double hires, packed picture and
// DEFTRANS2 switches need "TRUE" to be on.
TEST(TranslatorChoice, EveryRowOfTheTable) {
    struct Case {
        const char* name;
        uint8_t type;
        uint16_t aux;
        size_t length;
        VolumeKind volume;
        const char* settings;
        ViewAction action;
        int textMode = 0;
    } cases[] = {
        {"text", 0x04, 0, 10, P, "", A::Text},
        {"DOS 3.3 text", 0x04, 0, 10, D, "", A::Text, 2},
        {"text off", 0x04, 0, 10, P, "TXT=FALSE", A::HexDump},
        {"text: only FALSE is off", 0x04, 0, 10, P, "TXT=false", A::Text},
        {"double hires size", 0x06, 0, 16376, P, "", A::DoubleHiRes},
        {"16384 bytes", 0x06, 0, 16384, P, "", A::DoubleHiRes},
        {"below double hires size", 0x06, 0, 16375, P, "", A::HiRes},
        {"8192 bytes", 0x06, 0, 8192, P, "", A::HiRes},
        {"double hires off", 0x06, 0, 16384, P, "DHR=FALSE", A::HiRes},
        {"double hires: only TRUE is on", 0x06, 0, 16384, P, "DHR=true", A::HiRes},
        {"pictures off", 0x06, 0, 8192, P, "DHR=FALSE HGR=True", A::HexDump},
        {"DOS 3.3 binary", 0x06, 0, 8192, D, "", A::HiRes},
        {"DOS 3.3 binary, pictures off", 0x06, 0, 8192, D, "DHR=FALSE HGR=FALSE", A::DosBinaryText},
        {"data base", 0x19, 0, 10, P, "", A::AppleWorksDB},
        {"data base off", 0x19, 0, 10, P, "AWP=FALSE", A::HexDump},
        {"word processor", 0x1A, 0, 10, P, "", A::AppleWorksWP},
        {"word processor off", 0x1A, 0, 10, P, "AWP=FALSE", A::HexDump},
        {"Teach", 0x50, 0x5445, 10, P, "", A::Text},
        {"Teach off", 0x50, 0, 10, P, "GWP=FALSE", A::HexDump},
        {"source", 0xB0, 0, 10, P, "", A::Text},
        {"source off", 0xB0, 0, 10, P, "SRC=FALSE", A::HexDump},
        {"packed super hires", 0xC0, 0x0001, 10, P, "", A::PackedSuperHiRes},
        {"other $C0 aux type", 0xC0, 0x0002, 10, P, "", A::HexDump},
        {"packed: only TRUE is on", 0xC0, 0x0001, 10, P, "SHRC00001=true", A::HexDump},
        {"super hires", 0xC1, 0, 32768, P, "", A::SuperHiRes},
        {"super hires: only FALSE is off", 0xC1, 0, 32768, P, "SHRC10000=no", A::SuperHiRes},
        {"super hires off", 0xC1, 0, 32768, P, "SHRC10000=FALSE", A::HexDump},
        {"icons", 0xCA, 0, 10, P, "", A::Icon},
        {"icons off", 0xCA, 0, 10, P, "ICN=FALSE", A::HexDump},
        {"Integer BASIC", 0xFA, 0, 10, P, "", A::IntegerBasic},
        {"Integer BASIC off", 0xFA, 0, 10, P, "BAS=FALSE", A::HexDump},
        {"Applesoft", 0xFC, 0x0801, 10, P, "", A::Applesoft},
        {"Applesoft off", 0xFC, 0, 10, P, "BAS=FALSE", A::HexDump},
        {"no translator", 0xB3, 0, 10, P, "", A::HexDump},
        {"no translator, raw text", 0x00, 0, 10, P, "DEFTRANS2=true", A::RawText},
        {"binary without pictures, raw text", 0x06, 0, 10, P, "HGR=FALSE DEFTRANS2=FALSE",
         A::RawText},
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
        EXPECT_EQ(chooseTranslator(r, settingsWith("DEFTRANS2=FALSE")).action, A::RawText);
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

// A DOS 3.3 binary file without pictures shows as raw text as far as its length word says,
// but no further than the file.
TEST(TranslatorChoice, DosBinaryTextKeepsToItsLengthWord) {
    std::vector<uint8_t> binary = {0x00, 0x20, 0x03, 0x00, 'A', 0, 'B', 'C'};
    ViewRequest bin;
    bin.volume = VolumeKind::Dos33;
    bin.fileType = 0x06;
    bin.data = Bytes(binary);
    Settings noPictures = settingsWith("HGR=FALSE DHR=FALSE");
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\x03", 3));
    binary[2] = 0xFF;
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\xFF A BC", 8));
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
        EXPECT_EQ(run(r, settingsWith("DEFTRANS2=FALSE")).text, std::string(data.size(), '\xC1'));
    }
}

} // namespace
} // namespace lk
