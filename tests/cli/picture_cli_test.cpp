// larkspoon-cli picture: the file Export Graphic writes, the PNG that reads back to the same
// pixels, the statuses; view of a picture; and every picture of the corpus written both ways.
#include <gtest/gtest.h>
#include <png.h>

#include "app/view_file.h"
#include "catalog/find_path.h"
#include "cli_runner.h"
#include "corpus.h"
#include "graphics/hires.h"
#include "graphics/picture_file.h"
#include "open_helpers.h"
#include "picture_disks.h"
#include "translate/hex_dump.h"
#include "translate/picture_view.h"

namespace lk::test {
namespace {

Picture readPng(const std::vector<uint8_t>& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    Picture p(int(image.width), int(image.height));
    for (size_t i = 0; i < p.pixels.size(); ++i)
        p.pixels[i] = uint32_t(rgb[3 * i] << 16 | rgb[3 * i + 1] << 8 | rgb[3 * i + 2]);
    return p;
}

// Writes the picture of the file both ways: the BMP is Export Graphic's, the PNG reads back
// to the same pixels.
void roundTrip(const std::string& image, const std::string& path, const Picture& expected,
               const TempFolder& dir) {
    for (const char* name : {"out.bmp", "out.png"}) {
        CliResult r = runCli({"picture", image, path, dir.file(name)});
        ASSERT_EQ(r.status, 0) << path << r.err;
    }
    EXPECT_EQ(dir.readBytes("out.bmp"), bmpFileBytes(expected)) << path;
    EXPECT_EQ(readPng(dir.readBytes("out.png")), expected) << path;
}

TEST(CliPicture, WritesWhatExportGraphicWritesAndSaysWhatItCannot) {
    TempFolder dir;
    std::string image = dir.write("pictures.po", picturesVolume());
    roundTrip(image, "HGR", decodeHiRes(Bytes(hiresBars())), dir);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"picture", image, "README", dir.file("x.bmp")}, 1, "README is not a picture.\n"},
        {{"picture", image, "BADICON", dir.file("x.bmp")}, 1, "Unable to display icon file!\n"},
        {{"picture", image, "HGR", dir.file("no/x.bmp")},
         2,
         "Could not write file " + dir.file("no/x.bmp") + "\n"},
        {{"view", image, "SHR"},
         1,
         "SHR is a picture: write it to a file with larkspoon-cli picture.\n"},
    };
    for (const Case& c : cases) {
        CliResult r = runCli(c.args);
        EXPECT_EQ(r.status, c.status) << c.args[2];
        if (!c.err.empty()) EXPECT_EQ(r.err, c.err) << c.args[2];
        EXPECT_EQ(r.out, "") << c.args[2];
        EXPECT_FALSE(dir.exists("x.bmp"));
    }
    CliResult hex = runCli({"view", "--hex", image, "SHR"});
    EXPECT_EQ(hex.status, 0);
    EXPECT_EQ(hex.out.rfind(std::string(kHexDumpHeader), 0), 0u) << hex.out.substr(0, 80);
}

TEST(CliPicture, EveryPictureOfTheCorpusRoundTrips) {
    SKIP_WITHOUT_CORPUS();
    TempFolder dir;
    int pictures = 0;
    for (const CorpusImage& img : loadCorpus()) {
        Opened o(img.path, readFileBytes(img.path));
        for (const Json& f : img.files) {
            std::string path = f["path"].get<std::string>();
            NodeId node = findNodeByPath(o.tree, path);
            ViewRequest request;
            Outcome out;
            if (node == kNoNode ||
                !readForView(o.image, *o.tree.item(node), Fork::Data, o.file, request, out))
                continue;
            ViewAction action = chooseTranslator(request, Settings()).action;
            if (!isPictureAction(action)) continue;
            std::optional<Picture> expected = decodeViewPicture(action, request, out);
            if (!expected) continue;
            roundTrip(img.path, path, *expected, dir);
            ++pictures;
        }
    }
    EXPECT_GT(pictures, 0);
}

} // namespace
} // namespace lk::test
