// The two file systems behind one face: what the commands and larkspoon-cli need of a volume,
// whether it is ProDOS or DOS 3.3. Which one an image holds is decided when it is opened
// (open_image.h); volumeOf gives the face for the image's volume.
#pragma once

#include <cstdint>
#include <string>

#include "base/file_data.h"
#include "base/outcome.h"
#include "catalog/catalog_tree.h"
#include "dos33/export_conversion.h"
#include "image/disk_image.h"

namespace lk {

enum class VolumeKind { Prodos, Dos33 };

// A file's type as the translators know it: a ProDOS file type and auxiliary type (a DOS 3.3
// type stands for the ProDOS type of the same kind of file).
struct TranslationType {
    uint8_t fileType = 0;
    uint16_t auxType = 0;
};

class Volume {
  public:
    virtual ~Volume() = default;

    virtual VolumeKind kind() const = 0;

    // Reads the file of a node into `out`: the fork's bytes of a ProDOS file, the whole sectors
    // of a DOS 3.3 file (which has one fork). Returns the length, or a negative code once the
    // outcome says what went wrong (a ProDOS file that cannot be read says nothing).
    virtual int32_t readFile(const DiskImage& image, const CatalogItem& node, Fork fork,
                             FileDataBuffer& out, Outcome& outcome) const = 0;

    // The type by which the file of a node is translated.
    virtual TranslationType translationType(const DiskImage& image,
                                            const CatalogItem& node) const = 0;

    // Whether the node is a file with a resource fork (a ProDOS extended file).
    virtual bool hasResourceFork(const DiskImage& image, const CatalogItem& node) const = 0;

    // Turns the `length` bytes read by readFile into the bytes Export As writes, in place (the
    // buffer holds a zero byte after them). Returns their count.
    virtual uint32_t exportBytes(FileDataBuffer& file, uint32_t length,
                                 const DosExportOptions& options) const = 0;

    // The file's name as the volume holds it, without the padding of DOS 3.3 names.
    virtual std::string fileName(const DiskImage& image, const CatalogItem& node) const = 0;

    // The attribute part of the node's line in the Catalog listing. DOS 3.3: "*B 034 " for a
    // locked file (" B 034 " without the lock), nothing for the volume node. ProDOS: the spaces
    // that pad the name to 16 characters, then "Volume" for the volume header or the type and
    // "   L<length>".
    virtual std::string listingAttributes(const DiskImage& image,
                                          const CatalogItem& node) const = 0;
};

// The face of the image's volume (ProDOS unless the open found DOS 3.3).
const Volume& volumeOf(const DiskImage& image);

} // namespace lk
