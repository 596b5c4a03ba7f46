#include "app/view_file.h"

#include "volume/volume.h"

namespace lk {

bool readForView(const DiskImage& image, const CatalogItem& node, Fork fork, FileDataBuffer& file,
                 ViewRequest& request, Outcome& outcome) {
    const Volume& volume = volumeOf(image);
    int32_t length = volume.readFile(image, node, fork, file, outcome);
    if (length < 1) return false;
    TranslationType type = volume.translationType(image, node);
    request = ViewRequest{};
    request.dos33 = volume.kind() == VolumeKind::Dos33;
    request.fileType = type.fileType;
    request.auxType = type.auxType;
    request.data = file.bytes();
    request.resourceFork = fork == Fork::Resource;
    return true;
}

} // namespace lk
