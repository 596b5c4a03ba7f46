#include "base/file_data.h"

#include <algorithm>
#include <new>

namespace lk {

bool FileDataBuffer::allocateForOverwrite(uint32_t length) {
    release();
    try {
        fileData.resize(size_t(length) + 4);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::fill(fileData.end() - 4, fileData.end(), uint8_t(0));
    fileDataValid = true;
    return true;
}

bool FileDataBuffer::allocate(uint32_t length) {
    if (!allocateForOverwrite(length)) return false;
    std::fill(fileData.begin(), fileData.end(), uint8_t(0));
    return true;
}

} // namespace lk
