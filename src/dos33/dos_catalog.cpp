#include "dos33/dos_catalog.h"

#include "platform/format.h"

namespace lk {

// DOS 3.3 volumes are not read yet: every one is refused as not standard.
int buildDosCatalog(DiskImage&, CatalogTree&, DamageReport&) {
    return 10;
}

void reportDosError(Platform& platform, int code) {
    int n = code < 0 ? -code : code;
    if (n == 100) return;
    if (n == 10) {
        platform.showMessage(format("DOS error #%i  Not a standard DOS 3.3 disk!", n));
        return;
    }
    platform.showMessage(format("DOS I/O error #%i", n));
}

} // namespace lk
