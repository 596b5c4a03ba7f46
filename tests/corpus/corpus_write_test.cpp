// Every ProDOS image of the corpus survives a round of put, mkdir, cp, rename and rm through
// larkspoon-cli: it checks sound afterwards, its own files keep their digests, and the new files
// read back as they were put.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalog/find_path.h"
#include "cli_runner.h"
#include "corpus.h"
#include "open_helpers.h"
#include "prodos/read_file.h"
#include "prodos_builder.h"
#include "sha256.h"

namespace lk::test {
namespace {

ImageKind openedKind(const std::string& path) {
    Opened o;
    o.image.path = o.image.fileTitle = path;
    Outcome out;
    openImage(o.image, o.tree, out);
    return o.image.kind;
}

std::string digest(Opened& o, const std::string& path) {
    NodeId node = findNodeByPath(o.tree, path);
    if (node == kNoNode) return "absent";
    Outcome out;
    readProdosFile(o.image, o.tree.item(node)->entryOffset, Fork::Data, o.file, out);
    return sha256Hex(o.file.bytes());
}

TEST(ProdosCorpus, SurvivesARoundOfChanges) {
    SKIP_WITHOUT_CORPUS();
    TempFolder dir;
    std::vector<uint8_t> a = patternBytes(1000, 1), b = patternBytes(200, 2);
    std::string hostA = dir.write("a.bin", a), hostB = dir.write("b.bin", b);
    int rounds = 0;
    for (const CorpusImage& img : loadCorpus()) {
        // Images converted from nibbles are never written back.
        if (img.fs() != "prodos" || isNibbleKind(openedKind(img.path))) continue;
        SCOPED_TRACE(img.name);
        ++rounds;
        std::string image = dir.file(img.name);
        std::filesystem::copy_file(img.path, image);
        std::string vol = "/" + text(img.volume, "volume");
        const Json* copied = nullptr;
        auto size = [](const Json& f) {
            return number(f, "eof") + (f.contains("rsrc_eof") ? number(f, "rsrc_eof") : 0);
        };
        for (const Json& f : img.files)
            if (f.contains("sha256") && (!copied || size(f) < size(*copied))) copied = &f;
        std::vector<std::vector<std::string>> steps = {{"mkdir", image, vol + "/LKNEW"},
                                                       {"put", image, hostA, hostB, vol + "/LKNEW"},
                                                       {"rename", image, "LKNEW/B.BIN", "RENAMED"},
                                                       {"rm", image, "LKNEW/A.BIN"},
                                                       {"put", image, hostA, "LKNEW/A.AGAIN"}};
        // The smallest file is copied from the original image into the changed one.
        if (copied) steps.push_back({"cp", img.path, text(*copied, "path"), image, "LKNEW"});
        steps.push_back({"check", image});
        for (const auto& args : steps) {
            CliResult r = runCli(args);
            EXPECT_EQ(r.status, 0) << args[0] << ": " << r.out << r.err;
        }
        Opened o(image, readFileBytes(image));
        for (const Json& f : img.files)
            if (f.contains("sha256"))
                EXPECT_EQ(digest(o, text(f, "path")), text(f, "sha256")) << text(f, "path");
        std::string name = copied ? text(*copied, "path") : "";
        if (copied)
            EXPECT_EQ(digest(o, "LKNEW/" + name.substr(name.rfind('/') + 1)),
                      text(*copied, "sha256"));
        EXPECT_EQ(digest(o, "LKNEW/RENAMED"), sha256Hex(Bytes(b)));
        EXPECT_EQ(digest(o, "LKNEW/A.AGAIN"), sha256Hex(Bytes(a)));
        EXPECT_EQ(digest(o, "LKNEW/A.BIN"), "absent");
    }
    EXPECT_GE(rounds, 10);
}

} // namespace
} // namespace lk::test
