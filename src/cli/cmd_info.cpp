// larkspoon-cli info IMAGE: what kind of image it is and what volume it holds; for an image
// decoded from nibbles, what the decoder counted; then the Image page of the Properties sheet.
#include "base/format.h"
#include "cli/cli.h"
#include "image/image_properties.h"
#include "prodos/volume_info.h"

namespace lk::cli {

int runInfo(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"info", {}, {}, 1, 1, "one IMAGE"}, argc, argv, s)) return *end;
    const DiskImage& img = s.image;
    const CatalogItem* volume = s.tree.item(s.tree.root());
    unsigned blocks = img.isDos33 ? imageBlockCount(img) : readVolumeInfo(img).totalBlocks;
    std::string text = format("kind: %s\n", imageKindName(img.kind));
    text += format("sector order: %s\n", sectorOrderName(img.header.imageFormat));
    text += format("file size: %d\n", img.fileSize);
    text += format("data offset: %u\n", img.header.dataOffset);
    text += format("volume kind: %s\n", img.isDos33 ? "DOS 3.3" : "ProDOS");
    text += format("volume name: %s\n", volume ? volume->text.c_str() : "");
    text += format("total blocks: %u\n", blocks);
    if (const std::optional<NibbleCounts>& c = s.opened.counts) {
        text += format("address fields: %d\n", c->addressFields);
        text += format("data fields: %d\n", c->dataFields);
        text += format("bytes written: %d\n", c->bytesWritten);
        text += format("bad nibbles: %d\n", c->badNibbles);
        text += format("error bits: $%02X\n", c->errorBits);
    }
    // The Image page of the Properties sheet.
    ImagePage page = imagePage(img);
    text += "image type: " + page.kind + "\n";
    text += "image order: " + page.order + "\n";
    text += "location: " + page.location + "\n";
    if (img.kind == ImageKind::TwoImg) {
        text += "image creator: " + page.creator + "\n";
        text += format("header version: %i\n", page.version);
        text += std::string("disk locked: ") + (page.locked ? "Yes" : "No") + "\n";
    }
    writeText(s, text);
    return finish(s);
}

} // namespace lk::cli
