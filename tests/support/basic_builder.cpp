#include "basic_builder.h"

#include <algorithm>
#include <stdexcept>

namespace lk::test {

std::vector<uint8_t> applesoftProgram(const std::vector<BasicLine>& lines, uint16_t base) {
    std::vector<uint8_t> out;
    for (const BasicLine& line : lines) {
        size_t at = out.size();
        uint32_t next = base + uint32_t(at + 4 + line.body.size() + 1);
        out.push_back(uint8_t(next));
        out.push_back(uint8_t(next >> 8));
        out.push_back(uint8_t(line.number));
        out.push_back(uint8_t(line.number >> 8));
        out.insert(out.end(), line.body.begin(), line.body.end());
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(0);
    return out;
}

std::vector<uint8_t> integerProgram(const std::vector<BasicLine>& lines) {
    std::vector<uint8_t> out;
    for (const BasicLine& line : lines) {
        size_t length = 3 + line.body.size() + 1;
        if (length > 255) throw std::invalid_argument("Integer BASIC line too long");
        out.push_back(uint8_t(length));
        out.push_back(uint8_t(line.number));
        out.push_back(uint8_t(line.number >> 8));
        out.insert(out.end(), line.body.begin(), line.body.end());
        out.push_back(0x01);
    }
    return out;
}

namespace {
int hexValue(char c) {
    return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
}
} // namespace

namespace {
std::vector<uint8_t> body(std::string_view text, bool integer) {
    std::vector<uint8_t> out;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '{' && i + 3 < text.size() && text[i + 3] == '}') {
            out.push_back(uint8_t(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 3;
        } else if (!integer) {
            out.push_back(uint8_t(c));
        } else if (c == '#' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') {
            uint32_t value = 0;
            out.push_back(uint8_t(0x80 | text[i + 1]));
            while (i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
                value = value * 10 + uint32_t(text[++i] - '0');
            out.push_back(uint8_t(value));
            out.push_back(uint8_t(value >> 8));
        } else if (c == '\\' && i + 1 < text.size()) {
            out.push_back(uint8_t(0x80 | text[++i]));
        } else {
            out.push_back(uint8_t(0x80 | c));
        }
    }
    return out;
}
} // namespace

std::vector<uint8_t> integerBody(std::string_view text) {
    return body(text, true);
}

std::vector<uint8_t> applesoftBody(std::string_view text) {
    return body(text, false);
}

std::vector<uint8_t> withLengthWord(Bytes program) {
    std::vector<uint8_t> out(2 + program.size());
    putLe16(out.data(), uint16_t(program.size()));
    std::copy(program.begin(), program.end(), out.begin() + 2);
    return out;
}

Listing runLister(Lister lister, const std::vector<uint8_t>& bytes, uint32_t startOffset) {
    Outcome outcome;
    Listing l;
    l.text = lister(Bytes(bytes), startOffset, 0x0801, outcome);
    l.beeps = outcome.beeps;
    return l;
}

} // namespace lk::test
