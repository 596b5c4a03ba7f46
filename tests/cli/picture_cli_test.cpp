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

// A 24-bit bottom-up BMP's pixels.
Picture readBmp(const std::vector<uint8_t>& bmp) {
    Bytes b(bmp);
    Picture p(int(le32At(b, 18)), int(le32At(b, 22)));
    size_t stride = (size_t(p.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            // Blue, green, red: as a little-endian number, 0xRRGGBB.
            p.pixels[size_t(y * p.width + x)] =
                le24At(b, 54 + size_t(p.height - 1 - y) * stride + size_t(x) * 3);
        }
    return p;
}

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

// Writes the picture of the file both ways and checks both against `expected`.
void roundTrip(const std::string& image, const std::string& path, const Picture& expected,
               const TempFolder& dir) {
    for (const char* name : {"out.bmp", "out.png"}) {
        CliResult r = runCli({"picture", image, path, dir.file(name)});
        ASSERT_EQ(r.status, 0) << path << r.err;
        std::vector<uint8_t> bytes = dir.readBytes(name);
        EXPECT_EQ(isPngName(name) ? readPng(bytes) : readBmp(bytes), expected) << path << name;
    }
}

TEST(CliPicture, WritesWhatExportGraphicWritesAndSaysWhatItCannot) {
    TempFolder dir;
    std::string image = dir.write("pictures.po", picturesVolume());
    Picture hgr = decodeHiRes(Bytes(hiresBars()));
    roundTrip(image, "HGR", hgr, dir);
    EXPECT_EQ(dir.readBytes("out.bmp"), bmpFileBytes(hgr));
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
        {{"picture", "--rsrc", image, "HGR", dir.file("x.bmp")}, 1, "HGR has no resource fork.\n"},
        {{"picture", image, "HGR"}, 2, ""},
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
        Opened o;
        openBytes(o, img.path, readFileBytes(img.path));
        for (const Json& f : img.files) {
            std::string path = f.str("path");
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
