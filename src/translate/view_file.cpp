#include "translate/view_file.h"

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

ViewRequest dosViewRequest(int dosFileType, Bytes data) {
    ViewRequest r;
    r.volume = VolumeKind::Dos33;
    r.fileType = prodosTypeForDos(dosFileType);
    r.data = data;
    return r;
}

bool hasResourceFork(const DiskImage& image, uint32_t entryOffset) {
    return byteAt(entryBytes(image, entryOffset), entry::kStorageAndLength) >> 4 ==
           kStorageExtended;
}

bool readForView(const DiskImage& image, uint32_t entryOffset, bool resourceFork,
                 FileDataBuffer& file, Platform& platform, ViewRequest& request) {
    // DOS 3.3 files come from readDosFile (its error told by reportDosError) and are described
    // by dosViewRequest; until that reader exists no DOS 3.3 file can be viewed.
    if (image.isDos33) return false;
    int32_t length = readProdosFile(image, entryOffset, resourceFork ? kResourceFork : kDataFork,
                                    file, platform);
    if (length < 1) return false;
    request = prodosViewRequest(entryBytes(image, entryOffset), file.bytes(), resourceFork);
    return true;
}

} // namespace lk
