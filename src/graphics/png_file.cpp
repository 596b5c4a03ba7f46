#include <png.h>

#include "graphics/picture_file.h"

namespace lk {

std::vector<uint8_t> pngFileBytes(const Picture& picture) {
    std::vector<uint8_t> rgb(picture.pixels.size() * 3);
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        uint32_t p = picture.pixels[i];
        rgb[3 * i] = uint8_t(p >> 16);
        rgb[3 * i + 1] = uint8_t(p >> 8);
        rgb[3 * i + 2] = uint8_t(p);
    }
    // libpng's simplified interface reports its errors by its result, never by a long jump.
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(picture.width);
    image.height = png_uint_32(picture.height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return {};
    }
    out.resize(size);
    return out;
}

} // namespace lk
