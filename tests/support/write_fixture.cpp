#include "write_fixture.h"

#include "catalog/find_path.h"
#include "prodos/read_file.h"

namespace lk::test {

WriteFixture::WriteFixture(ProdosBuilder& b) {
    openBytes(*this, "t.po", b.bytes());
}

NodeId WriteFixture::select(const std::string& path) {
    NodeId node = path == "/" ? tree.root() : findNodeByPath(tree, path);
    tree.select(node);
    return node;
}

int32_t WriteFixture::create(const std::string& name, Bytes data) {
    FileEntry working;
    working.storageTypeNameLength = uint8_t(name.size());
    std::copy(name.begin(), name.end(), working.name.begin());
    working.fileType = 0x06;
    working.access = kDefaultAccess;
    CreateRequest request{CreateMode::Import,   data, false, {}, {2004, 12, 5, 14, 7, 0},
                          {2024, 1, 2, 3, 4, 0}};
    return createEntry(image, tree, working, request, outcome);
}

FileEntry WriteFixture::entry(const std::string& path) {
    FileEntry e;
    NodeId node = findNodeByPath(tree, path);
    if (node != kNoNode) loadEntry(image, tree.item(node)->entryOffset, e);
    return e;
}

std::vector<uint8_t> WriteFixture::read(const std::string& path, Fork fork) {
    NodeId node = findNodeByPath(tree, path);
    if (node == kNoNode) return {};
    Outcome read;
    readProdosFile(image, tree.item(node)->entryOffset, fork, file, read);
    Bytes b = file.bytes();
    return {b.begin(), b.end()};
}

std::string checkText(const VolumeCheck& check) {
    std::string text;
    for (const Message& m : check.errors) text += messageText(m) + "\n";
    for (const Message& m : check.notes) text += messageText(m) + "\n";
    return text;
}

std::string WriteFixture::findings() const {
    return checkText(checkVolume(image));
}

} // namespace lk::test
