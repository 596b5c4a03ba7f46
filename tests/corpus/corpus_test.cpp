// Every image of the corpus, read by Larkspoon and by larkspoon-cli, agrees with the independent
// reading in expected.jsonl.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

#include "app/export_file.h"
#include "base/format.h"
#include "catalog/find_path.h"
#include "cli_runner.h"
#include "corpus.h"
#include "dos33/dos_entry.h"
#include "dos33/read_dos_file.h"
#include "dos33/vtoc.h"
#include "open_helpers.h"
#include "prodos/file_entry.h"
#include "prodos/read_file.h"
#include "prodos/volume_info.h"
#include "sha256.h"

namespace lk::test {
namespace {

// The images of one file system; for DOS 3.3 only those with boot code (the others are refused).
std::vector<CorpusImage> images(const std::string& fs, bool bootable = true) {
    std::vector<CorpusImage> out;
    for (auto& img : loadCorpus())
        if (img.fs() == fs &&
            (fs == "prodos" || img.volume.value("boot_signature", false) == bootable))
            out.push_back(img);
    return out;
}

// `ls --json` by path; the volume's own line under "".
std::map<std::string, Json> listed(const CorpusImage& img, const std::string& volumePrefix) {
    CliResult ls = runCli({"ls", "--json", img.path});
    EXPECT_EQ(ls.status, 0) << ls.err;
    std::map<std::string, Json> out;
    std::istringstream in(ls.out);
    for (std::string line; std::getline(in, line);) {
        Json j = Json::parse(line);
        std::string path = text(j, "path");
        bool file = path.rfind(volumePrefix, 0) == 0 && text(j, "kind") != "volume";
        out[file ? path.substr(volumePrefix.size()) : ""] = j;
    }
    return out;
}

// The volume and every file by the core, then by ls --json and get.
TEST(ProdosCorpus, EveryFileAgreesWithTheIndependentReading) {
    SKIP_WITHOUT_CORPUS();
    std::vector<CorpusImage> prodos = images("prodos");
    ASSERT_GE(prodos.size(), 10u);
    for (const CorpusImage& img : prodos) {
        SCOPED_TRACE(img.name);
        Opened o(img.path, readFileBytes(img.path));
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_FALSE(o.image.isDos33);
        EXPECT_EQ(o.tree.item(o.tree.root())->text, text(img.volume, "volume"));
        EXPECT_EQ(readVolumeInfo(o.image).totalBlocks, number(img.volume, "total_blocks"));
        bool dosOrder = text(img.volume, "order") == "dos";
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(dosOrder ? 0 : 1));
        EXPECT_EQ(o.tree.size(), img.files.size() + 1);
        std::map<std::string, Json> json = listed(img, "/" + text(img.volume, "volume") + "/");
        ASSERT_EQ(json.size(), img.files.size() + 1);
        for (const Json& f : img.files) {
            SCOPED_TRACE(text(f, "path"));
            NodeId node = findNodeByPath(o.tree, text(f, "path"));
            ASSERT_NE(node, kNoNode);
            uint32_t entry = o.tree.item(node)->entryOffset;
            FileEntry e;
            loadEntry(o.image, entry, e);
            const Json& j = json[text(f, "path")];
            for (const auto& [field, mine, cli, theirs] :
                 {std::tuple{"storage", long(e.storageType()), number(j, "storage"),
                             number(f, "storage")},
                  {"type", long(e.fileType), number(j, "type"), long(hexField(f, "type"))},
                  {"aux", long(e.auxType), number(j, "aux"), long(hexField(f, "aux"))},
                  {"blocks", long(e.blocksUsed), number(j, "blocks"), number(f, "blocks_used")}}) {
                EXPECT_EQ(mine, theirs) << field;
                EXPECT_EQ(cli, theirs) << field;
            }
            if (!f.contains("sha256")) continue; // folders
            EXPECT_EQ(readFork(o, entry), number(f, "eof"));
            EXPECT_EQ(number(j, "eof"), number(f, "eof"));
            EXPECT_EQ(sha256Hex(o.file.bytes()), text(f, "sha256"));
            EXPECT_EQ(sha256Hex(asBytes(runCli({"get", img.path, text(f, "path")}).out)),
                      text(f, "sha256"));
            if (!f.contains("rsrc_sha256")) continue;
            EXPECT_EQ(readFork(o, entry, Fork::Resource), number(f, "rsrc_eof"));
            EXPECT_EQ(sha256Hex(o.file.bytes()), text(f, "rsrc_sha256"));
            EXPECT_EQ(sha256Hex(asBytes(
                          runCli({"get", "--fork", "rsrc", img.path, text(f, "path")}).out)),
                      text(f, "rsrc_sha256"));
        }
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
    }
}

TEST(Dos33Corpus, ImagesWithoutBootCodeAreRefused) {
    SKIP_WITHOUT_CORPUS();
    std::vector<CorpusImage> refused = images("dos33", false);
    EXPECT_EQ(refused.size(), 2u);
    for (const CorpusImage& img : refused) {
        Opened o(img.path, readFileBytes(img.path));
        EXPECT_FALSE(o.image.bufferValid) << img.name;
        EXPECT_EQ(o.platform.lastMessage(), "Not a ProDOS or DOS 3.3 disk!");
    }
}

// Lists with holes (track-0 pairs before the last data sector) need more list sectors than their
// data: the independent reading keeps the holes as zero sectors, Larkspoon's reader closes them
// up, so such files are compared by their catalog fields only.
bool hasHoles(const Json& f) {
    return number(f, "ts_sectors") > (number(f, "data_sectors") + 121) / 122;
}

// The digest of the data sectors, without the list sectors counted at the end.
std::string dataSha(Bytes whole, const Json& f) {
    return sha256Hex(whole.first(std::min<size_t>(whole.size(), number(f, "data_sectors") * 256)));
}

// The export preferences under which the independent reading's "cooked" bytes are what Export As
// writes: binary and BASIC files without their length words, text as stored (bit 7 kept).
Settings cookedSettings() {
    Settings s;
    s.dosTxt = false;
    s.dosApsft = s.dosBin = s.dosInt = true;
    return s;
}

// The VTOC, the catalog in order and every file's bytes by the core, then by ls --json, catalog,
// get and export.
TEST(Dos33Corpus, CatalogAndDataAgreeWithTheIndependentReading) {
    SKIP_WITHOUT_CORPUS();
    std::vector<CorpusImage> dos = images("dos33");
    EXPECT_GE(dos.size(), 6u);
    TempFolder dir;
    for (const CorpusImage& img : dos) {
        SCOPED_TRACE(img.name);
        Opened o(img.path, readFileBytes(img.path));
        ASSERT_TRUE(o.image.bufferValid) << o.platform.lastMessage();
        EXPECT_TRUE(o.image.isDos33);
        Vtoc v;
        readVtoc(o.image, v);
        EXPECT_EQ(v.volumeNumber, number(img.volume, "volume_number"));
        EXPECT_EQ(v.dosRelease, number(img.volume, "dos_release"));
        EXPECT_EQ(v.catalogTrack, img.volume.at("catalog")[0].get<int>());
        EXPECT_EQ(v.catalogSector, img.volume.at("catalog")[1].get<int>());
        EXPECT_EQ(v.tracksPerDisk, number(img.volume, "tracks"));
        EXPECT_EQ(v.sectorsPerTrack, number(img.volume, "sectors_per_track"));
        EXPECT_EQ(countFreeSectors(o.image), number(img.volume, "free_sectors"));
        EXPECT_EQ(o.tree.item(o.tree.root())->text,
                  format("DISK VOLUME %03u", unsigned(number(img.volume, "volume_number"))));
        std::map<std::string, Json> json = listed(img, "");
        ASSERT_EQ(json.size(), img.files.size() + 1);
        EXPECT_EQ(number(json[""], "volumeNumber"), number(img.volume, "volume_number"));
        EXPECT_EQ(number(json[""], "freeSectors"), number(img.volume, "free_sectors"));
        std::string catalog = runCli({"catalog", img.path}).out;
        EXPECT_EQ(std::count(catalog.begin(), catalog.end(), '\n'), long(img.files.size()) + 2);

        // Catalog order is the order of the independent reading's catalog index.
        std::vector<Json> files = img.files;
        std::sort(files.begin(), files.end(), [](const Json& a, const Json& b) {
            return number(a, "catalog_index") < number(b, "catalog_index");
        });
        ASSERT_EQ(o.tree.childCount(o.tree.root()), files.size());
        for (size_t i = 0; i < files.size(); ++i) {
            const Json& f = files[i];
            SCOPED_TRACE(text(f, "path"));
            NodeId node = o.tree.child(o.tree.root(), uint32_t(i));
            const CatalogItem& item = *o.tree.item(node);
            EXPECT_EQ(item.text.size(), 30u);
            EXPECT_EQ(trimmedDosName(item.text), text(f, "path"));
            DosEntry e;
            ASSERT_TRUE(dosEntryAt(o.image, item.entryOffset, e));
            const Json& j = json[text(f, "path")];
            EXPECT_EQ(text(j, "name"), item.text);
            EXPECT_EQ(std::string(1, dosTypeLetter(e.type)), text(f, "type_letter"));
            EXPECT_EQ(e.type, hexField(f, "type_byte") & 0x7F);
            EXPECT_EQ(number(j, "dosType"), e.type);
            EXPECT_EQ(e.locked, f.value("locked", false));
            EXPECT_EQ(j.value("locked", false), f.value("locked", false));
            EXPECT_EQ(e.sectors, number(f, "sectors"));
            EXPECT_EQ(number(j, "sectors"), number(f, "sectors"));
            Outcome read;
            EXPECT_EQ(readDosFile(o.image, item, o.file, read), number(f, "sectors") * 256);
            CliResult get = runCli({"get", img.path, text(f, "path")});
            EXPECT_EQ(get.out.size(), size_t(number(f, "sectors")) * 256) << get.err;
            if (hasHoles(f)) continue;
            EXPECT_EQ(dataSha(o.file.bytes(), f), text(f, "sha256"));
            EXPECT_EQ(dataSha(asBytes(get.out), f), text(f, "sha256"));
            if (number(f, "cooked_len") == 0) continue;
            o.tree.select(node);
            EXPECT_EQ(reported(o.platform,
                               [&](Outcome& out) {
                                   return prepareExport(o.image, o.tree, cookedSettings(), o.file,
                                                        out);
                               }),
                      number(f, "cooked_len"));
            EXPECT_EQ(sha256Hex(o.file.bytes()), text(f, "sha256_cooked"));
            CliResult ex = runCli({"export", "--set", "DOSTXT=FALSE", "--set=DOSINT=TRUE", img.path,
                                   text(f, "path"), dir.file("export.bin")});
            EXPECT_EQ(ex.status, 0) << ex.err;
            EXPECT_EQ(sha256Hex(Bytes(dir.readBytes("export.bin"))), text(f, "sha256_cooked"));
        }
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
    }
}

} // namespace
} // namespace lk::test
