// larkspoon-cli: Larkspoon's core from the command line, for users and scripts.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "base/version.h"
#include "cli/cli.h"

namespace {

// One way of calling a verb: its arguments and what it does. The description's lines are
// broken where the usage text breaks them.
struct Form {
    const char* synopsis;
    const char* description;
};

// A verb, its entry and its usage. The overall usage and `VERB --help` are both made from these
// rows, so that they say the same.
struct Verb {
    const char* name;
    int (*run)(int argc, char** argv);
    Form forms[2];
};

constexpr Verb kVerbs[] = {
    {"info", lk::cli::runInfo, {{"info IMAGE", "kind, order, size and volume of a disk image"}}},
    {"ls", lk::cli::runLs, {{"ls [--json] IMAGE", "every folder and file of the volume"}}},
    {"get",
     lk::cli::runGet,
     {{"get [--fork data|rsrc] IMAGE PATH [OUT]", "a file's bytes, to OUT or standard output"},
      {"get -r IMAGE PATH OUTDIR", "a folder or the volume (\"/\") into host folders,\n"
                                   "each file named NAME#TTAAAA (type, aux type)"}}},
    {"view",
     lk::cli::runView,
     {{"view [--hex] [--rsrc] [--html] [--force] IMAGE PATH",
       "the text View Apple file shows for a file; an\n"
       "AppleWorks document as HTML with --html, a data\n"
       "base of another version listed with --force"}}},
    {"picture",
     lk::cli::runPicture,
     {{"picture [--rsrc] IMAGE PATH OUT", "the picture View Apple file shows for a file, as a\n"
                                          "BMP (Export Graphic's) or, for OUT *.png, a PNG"}}},
    {"block", lk::cli::runBlock, {{"block IMAGE N", "the text of block N (ProDOS)"}}},
    {"sector",
     lk::cli::runSector,
     {{"sector IMAGE TRACK SECTOR", "the text of a sector (DOS 3.3)"}}},
    {"bitmap", lk::cli::runBitmap, {{"bitmap IMAGE", "the volume bit map (ProDOS)"}}},
    {"catalog",
     lk::cli::runCatalog,
     {{"catalog IMAGE [PATH]", "the Catalog listing of the volume, folder or file"}}},
    {"export",
     lk::cli::runExport,
     {{"export [--set KEY=VALUE]... IMAGE PATH OUT",
       "writes the file as Export As does; KEY is a\n"
       "Translate preference (DOSTXT, DOSINT, DOSAPSFT,\n"
       "DOSBIN)"}}},
    {"convert",
     lk::cli::runConvert,
     {{"convert [--force] IMAGE OUT", "writes the image's sectors to OUT, in DOS order\n"
                                      "(.do, .dsk) or ProDOS order (.po); --force\n"
                                      "converts a disk that is not plainly sound"}}},
    {"put",
     lk::cli::runPut,
     {{"put [-r] [--type T] [--aux HEX] [--access HEX] IMAGE HOSTPATH... DEST",
       "host files (folders with -r) into the folder\n"
       "DEST, or one of them as DEST"}}},
    {"mkdir", lk::cli::runMkdir, {{"mkdir IMAGE PATH", "a new folder"}}},
    {"rm", lk::cli::runRm, {{"rm [-r] IMAGE PATH", "deletes a file, or a folder with -r"}}},
    {"rename",
     lk::cli::runRename,
     {{"rename IMAGE PATH NEWNAME", "a new name for a file, folder or the volume"}}},
    {"cp",
     lk::cli::runCp,
     {{"cp SRC_IMAGE PATH DEST_IMAGE DEST_FOLDER",
       "copies a file (both forks) into another image"}}},
    {"check",
     lk::cli::runCheck,
     {{"check IMAGE", "checks the volume: exit 0 sound, 1 notes, 2 errors"}}},
    {"new",
     lk::cli::runNew,
     {{"new [--size 143Kb|800Kb|1.44Mb|1.6Mb|5Mb|10Mb|20Mb|32Mb] [--type 2img|dsk|po]\n"
       "      [--order prodos|dos] [--locked] [--force] NAME",
       "an empty ProDOS image as File > New makes it:\n"
       "NAME's folder, the volume name, the type's ending\n"
       "(a dsk is 143Kb in either order, a 2img or po\n"
       "in ProDOS order; only a 2img is --locked)"}}},
    {"props",
     lk::cli::runProps,
     {{"props [--json] IMAGE PATH", "the Properties of a file, folder or volume (\"/\")"}}},
};

constexpr const char* kNotes =
    "PATH is /VOLUME/FOLDER/FILE or FOLDER/FILE; case and the spaces that pad DOS 3.3\n"
    "names do not matter.\n"
    "N, TRACK and SECTOR are decimal, $hex or hhex, 0xhex or 0octal.\n"
    "Exit status: 0 success, 1 the image or file could not be read, 2 usage error\n"
    "(a number out of range included; for picture, OUT could not be written).\n"
    "The verbs that change an image save it once at the end, as File > Save does, and\n"
    "leave it as it was when they fail.\n"
    "larkspoon-cli VERB --help shows the usage of one verb; --version the version.\n";

// The description starts in this column, beside a synopsis short enough or below it.
constexpr size_t kDescriptionColumn = 37;

// A form as the usage lists it: the synopsis indented by two, then the description's lines.
std::string formText(const Form& form) {
    std::string text = std::string("  ") + form.synopsis;
    std::string_view rest = form.description;
    bool first = true;
    while (!rest.empty()) {
        size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (first && text.size() < kDescriptionColumn - 1) {
            text.append(kDescriptionColumn - text.size(), ' ');
        } else {
            text += '\n';
            text.append(kDescriptionColumn, ' ');
        }
        text += line;
        first = false;
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    return text + '\n';
}

std::string usage() {
    std::string text = "usage: larkspoon-cli VERB [OPTIONS] ARGUMENTS\n\n";
    for (const Verb& v : kVerbs)
        for (const Form& form : v.forms)
            if (form.synopsis) text += formText(form);
    return text + '\n' + kNotes;
}

// One verb's usage: each form with its description below it.
std::string verbUsage(const Verb& verb) {
    std::string text;
    for (const Form& form : verb.forms) {
        if (!form.synopsis) continue;
        text += std::string("usage: larkspoon-cli ") + form.synopsis + "\n  ";
        for (const char* c = form.description; *c; ++c)
            text += *c == '\n' ? std::string("\n  ") : std::string(1, *c);
        text += '\n';
    }
    return text;
}

bool asksForHelp(int argc, char** argv) {
    for (int i = 0; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    return false;
}

const Verb* findVerb(const char* name) {
    for (const Verb& v : kVerbs)
        if (std::strcmp(name, v.name) == 0) return &v;
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
#ifdef SIGXFSZ
    // A file-size limit makes a write fail instead of ending the program, so that a save leaves
    // the old file whole and removes its temporary file.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (argc < 2) {
        std::fputs(usage().c_str(), stdout);
        return lk::cli::kOk;
    }
    if (const Verb* verb = findVerb(argv[1])) {
        if (!asksForHelp(argc - 2, argv + 2)) return verb->run(argc - 2, argv + 2);
        std::fputs(verbUsage(*verb).c_str(), stdout);
        return lk::cli::kOk;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%.*s\n", int(lk::kVersion.size()), lk::kVersion.data());
        return lk::cli::kOk;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        std::fputs(usage().c_str(), stdout);
        return lk::cli::kOk;
    }
    std::fprintf(stderr, "larkspoon-cli: unknown verb %s\n\n%s", argv[1], usage().c_str());
    return lk::cli::kUsage;
}
