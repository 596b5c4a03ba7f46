#include "grinder.h"

#include <chrono>
#include <map>
#include <random>

#include "app/volume_changes.h"
#include "base/format.h"
#include "prodos/check_volume.h"
#include "prodos/delete_file.h"
#include "prodos/file_types.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk::test {

namespace {

struct Expected {
    bool folder = false;
    bool extended = false;
    std::vector<uint8_t> data, rsrc;
};

class Grinder {
  public:
    Grinder(const GrinderRun& run, GrinderFigures& figures, ProdosBuilder& blank)
        : run_(run), f_(figures), o_(blank), rng_(run.seed) {}

    std::string go();

  private:
    uint32_t below(uint32_t n) { return uint32_t(rng_() % n); }

    // Sizes cluster at the edges of the storage kinds, with some spread up to the largest.
    uint32_t drawSize() {
        static constexpr uint32_t kEdges[] = {0, 1, 511, 512, 513, 1024, 131071, 131072, 131073};
        uint32_t size;
        if (below(10) < 7)
            size = uint32_t(std::max<int64_t>(0, int64_t(kEdges[below(9)]) + below(5) - 2));
        else
            size = uint32_t(std::exp2(double(below(2400)) / 100.0)) - 1;
        return std::min(size, run_.largestFile);
    }

    std::vector<uint8_t> bytes(uint32_t n) {
        std::vector<uint8_t> out(n);
        for (uint32_t i = 0; i < n; i += 8) {
            uint64_t word = rng_();
            for (uint32_t k = 0; k < 8 && i + k < n; ++k) out[i + k] = uint8_t(word >> (8 * k));
        }
        return out;
    }

    std::string newName() { return format("N%u", ++names_); }

    NodeId pick(bool foldersOnly) {
        std::vector<NodeId> nodes;
        if (foldersOnly) nodes.push_back(o_.tree.root());
        for (const auto& [node, e] : model_)
            if (!foldersOnly || e.folder) nodes.push_back(node);
        return nodes.empty() ? kNoNode : nodes[below(uint32_t(nodes.size()))];
    }

    bool create(int kind);
    bool rename();
    void remove();
    std::string verify();
    std::vector<uint8_t> usedBlocks() const;

