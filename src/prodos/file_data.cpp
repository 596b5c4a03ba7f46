#include "prodos/file_data.h"

#include <new>

namespace lk {

bool FileDataBuffer::allocate(uint32_t length) {
    release();
    try {
        fileData.assign(size_t(length) + 4, 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    fileDataValid = true;
    return true;
}

} // namespace lk
