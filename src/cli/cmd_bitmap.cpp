// larkspoon-cli bitmap IMAGE: the text Display Volume Bit Map shows for a ProDOS volume.
#include "cli/cli.h"
#include "prodos/volume_bit_map.h"

namespace lk::cli {

int runBitmap(int argc, char** argv) {
    Args args;
    std::string error;
    if (!parseArgs(argc, argv, {}, {}, args, error)) return usageError(error);
    if (args.positional.size() != 1) return usageError("bitmap takes one IMAGE");
    Session s;
    if (!openForCli(s, args.positional[0])) return kUnreadable;
    if (s.image.isDos33) return usageError("only a ProDOS volume has a volume bit map");
    DamageReport damage;
    writeText(bitMapText(s.image, damage));
    reportDamage(s.platform, damage, kBitMapCutConsequence);
    return s.platform.messages ? kUnreadable : kOk;
}

} // namespace lk::cli
