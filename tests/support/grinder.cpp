#include "grinder.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <optional>
#include <random>

#include "app/volume_changes.h"
#include "base/format.h"
#include "prodos/delete_file.h"
#include "prodos/file_types.h"
#include "prodos/read_file.h"
#include "prodos/volume_bit_map.h"
#include "write_fixture.h"

namespace lk::test {

namespace {

struct Expected {
    bool folder = false;
    std::vector<uint8_t> data;
    std::optional<std::vector<uint8_t>> rsrc;
};

struct Grinder {
    const GrinderRun& run;
    GrinderFigures& f;
    WriteFixture o;
    std::mt19937_64 rng{run.seed};
    std::map<NodeId, Expected> model;
    uint32_t names = 0;

    uint32_t below(uint32_t n) { return uint32_t(rng() % n); }

    // Sizes cluster at the edges of the storage kinds, with some spread up to the largest.
    std::vector<uint8_t> bytes() {
        static constexpr uint32_t kEdges[] = {0, 1, 511, 512, 513, 1024, 131071, 131072, 131073};
        int64_t size = below(10) < 7 ? int64_t(kEdges[below(9)]) + below(5) - 2
                                     : int64_t(std::exp2(below(2400) / 100.0)) - 1;
        return patternBytes(size_t(std::clamp<int64_t>(size, 0, run.largestFile)),
                            uint8_t(below(251)));
    }

    NodeId pick(bool foldersOnly) {
        std::vector<NodeId> nodes;
        if (foldersOnly) nodes.push_back(o.tree.root());
        for (const auto& [node, e] : model)
            if (!foldersOnly || e.folder) nodes.push_back(node);
        return nodes.empty() ? kNoNode : nodes[below(uint32_t(nodes.size()))];
    }

    // Kind 0 imports a file, 1 pastes an extended file, 2 a plain copy, 3 makes a folder.
    bool create(uint32_t kind) {
        NodeId folder = pick(true);
        o.tree.select(folder);
        std::string name = format("N%u", ++names);
        Expected e{kind == 3, kind == 3 ? std::vector<uint8_t>() : bytes(), std::nullopt};
        bool done;
        if (kind == 3) {
            done = newFolder(o.image, o.tree, name, kDefaultAccess, {2030, 6, 1, 12, 0, 0}, {true},
                             o.outcome);
        } else if (kind == 0) {
            TransferBuffer t{e.data, uint32_t(e.data.size()), {}, {}};
            t.bytes.resize(t.length + 4, 0);
            FileEntry working;
            done = importFile(o.image, o.tree, working,
                              {{name, "BIN", "2000", kDefaultAccess}, &t, false, {}}, {true},
                              o.outcome);
        } else {
            if (kind == 1) e.rsrc = bytes();
            AppleFileCopy copy{makeEntry(kStorageSeedling, name, 0xB3),
                               name,
                               FileBytes(e.data.begin(), e.data.end()),
                               kind == 1,
                               {}};
            if (e.rsrc) copy.resourceFork.assign(e.rsrc->begin(), e.rsrc->end());
            done = pasteFile(o.image, o.tree, copy, {true}, o.outcome);
        }
        if (done) ++(e.folder ? f.folders : f.files);
        if (done) model[o.tree.firstChild(folder)] = std::move(e);
        return done;
    }

    bool rename() {
        NodeId node = pick(false);
        if (node == kNoNode) return true;
        o.tree.select(node);
        FileEntry e = entryFromBytes(entryBytes(o.image, o.tree.item(node)->entryOffset));
        NameFields fields{format("R%u", ++names), typeText(e.fileType, e.auxType),
                          format("%04X", unsigned(e.auxType)), e.access};
        return renameFile(o.image, o.tree, fields, {true}, o.outcome);
    }

    void remove() {
        o.tree.select(below(40) == 0 ? o.tree.root() : pick(false)); // now and then everything
        deleteSelected(o.image, o.tree, DeleteOptions{false, true}, o.outcome);
        std::erase_if(model, [&](const auto& m) { return !o.tree.valid(m.first); });
    }

    std::string verify() {
        VolumeCheck check = checkVolume(o.image);
        if (!check.sound()) return "the volume is not sound:\n" + checkText(check);
        if (o.tree.size() != model.size() + 1) return "the tree lost or gained nodes";
        for (const auto& [node, e] : model) {
            for (Fork fork : {Fork::Data, Fork::Resource}) {
                if (e.folder || (fork == Fork::Resource && !e.rsrc)) continue;
                const std::vector<uint8_t>& want = fork == Fork::Data ? e.data : *e.rsrc;
                Outcome read;
                readProdosFile(o.image, o.tree.item(node)->entryOffset, fork, o.file, read);
                Bytes got = o.file.bytes();
                if (!std::equal(got.begin(), got.end(), want.begin(), want.end()))
                    return o.tree.item(node)->text + " reads back wrong";
            }
        }
        return {};
    }

    // The blocks in use, which a failed step must leave as they were.
    std::vector<uint8_t> usedBlocks() const {
        VolumeBitMap map = volumeBitMap(o.image);
        std::vector<uint8_t> out;
        for (uint32_t b = 0; b < map.totalBlocks; ++b)
            if (!map.blockFree(b))
                out.insert(out.end(), o.image.buffer.begin() + long(b) * 512,
                           o.image.buffer.begin() + long(b + 1) * 512);
        return out;
    }

    std::string go() {
        auto start = std::chrono::steady_clock::now();
        auto elapsed = [&] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        bool filling = true;
        for (int refusals = 0; run.seconds > 0 ? elapsed() < run.seconds : f.steps < run.steps;) {
            ++f.steps;
            uint32_t roll = below(100), kind = below(20);
            if (filling ? roll >= 85 : roll < 70) {
                remove();
            } else {
                std::vector<uint8_t> before = usedBlocks();
                if (!(roll % 10 == 0 ? rename()
                                     : create(kind < 12   ? 0
                                              : kind < 17 ? kind % 3
                                                          : 3))) {
                    ++f.failedSteps;
                    ++refusals;
                    if (usedBlocks() != before)
                        return format("step %d: a failed step changed a block in use", f.steps);
                }
            }
            if (std::string p = verify(); !p.empty()) return format("step %d: ", f.steps) + p;
            filling = filling ? refusals < 8 : !model.empty();
            if (filling && refusals >= 8) {
                refusals = 0;
                ++f.fills;
            }
        }
        return {};
    }
};

} // namespace

std::string grind(const GrinderRun& run, GrinderFigures& figures) {
    ProdosBuilder blank(run.blocks, "GRIND");
    return Grinder{run, figures, WriteFixture(blank), std::mt19937_64(run.seed), {}, 0}.go();
}

} // namespace lk::test
