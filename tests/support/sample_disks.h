// The volumes the view, block, catalog and export tests open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lk::test {

// A short Applesoft program that prints HELLO three times, as stored from $0801.
std::vector<uint8_t> helloProgram();
// The text of NOTES and LETTER on the ProDOS volume.
std::vector<uint8_t> notesText();
// The two forks of FINDER.
std::vector<uint8_t> finderData();
std::vector<uint8_t> finderResources();

// A 280-block ProDOS volume VIEWS: HELLO (Applesoft), NOTES (text), EMPTY (an empty text
// file), FINDER (with a resource fork), and the folder DOCS holding LETTER (text).
std::vector<uint8_t> viewsVolume();

// A DOS 3.3 disk, volume 254: HELLO (Applesoft with its length word), NOTES (text, high bit
// set, ended by a zero with more after it), LOADER (binary, locked), OLD (Integer BASIC), BLANK
// (text of zeros), ODD (an unknown type), LIAR (binary whose length word runs past its sector)
// and A/B (type $40, a name holding a slash).
std::vector<uint8_t> dosDisk();

} // namespace lk::test
