// The bytes of the file read last, assembled by the ProDOS and DOS 3.3 readers: the file's
// length plus four zero bytes, so the byte at index fileLength is always 0.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/bytes.h"

namespace lk {

// An allocator whose resize leaves new bytes as they come from memory, for buffers that are
// written whole right after (a 16 MB file need not be zeroed before it is copied in).
template <typename T> struct UninitializedAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = UninitializedAllocator<U>; };
    using std::allocator<T>::allocator;
    template <typename U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <typename U, typename... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

using FileBytes = std::vector<uint8_t, UninitializedAllocator<uint8_t>>;

// The two forks of a ProDOS extended file; every other file has only its data fork.
enum class Fork : uint8_t { Data, Resource };

struct FileDataBuffer {
    FileBytes fileData;
    // The length of the file read last, or -2 after a storage type that cannot be read.
    int32_t fileLength = 0;
    bool fileDataValid = false;
    // The type code (lock bit cleared) of the DOS 3.3 file read last.
    uint8_t dosFileType = 0;

    // The file's bytes, without the spare zeros.
    Bytes bytes() const {
        if (!fileDataValid || fileLength <= 0) return {};
        return Bytes(fileData.data(), size_t(fileLength));
    }
    void release() {
        fileData.clear();
        fileData.shrink_to_fit();
        fileDataValid = false;
    }
    // Replaces the buffer with `length` + 4 zero bytes; false when memory runs out.
    bool allocate(uint32_t length);
    // The same, but only the four bytes after the file are zeroed: the caller writes every one
    // of the first `length`.
    bool allocateForOverwrite(uint32_t length);
};

} // namespace lk
