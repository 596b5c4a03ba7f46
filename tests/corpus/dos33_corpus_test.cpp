// Every DOS 3.3 image of the corpus, read by Larkspoon, agrees with the independent reading.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "cli_runner.h"
#include "corpus.h"
#include "dos33/dos_entry.h"
#include "dos33/export_file.h"
#include "dos33/read_dos_file.h"
#include "dos33/vtoc.h"
#include "open_helpers.h"
#include "platform/format.h"
#include "prodos/find_path.h"
#include "sha256.h"

namespace lk::test {
namespace {

std::vector<CorpusImage> dosImages() {
    std::vector<CorpusImage> out;
    for (auto& img : loadCorpus())
        if (img.fs() == "dos33") out.push_back(img);
    return out;
}

unsigned hexField(const Json& j, const char* key) {
    return unsigned(std::stoul(j.str(key).substr(1), nullptr, 16));
}

// Lists with holes (track-0 pairs before the last data sector) need more list sectors than their
// data: the independent reading keeps the holes as zero sectors, Larkspoon's reader closes them
// up, so such files are compared by their catalog fields only.
bool hasHoles(const Json& f) {
    return f.integer("ts_sectors") > (f.integer("data_sectors") + 121) / 122;
}

Bytes firstBytes(Bytes b, long long n) {
    return b.first(std::min<size_t>(b.size(), size_t(n)));
}

Bytes asBytes(const std::string& s) {
    return Bytes(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

// The export preference under which the independent reading's "cooked" bytes are what Export As
// writes: binary and BASIC files without their length words, text as stored (bit 7 kept).
Settings cookedSettings() {
    Settings s;
    s.dosTxt = "FALSE";
    s.dosApsft = s.dosBin = s.dosInt = "TRUE";
    return s;
}

TEST(Dos33Corpus, ImagesWithoutBootCodeAreRefused) {
    if (!corpusPresent()) GTEST_SKIP() << "corpus folder " << corpusDir() << " is absent";
    int refused = 0;
    for (const CorpusImage& img : dosImages()) {
        if (img.volume["boot_signature"].boolean) continue;
        SCOPED_TRACE(img.name);
        Opened o;
        openBytes(o, img.path, readFileBytes(img.path));
        EXPECT_FALSE(o.image.bufferValid);
        EXPECT_TRUE(o.tree.empty());
        EXPECT_EQ(o.platform.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
        ++refused;
    }
    EXPECT_EQ(refused, 2);
}

TEST(Dos33Corpus, CatalogAndDataAgreeWithTheIndependentReading) {
    if (!corpusPresent()) GTEST_SKIP() << "corpus folder " << corpusDir() << " is absent";
    int opened = 0;
    for (const CorpusImage& img : dosImages()) {
        if (!img.volume["boot_signature"].boolean) continue;
        SCOPED_TRACE(img.name);
        ++opened;
        Opened o;
        openBytes(o, img.path, readFileBytes(img.path));
        ASSERT_TRUE(o.image.bufferValid) << o.platform.lastMessage();
        EXPECT_TRUE(o.image.isDos33);
        Vtoc v;
        readVtoc(o.image, v);
        EXPECT_EQ(v.volumeNumber, img.volume.integer("volume_number"));
        EXPECT_EQ(v.dosRelease, img.volume.integer("dos_release"));
        EXPECT_EQ(v.catalogTrack, img.volume["catalog"].array[0].number);
        EXPECT_EQ(v.catalogSector, img.volume["catalog"].array[1].number);
        EXPECT_EQ(v.tracksPerDisk, img.volume.integer("tracks"));
        EXPECT_EQ(v.sectorsPerTrack, img.volume.integer("sectors_per_track"));
        EXPECT_EQ(countFreeSectors(o.image), img.volume.integer("free_sectors"));
        EXPECT_EQ(o.tree.item(o.tree.root())->text,
                  format("DISK VOLUME %03u", unsigned(img.volume.integer("volume_number"))));

        // Catalog order is the order of the independent reading's catalog index.
        std::vector<Json> files = img.files;
        std::sort(files.begin(), files.end(), [](const Json& a, const Json& b) {
            return a.integer("catalog_index") < b.integer("catalog_index");
        });
        ASSERT_EQ(o.tree.childCount(o.tree.root()), files.size());
        NodeId node = o.tree.firstChild(o.tree.root());
        for (const Json& f : files) {
            SCOPED_TRACE(f.str("path"));
            const CatalogItem& item = *o.tree.item(node);
            EXPECT_EQ(item.text.size(), 30u);
            EXPECT_EQ(trimmedDosName(item.text), f.str("path"));
            DosEntry e;
            ASSERT_TRUE(dosEntryAt(o.image, item.entryOffset, e));
            EXPECT_EQ(std::string(1, dosTypeLetter(e.type)), f.str("type_letter"));
            EXPECT_EQ(e.type, hexField(f, "type_byte") & 0x7F);
            EXPECT_EQ(e.locked, f["locked"].boolean);
            EXPECT_EQ(e.sectors, f.integer("sectors"));
            int32_t n = readDosFile(o.image, item.entryOffset, item.icon, o.file, o.platform);
            EXPECT_EQ(n, f.integer("sectors") * 256);
            if (!hasHoles(f)) {
                EXPECT_EQ(sha256Hex(firstBytes(o.file.bytes(), f.integer("data_sectors") * 256)),
                          f.str("sha256"));
                o.tree.select(node);
                int32_t cooked =
                    prepareExport(o.image, o.tree, cookedSettings(), o.file, o.platform);
                if (f.integer("cooked_len") > 0) {
                    EXPECT_EQ(cooked, f.integer("cooked_len"));
                    EXPECT_EQ(sha256Hex(o.file.bytes()), f.str("sha256_cooked"));
                }
            }
            node = o.tree.nextSibling(node);
        }
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
    }
    EXPECT_GE(opened, 6);
}

TEST(Dos33Corpus, TheCliGivesTheSame) {
    if (!corpusPresent()) GTEST_SKIP() << "corpus folder " << corpusDir() << " is absent";
    for (const CorpusImage& img : dosImages()) {
        if (!img.volume["boot_signature"].boolean) continue;
        SCOPED_TRACE(img.name);
        CliResult ls = runCli({"ls", "--json", img.path});
        ASSERT_EQ(ls.status, 0) << ls.err;
        std::map<std::string, Json> listed;
        std::istringstream in(ls.out);
        std::string line;
        ASSERT_TRUE(std::getline(in, line));
        Json volume = parseJson(line);
        EXPECT_EQ(volume.str("kind"), "volume");
        EXPECT_EQ(volume.integer("volumeNumber"), img.volume.integer("volume_number"));
        EXPECT_EQ(volume.integer("freeSectors"), img.volume.integer("free_sectors"));
        while (std::getline(in, line)) {
            Json j = parseJson(line);
            listed[j.str("path")] = j;
        }
        ASSERT_EQ(listed.size(), img.files.size());
        CliResult catalog = runCli({"catalog", img.path});
        EXPECT_EQ(catalog.status, 0) << catalog.err;
        EXPECT_EQ(std::count(catalog.out.begin(), catalog.out.end(), '\n'),
                  long(img.files.size()) + 2);
        for (const Json& f : img.files) {
            SCOPED_TRACE(f.str("path"));
            const Json& j = listed[f.str("path")];
            EXPECT_EQ(j.str("kind"), "file");
            EXPECT_EQ(j.str("name").size(), 30u);
            EXPECT_EQ(unsigned(j.integer("dosType")), hexField(f, "type_byte") & 0x7F);
            EXPECT_EQ(j["locked"].boolean, f["locked"].boolean);
            EXPECT_EQ(j.integer("sectors"), f.integer("sectors"));
            CliResult get = runCli({"get", img.path, f.str("path")});
            EXPECT_EQ(get.status, 0) << get.err;
            EXPECT_EQ(get.out.size(), size_t(f.integer("sectors")) * 256);
            if (hasHoles(f)) continue;
            EXPECT_EQ(sha256Hex(firstBytes(asBytes(get.out), f.integer("data_sectors") * 256)),
                      f.str("sha256"));
            if (f.integer("cooked_len") == 0) continue;
            TempFile out("export.bin");
            CliResult ex = runCli({"export", "--set", "DOSTXT=FALSE", "--set=DOSINT=TRUE", img.path,
                                   f.str("path"), out.path});
            EXPECT_EQ(ex.status, 0) << ex.err;
            EXPECT_EQ(sha256Hex(Bytes(out.read())), f.str("sha256_cooked"));
        }
    }
}

} // namespace
} // namespace lk::test
