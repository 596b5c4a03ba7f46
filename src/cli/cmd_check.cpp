// larkspoon-cli check IMAGE: what checkVolume finds, one line each; exit 0 when the volume is
// sound, 1 with notes only, 2 with errors.
#include "cli/cli.h"
#include "prodos/check_volume.h"

namespace lk::cli {

int runCheck(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"check", {}, {}, 1, 1, "one IMAGE"}, argc, argv, s)) return *end;
    if (s.image.isDos33) {
        s.tell(MessageId::NotProdosVolume, s.image.fileTitle);
        return kUsage;
    }
    VolumeCheck check = checkVolume(s.image);
    std::string out;
    for (const Message& line : check.report()) out += messageText(line) + "\n";
    writeText(s, out);
    finish(s);
    if (check.errorCount > 0) return 2;
    return check.noteCount > 0 ? 1 : 0;
}

} // namespace lk::cli
