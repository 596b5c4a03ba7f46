// larkspoon-cli info IMAGE: what kind of image it is and what volume it holds.
#include <cstdio>

#include "cli/cli.h"

namespace lk::cli {

int runInfo(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {}, args, error)) return usageError(error);
    if (args.positional.size() != 1) return usageError("info takes one IMAGE");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    const DiskImage& img = s.image;
    const CatalogItem* volume = s.tree.item(s.tree.root());
    std::printf("kind: %s\n", imageKindName(img.kind));
    std::printf("sector order: %s\n", sectorOrderName(img.header.imageFormat));
    std::printf("file size: %d\n", img.fileSize);
    std::printf("data offset: %u\n", img.header.dataOffset);
    std::printf("volume kind: %s\n", img.isDos33 ? "DOS 3.3" : "ProDOS");
    std::printf("volume name: %s\n", volume ? volume->text.c_str() : "");
    std::printf("total blocks: %u\n",
                img.isDos33 ? imageBlockCount(img) : unsigned(img.volume.totalBlocks));
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
