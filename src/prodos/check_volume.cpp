#include "prodos/check_volume.h"

#include <string>

#include "prodos/directory_walk.h"
#include "prodos/file_entry.h"
#include "prodos/volume_bit_map.h"

namespace lk {

namespace {

constexpr uint32_t kIndexSpan = 256 * kBlockSize;

// A directory still to be checked, and what its parent says of it.
struct PendingDirectory {
    uint16_t key = 0;
    std::string path;
    int depth = 0;
    bool volume = false;
    uint32_t entryBlock = 0;  // the block of the parent that holds its entry
    uint32_t entryNumber = 0; // the entry's number there, 1-13
    uint32_t blocksUsed = 0;  // as its entry says
    uint32_t eof = 0;
};

class Checker {
  public:
    Checker(const DiskImage& image, VolumeCheck& out) : image_(image), out_(out) {}

    void run();

  private:
    template <typename... A> void error(MessageId id, A... args) {
        if (out_.errors.size() < VolumeCheck::kKept) out_.errors.push_back(message(id, args...));
        ++out_.errorCount;
    }
    template <typename... A> void note(MessageId id, A... args) {
        if (out_.notes.size() < VolumeCheck::kKept) out_.notes.push_back(message(id, args...));
        ++out_.noteCount;
    }

    uint32_t owner(std::string name) {
        names_.push_back(std::move(name));
        return uint32_t(names_.size());
    }
    bool markedFree(uint32_t block) const {
        return block < map_.coveredBlocks() && map_.blockFree(block);
    }
    bool claim(uint32_t block, uint32_t who);
    uint32_t fork(uint32_t who, int kind, uint16_t key, uint32_t eof);
    uint32_t indexBlocks(uint32_t who, Bytes index, uint64_t base, uint32_t eof, bool tree);
    void file(const std::string& path, const FileEntry& e);
    void extended(const std::string& path, const FileEntry& e);
    void directory(const PendingDirectory& d);
    bool header(const PendingDirectory& d, Bytes key);
    void unownedBlocks();

