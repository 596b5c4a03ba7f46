#include "volume/dos33_volume.h"
#include "volume/prodos_volume.h"

namespace lk {

const Volume& volumeOf(const DiskImage& image) {
    // The faces hold no state of their own: one of each serves every image.
    static const ProdosVolume prodos;
    static const Dos33Volume dos33;
    if (image.isDos33) return dos33;
    return prodos;
}

} // namespace lk