    const GrinderRun& run_;
    GrinderFigures& f_;
    WriteFixture o_;
    std::mt19937_64 rng_;
    std::map<NodeId, Expected> model_;
    uint32_t names_ = 0;
};

// kind 0 a file, 1 an extended file, 2 a pasted copy, 3 a folder.
bool Grinder::create(int kind) {
    NodeId folder = pick(true);
    o_.tree.select(folder);
    std::string name = newName();
    Expected e;
    e.folder = kind == 3;
    e.extended = kind == 1;
    Outcome out;
    ChangeAnswers yes{true};
    bool done;
    if (e.folder) {
        done = newFolder(o_.image, o_.tree, name, kDefaultAccess, {2030, 6, 1, 12, 0, 0}, yes, out);
    } else if (kind == 0) {
        e.data = bytes(drawSize());
        TransferBuffer t;
        t.bytes = e.data;
        t.length = uint32_t(e.data.size());
        t.bytes.resize(t.length + 4, 0);
        FileEntry working;
        ImportRequest request{{name, "BIN", "2000", kDefaultAccess}, &t, false, {}};
        done = importFile(o_.image, o_.tree, working, request, yes, out);
    } else {
        AppleFileCopy copy;
        copy.entry.storageTypeNameLength = uint8_t(name.size());
        std::copy(name.begin(), name.end(), copy.entry.name.begin());
        copy.entry.fileType = 0xB3;
        copy.name = name;
        e.data = bytes(drawSize());
        copy.data.assign(e.data.begin(), e.data.end());
        copy.hasResourceFork = e.extended;
        if (e.extended) {
            e.rsrc = bytes(drawSize() / (1 + below(8)));
            copy.resourceFork.assign(e.rsrc.begin(), e.rsrc.end());
        }
        done = pasteFile(o_.image, o_.tree, copy, yes, out);
    }
    if (done) {
        ++(e.folder ? f_.folders : f_.files);
        model_[o_.tree.firstChild(folder)] = std::move(e);
    }
    return done;
}

bool Grinder::rename() {
    NodeId node = pick(false);
    if (node == kNoNode) return true;
    o_.tree.select(node);
    FileEntry e;
    loadEntry(o_.image, o_.tree.item(node)->entryOffset, e);
    NameFields fields{newName(), typeText(e.fileType, e.auxType),
                      format("%04X", unsigned(e.auxType)), e.access};
    Outcome out;
    return renameFile(o_.image, o_.tree, fields, ChangeAnswers{true}, out);
}

void Grinder::remove() {
    // Now and then the whole volume at once.
    NodeId node = below(40) == 0 ? o_.tree.root() : pick(false);
    if (node == kNoNode) return;
    o_.tree.select(node);
    Outcome out;
    deleteSelected(o_.image, o_.tree, DeleteOptions{false, true}, out);
    std::erase_if(model_, [&](const auto& m) { return !o_.tree.valid(m.first); });
}

std::string Grinder::verify() {
    VolumeCheck check = checkVolume(o_.image);
    if (!check.sound()) return "the volume is not sound:\n" + checkText(check);
    if (o_.tree.size() != model_.size() + 1) return "the tree lost or gained nodes";
    for (const auto& [node, e] : model_) {
        if (e.folder) continue;
        uint32_t entry = o_.tree.item(node)->entryOffset;
        Outcome read;
        readProdosFile(o_.image, entry, Fork::Data, o_.file, read);
        Bytes got = o_.file.bytes();
        if (!std::equal(got.begin(), got.end(), e.data.begin(), e.data.end()))
            return "the data of " + o_.tree.item(node)->text + " reads back wrong";
        if (!e.extended) continue;
        readProdosFile(o_.image, entry, Fork::Resource, o_.file, read);
        got = o_.file.bytes();
        if (!std::equal(got.begin(), got.end(), e.rsrc.begin(), e.rsrc.end()))
            return "the resource fork of " + o_.tree.item(node)->text + " reads back wrong";
    }
    return {};
}

// The blocks in use, which a failed step must leave as they were.
std::vector<uint8_t> Grinder::usedBlocks() const {
    VolumeBitMap map = volumeBitMap(o_.image);
    std::vector<uint8_t> out;
    for (uint32_t b = 0; b < map.totalBlocks; ++b) {
        if (map.blockFree(b)) continue;
        Bytes block = blockBytes(o_.image, b);
        out.insert(out.end(), block.begin(), block.end());
    }
    return out;
}

std::string Grinder::go() {
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    bool filling = true;
    int refusals = 0;
    for (;;) {
        if (run_.seconds > 0
                ? std::chrono::duration<double>(Clock::now() - start).count() > run_.seconds
                : f_.steps >= run_.steps)
            return {};
        ++f_.steps;
        uint32_t roll = below(100);
        bool deleting = filling ? roll >= 85 : roll < 70;
        if (deleting) {
            remove();
        } else {
            std::vector<uint8_t> before = usedBlocks();
            uint32_t rollKind = below(20);
            bool done = roll % 10 == 0 ? rename()
                                       : create(rollKind < 12   ? 0
                                                : rollKind < 15 ? 1
                                                : rollKind < 17 ? 2
                                                                : 3);
            if (!done) {
                ++f_.failedSteps;
                ++refusals;
                if (usedBlocks() != before)
                    return format("step %d: a failed step changed a block in use", f_.steps);
            }
        }
        if (std::string p = verify(); !p.empty()) return format("step %d: ", f_.steps) + p;
        if (filling && refusals >= 8) filling = false;
        if (!filling && model_.empty()) {
            filling = true;
            refusals = 0;
            ++f_.fills;
        }
    }
}

} // namespace

std::string grind(const GrinderRun& run, GrinderFigures& figures) {
    ProdosBuilder blank(run.blocks, "GRIND");
    Grinder g(run, figures, blank);
    return g.go();
}

} // namespace lk::test
