// ProDOS volumes behind the common face.
#pragma once

#include "volume/volume.h"

namespace lk {

class ProdosVolume final : public Volume {
  public:
    VolumeKind kind() const override { return VolumeKind::Prodos; }
    int32_t readFile(const DiskImage& image, const CatalogItem& node, Fork fork,
                     FileDataBuffer& out, Outcome& outcome) const override;
    TranslationType translationType(const DiskImage& image,
                                    const CatalogItem& node) const override;
    bool hasResourceFork(const DiskImage& image, const CatalogItem& node) const override;
    uint32_t exportBytes(FileDataBuffer& file, uint32_t length,
                         const DosExportOptions& options) const override;
    std::string fileName(const DiskImage& image, const CatalogItem& node) const override;
    std::string listingAttributes(const DiskImage& image, const CatalogItem& node) const override;
};

} // namespace lk
