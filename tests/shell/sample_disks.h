// The volumes the view, block, catalog and export tests open.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lk::test {

// 10 PRINT "HELLO" : 20 END, as Applesoft stores it from $0801.
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
// set, ended by a zero), LOADER (binary, locked), OLD (Integer BASIC), BLANK (text of zeros).
std::vector<uint8_t> dosDisk();
std::vector<uint8_t> loaderBytes(); // LOADER's bytes after its address and length words
// A DOS 3.3 name as the catalog holds it: padded with spaces to 30 characters.
std::string dosName(const std::string& name);

} // namespace lk::test
