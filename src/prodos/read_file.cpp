#include "prodos/read_file.h"

#include <algorithm>
#include <cstring>

#include "prodos/file_entry.h"

namespace lk {

namespace {

constexpr uint32_t kSaplingSpan = kBlockSize * 256; // bytes one index block covers

// Where a fork's bytes are: its storage type, key block and length.
struct ForkPlace {
    uint8_t storage = 0;
    uint16_t keyBlock = 0;
    uint32_t eof = 0;
};

// Visits the file's blocks in increasing file position and writes every byte of the buffer
// once: data where a block is, zero bytes for sparse blocks, holes and the rest.
struct Reader {
    const DiskImage& image;
    uint8_t* out;
    uint32_t eof;
    DamageReport damage;
    uint32_t written = 0; // bytes of `out` written so far, from the start

    void zeroUpTo(uint32_t at) {
        if (at > written) std::memset(out + written, 0, at - written);
        written = std::max(written, at);
    }

    Bytes block(uint32_t number, MessageId outside) {
        Bytes b = blockBytes(image, number);
        if (b.empty()) damage.note(outside, number);
        return b;
    }

    // Copies a data block to file position `at`, keeping only positions below EOF.
    void copyData(uint16_t number, uint32_t at) {
        if (number == 0 || at >= eof) return; // a sparse block reads as zeros
        Bytes b = block(number, MessageId::NoteDataBlockOutside);
        if (b.empty()) return;
        zeroUpTo(at);
        uint32_t n = std::min<uint32_t>(kBlockSize, eof - at);
        std::memcpy(out + at, b.data(), n);
        written = at + n;
    }

    // The data blocks named by one index block, starting at file position `base`.
    void copyIndex(Bytes index, uint32_t base) {
        for (uint32_t i = 0; i < 256 && base + kBlockSize * i < eof; ++i)
            copyData(uint16_t(index[i] | (index[256 + i] << 8)), base + kBlockSize * i);
    }

    // A seedling may claim more than its one block: ProDOS keeps the rest of such a file
    // sparse, so it reads as zero bytes.
    void seedling(uint16_t key) { copyData(key, 0); }

    void sapling(uint16_t key) {
        Bytes index = block(key, MessageId::NoteIndexBlockOutside);
        if (!index.empty()) copyIndex(index, 0);
    }

    void tree(uint16_t key) {
        Bytes master = block(key, MessageId::NoteMasterIndexOutside);
        if (master.empty()) return;
        for (uint32_t m = 0; m < 256 && kSaplingSpan * m < eof; ++m) {
            uint16_t number = uint16_t(master[m] | (master[256 + m] << 8));
            if (number == 0) continue;
            Bytes index = block(number, MessageId::NoteIndexBlockOutside);
            if (!index.empty()) copyIndex(index, kSaplingSpan * m);
        }
    }
};

// For an extended file, the fork's own description from the mini-entry in its key block.
bool extendedFork(const DiskImage& image, uint16_t keyBlock, Fork fork, ForkPlace& f,
                  DamageReport& damage) {
    Bytes x = blockBytes(image, keyBlock);
    if (x.empty()) {
        damage.note(MessageId::NoteExtendedKeyOutside, keyBlock);
        return false;
    }
    uint32_t at = fork == Fork::Resource ? 256 : 0;
    f.storage = x[at] & 0x0F;
    f.keyBlock = le16(x.data() + at + 1);
    f.eof = le24(x.data() + at + 5);
    return true;
}

ForkPlace forkOf(const DiskImage& image, Bytes e, Fork fork, DamageReport& damage) {
    ForkPlace f{uint8_t(e[0] >> 4), le16(e.data() + entry::kKeyPointer),
                le24(e.data() + entry::kEof)};
    if (f.storage == kStorageExtended && !extendedFork(image, f.keyBlock, fork, f, damage))
        f = ForkPlace{kStorageSeedling, 0, 0}; // nothing readable: an empty file
    return f;
}

} // namespace

int32_t readProdosFile(const DiskImage& image, uint32_t selectedEntry, Fork fork,
                       FileDataBuffer& out, Outcome& outcome) {
    DamageReport damage;
    Bytes e = entryBytes(image, selectedEntry);
    if (e.empty()) {
        out.release();
        out.fileLength = -2;
        damage.note(MessageId::NoteEntryOutside);
        outcome.addDamage(damage, std::nullopt);
        return -2;
    }
    ForkPlace f = forkOf(image, e, fork, damage);
    out.fileLength = int32_t(f.eof);
    if (!out.allocateForOverwrite(f.eof)) return -1;
    Reader r{image, out.fileData.data(), f.eof, {}};
    r.damage = damage;
    switch (f.storage) {
    case kStorageSeedling:
        r.seedling(f.keyBlock);
        break;
    case kStorageSapling:
        r.sapling(f.keyBlock);
        break;
    case kStorageTree:
        r.tree(f.keyBlock);
        break;
    case kStorageExtended: {
        uint64_t where = blockOffset(image, f.keyBlock);
        outcome.add(MessageId::ExtendedFileAt, where, where);
        [[fallthrough]];
    }
    default:
        out.release();
        out.fileLength = -2;
        return -2;
    }
    r.zeroUpTo(f.eof);
    outcome.addDamage(r.damage, MessageId::PartsLeftAsZero);
    return int32_t(f.eof);
}

uint32_t forkEof(const DiskImage& image, uint32_t entryOffset, Fork fork) {
    Bytes e = entryBytes(image, entryOffset);
    if (e.empty()) return 0;
    DamageReport ignored;
    return forkOf(image, e, fork, ignored).eof;
}

} // namespace lk
