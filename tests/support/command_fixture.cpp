#include "command_fixture.h"

#include "dos33_builder.h"
#include "open_helpers.h"

namespace lk::test {

void CommandTest::open(const std::vector<uint8_t>& bytes, const std::string& name) {
    openImageAndShow(ctx, {folder.write(name, bytes), name});
    ASSERT_TRUE(app.image.bufferValid) << name;
    app.shell.exportFolder = folder.path;
}

void CommandTest::select(const std::vector<std::string>& names) {
    NodeId node = app.tree.root();
    for (const std::string& n : names)
        node = childWithText(app.tree, node, app.image.isDos33 ? paddedDosName(n) : n);
    ASSERT_NE(node, kNoNode);
    onTreeSelected(ctx, node);
}

} // namespace lk::test
