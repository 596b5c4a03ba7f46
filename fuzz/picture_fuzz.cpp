// Fuzz target: the picture decoders on arbitrary bytes. The first byte chooses the decoder
// (HiRes, Double HiRes, Super HiRes, PackBytes, icon file, and the HiRes and Double HiRes of a
// DOS 3.3 file through the view), the rest is the file. Any crash, sanitizer report or
// out-of-bounds read is a finding; each decoder's time is bounded by the picture's size.
#include <cstddef>
#include <cstdint>

#include "base/message.h"
#include "graphics/hires.h"
#include "graphics/icon_file.h"
#include "graphics/picture_file.h"
#include "graphics/super_hires.h"
#include "settings/settings.h"
#include "translate/translator_choice.h"

namespace {

void decodeOnce(uint8_t selector, lk::Bytes file) {
    lk::Outcome outcome;
    std::optional<lk::Picture> picture;
    switch (selector % 6) {
    case 0:
        picture = lk::decodeHiRes(file);
        break;
    case 1:
        picture = lk::decodeDoubleHiRes(file);
        break;
    case 2:
        picture = lk::decodeSuperHiRes(file);
        break;
    case 3:
        lk::unpackBytes(file);
        picture = lk::decodePackedSuperHiRes(file, outcome);
        break;
    case 4:
        picture = lk::decodeIconFile(file, outcome);
        break;
    default: {
        lk::ViewRequest request;
        request.dos33 = true;
        request.fileType = 0x06;
        request.data = file;
        picture = lk::viewFile(request, lk::Settings(), outcome).picture;
        break;
    }
    }
    for (const lk::Message& m : outcome.messages) lk::messageText(m);
    // The file formats once in a while: they depend on the picture's size alone.
    if (picture && selector >= 0xFE) lk::bmpFileBytes(*picture);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // A copy of exactly the file's size, so that a read past it is caught.
    std::vector<uint8_t> file(data + 1, data + size);
    decodeOnce(data[0], lk::Bytes(file.data(), file.size()));
    return 0;
}
