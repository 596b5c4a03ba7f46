#include <filesystem>
#include <gtest/gtest.h>

#if defined(__unix__)
#include <csignal>
#include <sys/resource.h>
#endif

#include "dos33/dos_entry.h"
#include "app/export_file.h"
#include "settings/setting_keys.h"
#include "dos33_builder.h"
#include "base/host_file.h"
#include "open_helpers.h"
#include "prodos_builder.h"
#include "temp_folder.h"

namespace lk::test {
namespace {

template <typename T> std::vector<uint8_t> concat(std::vector<uint8_t> a, const T& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct ExportDisk {
    std::vector<uint8_t> program = patternBytes(700, 1);
    std::vector<uint8_t> machine = patternBytes(300, 2);
    std::vector<uint8_t> text =
        concat(highBitText("LINE ONE\rLINE TWO\r"), std::vector<uint8_t>{0});
    Opened o;
    ExportDisk() {
        Dos33Builder b;
        std::vector<uint8_t> textFile = concat(text, highBitText("AFTER THE END"));
        b.addFile("TEXT", kDosText, Bytes(textFile));
        b.addFile("APPLESOFT", kDosApplesoft, Bytes(withLengthWord(Bytes(program))));
        b.addFile("INTEGER", kDosInteger, Bytes(withLengthWord(Bytes(program))));
        b.addFile("BINARY", kDosBinary, Bytes(binaryFile(0x2000, Bytes(machine))), true);
        b.addFile("RELOCATABLE", 0x10, Bytes(patternBytes(10, 3)));
        b.addFile("TYPE3", 0x03, Bytes(patternBytes(10, 3)));
        std::vector<uint8_t> liar = binaryFile(0x300, Bytes(patternBytes(10)));
        putLe16(liar.data() + 2, 0x7000); // a length word far beyond its one sector
        b.addFile("LIAR", kDosBinary, Bytes(liar));
        b.addFile("EMPTY TEXT", kDosText, Bytes(std::vector<uint8_t>(10, 0)));
        b.addFile("A/B", kDosText, Bytes(highBitText("X")));
        openBytes(o, "export.dsk", b.bytes());
    }
    NodeId node(const std::string& name) {
        return childWithText(o.tree, o.tree.root(), paddedDosName(name));
    }
    std::vector<uint8_t> exported(const std::string& name, const Settings& s) {
        o.tree.select(node(name));
        int32_t n = reported(o.platform, [&](Outcome& out) { return prepareExport(o.image, o.tree, s, o.file, out); });
        EXPECT_GT(n, 0) << name;
        if (n <= 0) return {};
        EXPECT_EQ(o.file.fileData[size_t(n)], 0); // the zero byte after them
        Bytes b = o.file.bytes();
        EXPECT_EQ(b.size(), size_t(n));
        return std::vector<uint8_t>(b.begin(), b.end());
    }
};

Settings allPreferences(const char* value) {
    Settings s;
    for (const char* key : {"DOSTXT", "DOSINT", "DOSAPSFT", "DOSBIN"})
        setSettingText(s, *findSetting("Translate", key), value);
    return s;
}

TEST(ExportDos, EachTypeIsAdjustedByItsPreference) {
    ExportDisk d;
    Settings on = allPreferences("TRUE");
    Settings off = allPreferences("FALSE");
    Settings lower = allPreferences("true"); // switches are compared case-sensitively
    Settings defaults;
    std::vector<uint8_t> plainText = textBytes("LINE ONE\rLINE TWO\r");
    std::vector<uint8_t> withWord = withLengthWord(Bytes(d.program));
    std::vector<uint8_t> binary = binaryFile(0x2000, Bytes(d.machine));
    struct Case {
        const char* name;
        const Settings& settings;
        std::vector<uint8_t> expected;
    } cases[] = {
        {"TEXT", on, plainText},
        {"TEXT", off, std::vector<uint8_t>(d.text.begin(), d.text.end() - 1)},
        {"TEXT", lower, std::vector<uint8_t>(d.text.begin(), d.text.end() - 1)},
        {"APPLESOFT", on, d.program},
        {"APPLESOFT", off, withWord},
        {"INTEGER", on, d.program},
        {"INTEGER", off, withWord},
        {"BINARY", on, d.machine},
        {"BINARY", off, binary},
        {"BINARY", lower, binary},
        {"RELOCATABLE", on, concat(patternBytes(10, 3), std::vector<uint8_t>(502, 0))},
        {"TYPE3", on, concat(patternBytes(10, 3), std::vector<uint8_t>(502, 0))},
        {"INTEGER", defaults, withWord}, // the one preference off by default
        // A length word beyond the file is held to the file's bytes, less the header.
        {"LIAR", on, concat(patternBytes(10), std::vector<uint8_t>(512 - 4 - 10, 0))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(d.exported(c.name, c.settings), c.expected);
    }
    EXPECT_TRUE(d.o.platform.messages.empty());
}

TEST(ExportDos, NothingToExportAndErrorsAreTold) {
    ExportDisk d;
    Settings s;
    d.o.tree.select(d.node("EMPTY TEXT"));
    EXPECT_EQ(reported(d.o.platform, [&](Outcome& out) { return prepareExport(d.o.image, d.o.tree, s, d.o.file, out); }), 0);
    EXPECT_EQ(d.o.platform.lastMessage(), "There is nothing to export from EMPTY TEXT.");

    d.o.tree.select(d.o.tree.root());
    size_t before = d.o.platform.messages.size();
    EXPECT_EQ(reported(d.o.platform, [&](Outcome& out) { return prepareExport(d.o.image, d.o.tree, s, d.o.file, out); }), -100);
    EXPECT_EQ(d.o.platform.messages.size(), before); // the volume node: no message

    uint32_t text = d.o.tree.item(d.node("TEXT"))->entryOffset;
    d.o.image.buffer[text] = dos::kDeleted;
    d.o.tree.select(d.node("TEXT"));
    EXPECT_EQ(reported(d.o.platform, [&](Outcome& out) { return prepareExport(d.o.image, d.o.tree, s, d.o.file, out); }), -5);
    EXPECT_EQ(d.o.platform.lastMessage(), "DOS error #5  Deleted File!");
}

TEST(ExportProdos, WritesTheDataFork) {
    ProdosBuilder b(280, "VOL");
    std::vector<uint8_t> data = patternBytes(1500, 4);
    b.addExtended(ProdosBuilder::kVolumeKey, "FORKED", 0xB3, 0, Bytes(data),
                  Bytes(patternBytes(99)));
    b.addFile(ProdosBuilder::kVolumeKey, "NOTHING", 0x04, 0, Bytes());
    Opened o;
    openBytes(o, "p.po", b.bytes());
    o.tree.select(childWithText(o.tree, o.tree.root(), "FORKED"));
    Settings s;
    ASSERT_EQ(reported(o.platform, [&](Outcome& out) { return prepareExport(o.image, o.tree, s, o.file, out); }), 1500);
    EXPECT_EQ(std::vector<uint8_t>(o.file.bytes().begin(), o.file.bytes().end()), data);
    o.tree.select(childWithText(o.tree, o.tree.root(), "NOTHING"));
    EXPECT_EQ(reported(o.platform, [&](Outcome& out) { return prepareExport(o.image, o.tree, s, o.file, out); }), 0);
    EXPECT_EQ(o.platform.lastMessage(), "There is nothing to export from NOTHING.");
}

TEST(ExportNames, SuggestedNameIsTheAppleNameWithBit7Cleared) {
    ExportDisk d;
    auto nameOf = [&](const std::string& n) {
        return suggestedExportName(d.o.image, *d.o.tree.item(d.node(n)));
    };
    EXPECT_EQ(nameOf("BINARY"), "BINARY"); // without the spaces that pad it
    EXPECT_EQ(nameOf("A/B"), "A_B");       // never a folder separator

    ProdosBuilder b(280, "VOL");
    uint32_t e = b.addFile(ProdosBuilder::kVolumeKey, "READ.ME", 0x04, 0, Bytes(patternBytes(3)));
    b.bytes()[e + 1] |= 0x80;
    Opened o;
    openBytes(o, "p.po", b.bytes());
    EXPECT_EQ(suggestedExportName(o.image, *o.tree.item(o.tree.firstChild(o.tree.root()))),
              "READ.ME");

    struct Case {
        const char* chosen;
        const char* written;
    } cases[] = {{"/home/u/HELLO", "/home/u/HELLO.txt"},
                 {"/home/u/HELLO.BAS", "/home/u/HELLO.BAS"},
                 {"C:\\o.d\\PIC", "C:\\o.d\\PIC.txt"}};
    for (const Case& c : cases) EXPECT_EQ(withDefaultExtension(c.chosen, "txt"), c.written);
}

size_t filesIn(const std::string& folder) {
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(hostPath(folder)))
        ++n;
    return n;
}

TEST(ExportReplace, AFileTheUserAgreedToReplaceIsReplacedWhole) {
    TempFolder folder;
    std::string path = folder.write("HELLO.txt", patternBytes(5000));
    std::vector<uint8_t> data = patternBytes(300, 3);
    EXPECT_EQ(writeExportFile(path, Bytes(data)), 300);
    std::vector<uint8_t> back;
    ASSERT_EQ(readWholeFile(path, back, 0), HostRead::Done);
    EXPECT_EQ(back, data);
    EXPECT_EQ(filesIn(folder.path), 1u); // no temporary file left beside it
}

TEST(ExportReplace, AWriteThatFailsLeavesTheOldFileAsItWas) {
#if defined(__unix__)
    TempFolder folder;
    std::vector<uint8_t> old = patternBytes(100);
    std::string path = folder.write("OLD.TXT", old);
    // The file size limit stops the write a few kilobytes in, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    int32_t written = writeExportFile(path, Bytes(patternBytes(100000, 7)));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(written, 0);
    std::vector<uint8_t> back;
    ASSERT_EQ(readWholeFile(path, back, 0), HostRead::Done);
    EXPECT_EQ(back, old);
    EXPECT_EQ(filesIn(folder.path), 1u);
#else
    GTEST_SKIP() << "needs a file size limit to make the write fail";
#endif
}

} // namespace
} // namespace lk::test
