// Every ProDOS image of the corpus, read by Larkspoon, agrees with the independent reading.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "cli_runner.h"
#include "corpus.h"
#include "open_helpers.h"
#include "prodos/file_entry.h"
#include "prodos/find_path.h"
#include "prodos/read_file.h"
#include "sha256.h"

namespace lk::test {
namespace {

unsigned hexField(const Json& j, const char* key) {
    return unsigned(std::stoul(j.str(key).substr(1), nullptr, 16));
}

std::vector<CorpusImage> prodosImages() {
    std::vector<CorpusImage> out;
    for (auto& img : loadCorpus())
        if (img.fs() == "prodos") out.push_back(img);
    return out;
}

size_t countNodes(const CatalogTree& tree) {
    return tree.size();
}

TEST(ProdosCorpus, EveryFileAgreesWithTheIndependentReading) {
    if (!corpusPresent()) GTEST_SKIP() << "corpus folder " << corpusDir() << " is absent";
    std::vector<CorpusImage> images = prodosImages();
    ASSERT_GE(images.size(), 10u);
    for (const CorpusImage& img : images) {
        SCOPED_TRACE(img.name);
        Opened o;
        openBytes(o, img.path, readFileBytes(img.path));
        ASSERT_TRUE(o.image.bufferValid);
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
        EXPECT_FALSE(o.image.isDos33);
        EXPECT_EQ(o.tree.item(o.tree.root())->text, img.volume.str("volume"));
        EXPECT_EQ(o.image.volume.totalBlocks, img.volume.integer("total_blocks"));
        bool dosOrder = img.volume.str("order") == "dos";
        EXPECT_EQ(o.image.header.imageFormat, uint32_t(dosOrder ? 0 : 1));
        EXPECT_EQ(countNodes(o.tree), img.files.size() + 1);
        for (const Json& f : img.files) {
            SCOPED_TRACE(f.str("path"));
            NodeId node = findNodeByPath(o.tree, f.str("path"));
            ASSERT_NE(node, kNoNode);
            uint32_t entry = o.tree.item(node)->entryOffset;
            FileEntry e;
            loadEntry(o.image, entry, e);
            EXPECT_EQ(e.storageType(), f.integer("storage"));
            EXPECT_EQ(e.fileType, hexField(f, "type"));
            EXPECT_EQ(e.auxType, hexField(f, "aux"));
            EXPECT_EQ(e.blocksUsed, f.integer("blocks_used"));
            if (!f.has("sha256")) continue; // folders
            int32_t n = readProdosFile(o.image, entry, kDataFork, o.file, o.platform);
            EXPECT_EQ(n, f.integer("eof"));
            EXPECT_EQ(sha256Hex(o.file.bytes()), f.str("sha256"));
            if (f.has("rsrc_sha256")) {
                n = readProdosFile(o.image, entry, kResourceFork, o.file, o.platform);
                EXPECT_EQ(n, f.integer("rsrc_eof"));
                EXPECT_EQ(sha256Hex(o.file.bytes()), f.str("rsrc_sha256"));
            }
        }
        EXPECT_TRUE(o.platform.messages.empty()) << o.platform.lastMessage();
    }
}

TEST(ProdosCorpus, TheCliGivesTheSame) {
    if (!corpusPresent()) GTEST_SKIP() << "corpus folder " << corpusDir() << " is absent";
    for (const CorpusImage& img : prodosImages()) {
        SCOPED_TRACE(img.name);
        CliResult ls = runCli({"ls", "--json", img.path});
        ASSERT_EQ(ls.status, 0) << ls.err;
        std::map<std::string, Json> listed;
        std::istringstream in(ls.out);
        std::string volumePrefix = "/" + img.volume.str("volume") + "/";
        for (std::string line; std::getline(in, line);) {
            Json j = parseJson(line);
            std::string path = j.str("path");
            if (path.rfind(volumePrefix, 0) == 0) listed[path.substr(volumePrefix.size())] = j;
        }
        ASSERT_EQ(listed.size(), img.files.size());
        for (const Json& f : img.files) {
            SCOPED_TRACE(f.str("path"));
            const Json& j = listed[f.str("path")];
            EXPECT_EQ(j.integer("storage"), f.integer("storage"));
            EXPECT_EQ(unsigned(j.integer("type")), hexField(f, "type"));
            EXPECT_EQ(unsigned(j.integer("aux")), hexField(f, "aux"));
            EXPECT_EQ(j.integer("eof"), f.integer("eof"));
            EXPECT_EQ(j.integer("blocks"), f.integer("blocks_used"));
            if (!f.has("sha256")) continue;
            CliResult get = runCli({"get", img.path, f.str("path")});
            EXPECT_EQ(get.status, 0) << get.err;
            EXPECT_EQ(
                sha256Hex(Bytes(reinterpret_cast<const uint8_t*>(get.out.data()), get.out.size())),
                f.str("sha256"));
            if (f.has("rsrc_sha256")) {
                CliResult rsrc = runCli({"get", "--fork", "rsrc", img.path, f.str("path")});
                EXPECT_EQ(sha256Hex(Bytes(reinterpret_cast<const uint8_t*>(rsrc.out.data()),
                                          rsrc.out.size())),
                          f.str("rsrc_sha256"));
            }
        }
    }
}

} // namespace
} // namespace lk::test
