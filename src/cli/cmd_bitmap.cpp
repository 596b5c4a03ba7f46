// larkspoon-cli bitmap IMAGE: the text Display Volume Bit Map shows for a ProDOS volume.
#include "cli/cli.h"
#include "prodos/volume_bit_map.h"

namespace lk::cli {

int runBitmap(int argc, char** argv) {
    Session s;
    if (auto end = startVerb({"bitmap", {}, {}, 1, 1, "one IMAGE"}, argc, argv, s)) return *end;
    if (s.image.isDos33) return usageError("only a ProDOS volume has a volume bit map");
    DamageReport damage;
    writeText(s, bitMapText(s.image, damage));
    Outcome outcome;
    outcome.addDamage(damage, MessageId::BitMapCut);
    s.report(outcome);
    return finish(s);
}

} // namespace lk::cli
