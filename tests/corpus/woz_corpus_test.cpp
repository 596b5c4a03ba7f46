// The WOZ images of the corpus decode to whole 16-sector disks; their volumes and files are
// checked with the other images against the independent reading.
#include <gtest/gtest.h>

#include "corpus.h"
#include "catalog/find_path.h"
#include "open_helpers.h"
#include "volume/volume.h"

namespace lk::test {
namespace {

TEST(WozCorpus, EveryTrackDecodesWhole) {
    SKIP_WITHOUT_CORPUS();
    int seen = 0;
    for (const CorpusImage& img : loadCorpus()) {
        if (!img.image.has("nibble")) continue;
        SCOPED_TRACE(img.name);
        ++seen;
        DiskImage image;
        CatalogTree tree;
        image.path = img.path;
        Outcome outcome;
        OpenReport report = openImage(image, tree, OpenOptions{}, outcome);
        ASSERT_TRUE(image.bufferValid) << (outcome.hasMessages() ? messageText(outcome.messages[0]) : "");
        EXPECT_EQ(image.kind, ImageKind::Woz);
        const Json& n = img.image["nibble"];
        ASSERT_TRUE(report.counts);
        EXPECT_EQ(report.counts->addressFields, n.integer("sectors_ok"));
        EXPECT_EQ(report.counts->dataFields, n.integer("sectors_ok"));
        EXPECT_TRUE(report.counts->standard());
        EXPECT_EQ(imageBlockCount(image) * 512, uint32_t(n.integer("tracks")) * 4096);
    }
    EXPECT_EQ(seen, 2);
}

// The ProDOS WOZ image holds the same files as the sector image of the same disk.
TEST(WozCorpus, ProdosDiskHoldsTheFilesOfItsSectorImage) {
    SKIP_WITHOUT_CORPUS();
    Opened woz, dsk;
    openBytes(woz, corpusDir() + "/a2k__prodos-bigfiles.woz",
              readFileBytes(corpusDir() + "/a2k__prodos-bigfiles.woz"));
    openBytes(dsk, corpusDir() + "/a2k__prodos-bigfiles.dsk",
              readFileBytes(corpusDir() + "/a2k__prodos-bigfiles.dsk"));
    ASSERT_TRUE(woz.image.bufferValid);
    ASSERT_EQ(treeLines(woz.tree), treeLines(dsk.tree));
    for (const std::string& name : {"HELLO", "TREE1", "TREE2", "SAPLING"}) {
        std::vector<uint8_t> bytes[2];
        for (Opened* o : {&woz, &dsk}) {
            Outcome read;
            volumeOf(o->image).readFile(o->image, *o->tree.item(findNodeByPath(o->tree, name)),
                                        Fork::Data, o->file, read);
            bytes[o == &dsk].assign(o->file.bytes().begin(), o->file.bytes().end());
        }
        EXPECT_EQ(bytes[0], bytes[1]) << name;
        EXPECT_FALSE(bytes[0].empty());
    }
}

} // namespace
} // namespace lk::test
