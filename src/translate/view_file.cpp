#include "translate/view_file.h"

#include "dos33/dos_entry.h"
#include "dos33/dos_error.h"
#include "dos33/read_dos_file.h"
#include "prodos/file_entry.h"
#include "prodos/read_file.h"

namespace lk {

ViewRequest prodosViewRequest(Bytes entry, Bytes data, bool resourceFork) {
    ViewRequest r;
    r.volume = VolumeKind::Prodos;
    r.fileType = byteAt(entry, entry::kFileType);
    r.auxType = le16At(entry, entry::kAuxType);
    r.data = data;
    r.resourceFork = resourceFork;
    return r;
}

ViewRequest dosViewRequest(uint8_t dosFileType, Bytes data) {
    ViewRequest r;
    r.volume = VolumeKind::Dos33;
    r.fileType = prodosTypeForDos(dosFileType);
    r.data = data;
    return r;
}

bool hasResourceFork(const DiskImage& image, uint32_t entryOffset) {
    return !image.isDos33 &&
           byteAt(entryBytes(image, entryOffset), entry::kStorageAndLength) >> 4 ==
               kStorageExtended;
}

bool readForView(const DiskImage& image, uint32_t entryOffset, int selectedIcon, bool resourceFork,
                 FileDataBuffer& file, Platform& platform, ViewRequest& request) {
    if (image.isDos33) {
        // DOS 3.3 files have one fork: the resource fork view reads the same bytes.
        int32_t length = readDosFile(image, entryOffset, selectedIcon, file, platform);
        if (length < 0) reportDosError(platform, length);
        if (length < 1) return false;
        request = dosViewRequest(file.dosFileType, file.bytes());
        request.resourceFork = resourceFork;
        return true;
    }
    int32_t length = readProdosFile(image, entryOffset, resourceFork ? kResourceFork : kDataFork,
                                    file, platform);
    if (length < 1) return false;
    request = prodosViewRequest(entryBytes(image, entryOffset), file.bytes(), resourceFork);
    return true;
}

} // namespace lk