    const DiskImage& image_;
    VolumeCheck& out_;
    VolumeBitMap map_;
    uint32_t total_ = 0;
    std::vector<uint32_t> owners_; // per block: 0 for none, else an index into names_ + 1
    std::vector<std::string> names_;
    std::vector<PendingDirectory> pending_;
};

bool Checker::claim(uint32_t block, uint32_t who) {
    if (block >= total_ || blockBytes(image_, block).empty()) {
        error(MessageId::CheckBlockOutside, names_[who - 1], block);
        return false;
    }
    if (owners_[block] != 0) {
        error(MessageId::CheckBlockShared, block, names_[owners_[block] - 1], names_[who - 1]);
        return false;
    }
    owners_[block] = who;
    if (markedFree(block)) error(MessageId::CheckBlockMarkedFree, block, names_[who - 1]);
    return true;
}

// The data blocks (or, for a tree's master index, the index blocks) named by one index block
// whose first entry stands at file position `base`. Returns the blocks counted below it.
uint32_t Checker::indexBlocks(uint32_t who, Bytes index, uint64_t base, uint32_t eof, bool tree) {
    uint64_t span = tree ? kIndexSpan : kBlockSize;
    uint32_t blocks = 0;
    for (uint32_t i = 0; i < 256; ++i) {
        uint16_t b = uint16_t(index[i] | (index[256 + i] << 8));
        if (b == 0) continue;
        if (base + span * i >= eof) error(MessageId::CheckPastEof, names_[who - 1], b, eof);
        if (!claim(b, who)) continue;
        ++blocks;
        if (tree) blocks += indexBlocks(who, blockBytes(image_, b), base + span * i, eof, false);
    }
    return blocks;
}

// The blocks of a seedling, sapling or tree, its key block included.
uint32_t Checker::fork(uint32_t who, int kind, uint16_t key, uint32_t eof) {
    if (!claim(key, who)) return 1;
    if (kind == kStorageSeedling) return 1;
    return 1 + indexBlocks(who, blockBytes(image_, key), 0, eof, kind == kStorageTree);
}

void Checker::file(const std::string& path, const FileEntry& e) {
    uint32_t blocks = fork(owner(path), e.storageType(), e.keyPointer, e.eof);
    if (blocks != e.blocksUsed) error(MessageId::CheckBlocksUsed, path, blocks, e.blocksUsed);
}

void Checker::extended(const std::string& path, const FileEntry& e) {
    uint32_t who = owner(path);
    uint32_t blocks = 1;
    if (claim(e.keyPointer, who)) {
        Bytes x = blockBytes(image_, e.keyPointer);
        for (uint32_t mini : {0u, 256u}) {
            int kind = x[mini] & 0x0F;
            if (kind < kStorageSeedling || kind > kStorageTree) {
                error(MessageId::CheckStorageType, path, kind);
                continue;
            }
            uint32_t n = fork(who, kind, le16(x.data() + mini + 1), le24(x.data() + mini + 5));
            uint32_t stated = le16(x.data() + mini + 3);
            if (n != stated) error(MessageId::CheckForkBlocksUsed, path, n, stated);
            blocks += n;
        }
    }
    if (blocks != e.blocksUsed) error(MessageId::CheckBlocksUsed, path, blocks, e.blocksUsed);
}

// The directory's header: its kind, entry format and link to its parent. False when its entries
// cannot be read with the standard layout.
bool Checker::header(const PendingDirectory& d, Bytes key) {
    uint8_t storage = key[kFirstEntryOffset] >> 4;
    uint8_t want = d.volume ? kStorageVolumeHeader : kStorageSubdirectoryHeader;
    if (storage != want) {
        error(MessageId::CheckStorageType, d.path, storage);
        return false;
    }
    uint8_t length = key[dirHeader::kEntryLength], perBlock = key[dirHeader::kEntriesPerBlock];
    if (length != kEntryLength || perBlock != kEntriesPerBlock) {
        error(MessageId::CheckEntryFormat, d.path, length, perBlock);
        return false;
    }
    if (d.volume) return true;
    uint32_t parent = le16(key.data() + dirHeader::kParentPointer);
    uint32_t number = key[dirHeader::kParentEntry];
    if (parent != d.entryBlock || number != d.entryNumber ||
        key[dirHeader::kParentEntryLength] != kEntryLength)
        error(MessageId::CheckParentLink, d.path, number, parent, d.entryNumber, d.entryBlock);
    return true;
}

void Checker::directory(const PendingDirectory& d) {
    uint32_t who = owner(d.path);
    uint32_t chain = 0, live = 0, previous = 0;
    bool readable = true;
    for (uint32_t block = d.key; block != 0;) {
        if (block < total_ && owners_[block] == who) {
            error(MessageId::CheckChainLoop, d.path, block);
            break;
        }
        if (!claim(block, who)) break;
        ++chain;
        Bytes b = blockBytes(image_, block);
        if (le16(b.data()) != previous)
            error(MessageId::CheckChainBackLink, block, d.path, le16(b.data()), previous);
        if (block == d.key) readable = header(d, b);
        for (uint32_t k = block == d.key ? 1 : 0; readable && k < kEntriesPerBlock; ++k) {
            FileEntry e = entryFromBytes(b.subspan(kFirstEntryOffset + k * kEntryLength));
            if (e.storageType() == kStorageFree) continue;
            ++live;
            std::string path = d.path + "/" + e.nameText();
            if (e.headerPointer != d.key)
                error(MessageId::CheckHeaderPointer, path, e.headerPointer, d.key);
            switch (e.storageType()) {
            case kStorageSeedling:
            case kStorageSapling:
            case kStorageTree:
                file(path, e);
                break;
            case kStorageExtended:
                extended(path, e);
                break;
            case kStorageSubdirectory:
                pending_.push_back(
                    {e.keyPointer, path, d.depth + 1, false, block, k + 1, e.blocksUsed, e.eof});
                break;
            default:
                note(MessageId::CheckStorageType, path, e.storageType());
            }
        }
        previous = block;
        block = le16(b.data() + 2);
    }
    if (!readable) return;
    Bytes key = blockBytes(image_, d.key);
    uint32_t count = le16At(key, dirHeader::kFileCount);
    if (count != live) error(MessageId::CheckFileCount, d.path, count, live);
    if (!d.volume && (d.blocksUsed != chain || d.eof != chain * kBlockSize))
        error(MessageId::CheckFolderSize, d.path, chain, d.blocksUsed, d.eof);
}

void Checker::unownedBlocks() {
    for (uint32_t b = 0; b < total_; ++b) {
        if (owners_[b] != 0 || markedFree(b) || b >= map_.coveredBlocks()) continue;
        uint32_t last = b;
        while (last + 1 < map_.coveredBlocks() && owners_[last + 1] == 0 && !markedFree(last + 1))
            ++last;
        if (last == b)
            note(MessageId::CheckUnownedBlock, b);
        else
            note(MessageId::CheckUnownedBlocks, b, last);
        b = last;
    }
}

void Checker::run() {
    map_ = volumeBitMap(image_);
    total_ = map_.totalBlocks;
    owners_.assign(total_, 0);
    if (total_ > imageBlockCount(image_))
        error(MessageId::CheckVolumeBeyondImage, total_, imageBlockCount(image_));
    if (map_.bytes.size() != map_.neededBytes) error(MessageId::CheckMapOutside);
    uint32_t boot = owner("the boot blocks");
    for (uint32_t b : {0u, 1u}) claim(b, boot);
    uint32_t mapOwner = owner("the volume bit map");
    uint32_t first = le16At(blockBytes(image_, kVolumeDirectoryBlock), dirHeader::kBitMapPointer);
    for (uint32_t b = 0; b < (total_ + 4095) / 4096; ++b) claim(first + b, mapOwner);
    Bytes header = blockBytes(image_, kVolumeDirectoryBlock);
    std::string name(reinterpret_cast<const char*>(header.data()) + 5, header[4] & 0x0F);
    pending_.push_back({uint16_t(kVolumeDirectoryBlock), "/" + name, 0, true});
    while (!pending_.empty()) {
        PendingDirectory d = std::move(pending_.back());
        pending_.pop_back();
        if (d.depth > kMaxFolderDepth)
            error(MessageId::CheckNesting, kMaxFolderDepth, d.path);
        else
            directory(d);
    }
    unownedBlocks();
}

} // namespace

std::vector<Message> VolumeCheck::report() const {
    std::vector<Message> lines = errors;
    lines.insert(lines.end(), notes.begin(), notes.end());
    int unlisted = errorCount + noteCount - int(errors.size() + notes.size());
    if (unlisted > 0) lines.push_back(message(MessageId::CheckMoreFindings, unlisted));
    lines.push_back(sound() ? message(MessageId::CheckSound)
                            : message(MessageId::CheckSummary, errorCount, noteCount));
    return lines;
}

VolumeCheck checkVolume(const DiskImage& image) {
    VolumeCheck out;
    if (blockBytes(image, kVolumeDirectoryBlock).empty()) {
        out.errors.push_back(message(MessageId::CheckVolumeBeyondImage, 3, imageBlockCount(image)));
        out.errorCount = 1;
        return out;
    }
    Checker(image, out).run();
    return out;
}

} // namespace lk
