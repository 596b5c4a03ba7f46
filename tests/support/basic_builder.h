// Tokenised BASIC programs for tests and benchmarks, laid out as the interpreters store them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "base/outcome.h"

namespace lk::test {

struct BasicLine {
    uint16_t number;
    std::vector<uint8_t> body; // without the end-of-line byte
};

// An Applesoft program loaded at `base`: each line's link, number, body and $00, then the
// $00 $00 end link.
std::vector<uint8_t> applesoftProgram(const std::vector<BasicLine>& lines, uint16_t base = 0x0801);

// An Integer BASIC program: each line's length byte, number, body and the $01 end token.
std::vector<uint8_t> integerProgram(const std::vector<BasicLine>& lines);

// A line body written compactly: "{61}" is the byte $61 (a token). In Integer BASIC "#936" is a
// numeric constant (marker byte, then the value), "\#" a plain "#", and any other character
// itself with bit 7 set; in Applesoft any other character is itself.
std::vector<uint8_t> integerBody(std::string_view text);
std::vector<uint8_t> applesoftBody(std::string_view text);

// An Applesoft or Integer BASIC program as a DOS 3.3 file holds it: its length word, then the
// program.
std::vector<uint8_t> withLengthWord(Bytes program);

// What a lister made of a program, and how often it beeped.
struct Listing {
    std::string text;
    int beeps = 0;
};
using Lister = std::string (*)(Bytes data, uint32_t startOffset, uint32_t baseAddress,
                               Outcome& outcome);
Listing runLister(Lister lister, const std::vector<uint8_t>& bytes, uint32_t startOffset = 0);

} // namespace lk::test
