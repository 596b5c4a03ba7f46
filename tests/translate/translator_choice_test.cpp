#include <gtest/gtest.h>

#include <sstream>

#include "dos33/dos_entry.h"
#include "settings/setting_keys.h"
#include "translate/hex_dump.h"
#include "translate/translator_choice.h"

namespace lk {
namespace {

using A = ViewAction;
constexpr bool P = false, D = true; // a ProDOS or a DOS 3.3 file

// The defaults with the changes written as "KEY=VALUE KEY=VALUE".
Settings settingsWith(const std::string& changes) {
    Settings s;
    std::istringstream in(changes);
    for (std::string kv; in >> kv;) {
        size_t eq = kv.find('=');
        setSettingText(s, *findSetting("Translate", kv.substr(0, eq)), kv.substr(eq + 1));
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
        bool dos33;
        const char* settings;
        ViewAction action;
        int textMode = 0;
    } cases[] = {
        {"DOS 3.3 text", 0x04, 0, 10, D, "", A::Text, 2},
        {"text: only FALSE is off", 0x04, 0, 10, P, "TXT=false", A::Text},
        {"double hires size", 0x06, 0, 16376, P, "", A::DoubleHiRes},
        {"below double hires size", 0x06, 0, 16375, P, "", A::HiRes},
        {"double hires: only TRUE is on", 0x06, 0, 16384, P, "DHR=true", A::HiRes},
        {"pictures off", 0x06, 0, 8192, P, "DHR=FALSE HGR=True", A::HexDump},
        {"DOS 3.3 binary, pictures off", 0x06, 0, 8192, D, "DHR=FALSE HGR=FALSE", A::DosBinaryText},
        {"other $C0 aux type", 0xC0, 0x0002, 10, P, "", A::HexDump},
        {"packed: only TRUE is on", 0xC0, 0x0001, 10, P, "SHRC00001=true", A::HexDump},
        {"super hires: only FALSE is off", 0xC1, 0, 32768, P, "SHRC10000=no", A::SuperHiRes},
        {"word processor off", 0x1A, 0, 10, P, "AWP=FALSE", A::HexDump},
        {"no translator, raw text", 0x00, 0, 10, P, "DEFTRANS2=true", A::RawText},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> data(c.length);
        ViewRequest r;
        r.dos33 = c.dos33;
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

ViewResult run(ViewRequest r, const Settings& s = Settings()) {
    Outcome outcome;
    return viewFile(r, s, outcome);
}

// A DOS 3.3 binary file without pictures shows as raw text as far as its length word says,
// but no further than the file.
TEST(TranslatorChoice, DosBinaryTextKeepsToItsLengthWord) {
    std::vector<uint8_t> binary = {0x00, 0x20, 0x03, 0x00, 'A', 0, 'B', 'C'};
    ViewRequest bin;
    bin.dos33 = true;
    bin.fileType = 0x06;
    bin.data = Bytes(binary);
    Settings noPictures = settingsWith("HGR=FALSE DHR=FALSE");
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\x03", 3));
    binary[2] = 0xFF;
    EXPECT_EQ(run(bin, noPictures).text, std::string(" \x20\xFF A BC", 8));
}

} // namespace
} // namespace lk
