// larkspoon-cli: Larkspoon's core from the command line, for users and scripts.
#include <csignal>
#include <cstdio>
#include <cstring>

#include "base/version.h"
#include "cli/cli.h"

namespace {

struct Verb {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Verb kVerbs[] = {
    {"info", lk::cli::runInfo},     {"ls", lk::cli::runLs},
    {"get", lk::cli::runGet},       {"view", lk::cli::runView},
    {"block", lk::cli::runBlock},   {"sector", lk::cli::runSector},
    {"bitmap", lk::cli::runBitmap}, {"catalog", lk::cli::runCatalog},
    {"export", lk::cli::runExport}, {"picture", lk::cli::runPicture},
    {"convert", lk::cli::runConvert},
    {"put", lk::cli::runPut},       {"mkdir", lk::cli::runMkdir},
    {"rm", lk::cli::runRm},         {"rename", lk::cli::runRename},
    {"cp", lk::cli::runCp},         {"check", lk::cli::runCheck},
    {"new", lk::cli::runNew},       {"props", lk::cli::runProps},
};

constexpr const char* kUsage =
    "usage: larkspoon-cli VERB [OPTIONS] ARGUMENTS\n"
    "\n"
    "  info IMAGE                         kind, order, size and volume of a disk image\n"
    "  ls [--json] IMAGE                  every folder and file of the volume\n"
    "  get [--fork data|rsrc] IMAGE PATH [OUT]\n"
    "                                     a file's bytes, to OUT or standard output\n"
    "  view [--hex] [--rsrc] [--html] [--force] IMAGE PATH\n"
    "                                     the text View Apple file shows for a file; an\n"
    "                                     AppleWorks document as HTML with --html, a data\n"
    "                                     base of another version listed with --force\n"
    "  picture [--rsrc] IMAGE PATH OUT    the picture View Apple file shows for a file, as a\n"
    "                                     BMP (Export Graphic's) or, for OUT *.png, a PNG\n"
    "  block IMAGE N                      the text of block N (ProDOS)\n"
    "  sector IMAGE TRACK SECTOR          the text of a sector (DOS 3.3)\n"
    "  bitmap IMAGE                       the volume bit map (ProDOS)\n"
    "  catalog IMAGE [PATH]               the Catalog listing of the volume, folder or file\n"
    "  export [--set KEY=VALUE]... IMAGE PATH OUT\n"
    "                                     writes the file as Export As does; KEY is a\n"
    "                                     Translate preference (DOSTXT, DOSINT, DOSAPSFT,\n"
    "                                     DOSBIN)\n"
    "  convert [--force] IMAGE OUT        writes the image's sectors to OUT, in DOS order\n"
    "                                     (.do, .dsk) or ProDOS order (.po); --force\n"
    "                                     converts a disk that is not plainly sound\n"
    "  get -r IMAGE PATH OUTDIR           a folder or the volume (\"/\") into host folders,\n"
    "                                     each file named NAME#TTAAAA (type, aux type)\n"
    "  put [-r] [--type T] [--aux HEX] [--access HEX] IMAGE HOSTPATH... DEST\n"
    "                                     host files (folders with -r) into the folder\n"
    "                                     DEST, or one of them as DEST\n"
    "  mkdir IMAGE PATH                   a new folder\n"
    "  rm [-r] IMAGE PATH                 deletes a file, or a folder with -r\n"
    "  rename IMAGE PATH NEWNAME          a new name for a file, folder or the volume\n"
    "  cp SRC_IMAGE PATH DEST_IMAGE DEST_FOLDER\n"
    "                                     copies a file (both forks) into another image\n"
    "  check IMAGE                        checks the volume: exit 0 sound, 1 notes, 2 errors\n"
    "  new [--size 143Kb|800Kb|1.44Mb|1.6Mb|5Mb|10Mb|20Mb|32Mb] [--type 2img|dsk|po]\n"
    "      [--order prodos|dos] [--locked] [--force] NAME\n"
    "                                     an empty ProDOS image as File > New makes it:\n"
    "                                     NAME's folder, the volume name, the type's ending\n"
    "                                     (a dsk is 143Kb in either order, a 2img or po\n"
    "                                     in ProDOS order; only a 2img is --locked)\n"
    "  props [--json] IMAGE PATH          the Properties of a file, folder or volume (\"/\")\n"
    "\n"
    "PATH is /VOLUME/FOLDER/FILE or FOLDER/FILE; case and the spaces that pad DOS 3.3\n"
    "names do not matter.\n"
    "N, TRACK and SECTOR are decimal, $hex or hhex, 0xhex or 0octal.\n"
    "Exit status: 0 success, 1 the image or file could not be read, 2 usage error\n"
    "(a number out of range included; for picture, OUT could not be written).\n"
    "The verbs that change an image save it once at the end, as File > Save does, and\n"
    "leave it as it was when they fail.\n";

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a write fail instead of ending the program, so that a save leaves
    // the old file whole and removes its temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (argc < 2) {
        std::fputs(kUsage, stdout);
        return lk::cli::kOk;
    }
    for (const Verb& v : kVerbs) {
        if (std::strcmp(argv[1], v.name) == 0) return v.run(argc - 2, argv + 2);
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%.*s\n", int(lk::kVersion.size()), lk::kVersion.data());
        return lk::cli::kOk;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        std::fputs(kUsage, stdout);
        return lk::cli::kOk;
    }
    std::fprintf(stderr, "larkspoon-cli: unknown verb %s\n\n%s", argv[1], kUsage);
    return lk::cli::kUsage;
}
