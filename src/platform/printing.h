// What the print and page setup dialogs choose: the printer, the paper and its margins (shared
// by Page Setup and Print), and the choices of one print job, kept for the next.
#pragma once

#include <string>

namespace lk {

// Margins in thousandths of an inch.
struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const Margins&) const = default;
};

struct PageSetup {
    // The margins may not be set below these.
    Margins minimum{250, 40, 250, 460};
    Margins margins{250, 250, 250, 500};
    std::string printerName; // empty: the system's default printer
    // The paper in thousandths of an inch; 0 takes the printer's own paper.
    int paperWidth = 0;
    int paperHeight = 0;
    bool landscape = false;
};

inline constexpr int kNoPage = 0xFFFF;

struct PrintSettings {
    bool collate = false;       // whole document copies rather than copies of each page
    bool selectionOnly = false; // print the selected text only
    bool pageRange = false;     // print fromPage to toPage only
    int fromPage = kNoPage;
    int toPage = kNoPage;
    int copies = 1;
    // Printing to a file (PDF) instead of the printer, when not empty.
    std::string outputFile;
};

} // namespace lk
