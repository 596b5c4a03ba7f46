#include "translate/appleworks_wp.h"

#include <algorithm>

namespace lk {

namespace {

// A signed version byte of 1 to 127 marks AppleWorks 3 and later, whose lines start two bytes
// further on and whose tab rulers are line records of their own.
constexpr size_t kVersionAt = 0xB7;
constexpr size_t kLinesFrom = 0x12C;
constexpr size_t kLinesFromWithRulers = 0x12E;

// The second byte of a line record's two-byte header says what the record is.
constexpr uint8_t kTextLine = 0x00;
constexpr uint8_t kCarriageReturn = 0xD0;
constexpr uint8_t kAlignRight = 0xD7;
constexpr uint8_t kAlignLeft = 0xDF;
constexpr uint8_t kAlignLeftToo = 0xE0;
constexpr uint8_t kAlignCentre = 0xE1;

// The body of a text line: its indent (or the ruler mark), the paragraph-end bit, the text.
constexpr uint8_t kRulerMark = 0xFF;
constexpr uint8_t kEndsParagraph = 0x80;
constexpr size_t kTextFrom = 2;

// Codes within the text; other bytes below $20 are dropped.
enum Code : uint8_t {
    kBoldOn = 0x01,
    kBoldOff = 0x02,
    kSuperscriptOn = 0x03,
    kSuperscriptOff = 0x04,
    kSubscriptOn = 0x05,
    kSubscriptOff = 0x06,
    kUnderlineOn = 0x07,
    kUnderlineOff = 0x08,
    kTab = 0x16,
    kFirstCharacter = 0x20,
};

constexpr int kRaisedTwips = 30;
constexpr int kLoweredTwips = -28;
constexpr int kTwipsPerPoint = 20;

class Writer {
  public:
    explicit Writer(int fontPoints) : shiftedHeight_(fontPoints * kTwipsPerPoint * 9 / 10) {}

    void put(char c) { text_.append(std::string_view(&c, 1), format_, alignment_); }
    void align(TextAlignment a) { alignment_ = a; }

    // A byte of a line's text: a character, a tab or a formatting code.
    void putByte(uint8_t b) {
        switch (b) {
        case kBoldOn:
        case kBoldOff:
            format_.bold = b == kBoldOn;
            break;
        case kUnderlineOn:
        case kUnderlineOff:
            format_.underline = b == kUnderlineOn;
            break;
        case kSuperscriptOn:
            shift(kRaisedTwips);
            break;
        case kSubscriptOn:
            shift(kLoweredTwips);
            break;
        case kSuperscriptOff:
        case kSubscriptOff:
            shift(0);
            break;
        case kTab:
            put('\t');
            break;
        default:
            if (b >= kFirstCharacter) put(char(b));
        }
    }

    RichText take() { return std::move(text_); }

  private:
    // Raised and lowered text is always nine tenths of the display font, and back at its full
    // size when the shift ends, however the codes pair up.
    void shift(int offsetTwips) {
        format_.offsetTwips = offsetTwips;
        format_.heightTwips = offsetTwips == 0 ? 0 : shiftedHeight_;
    }

    RichText text_;
    RunFormat format_;
    TextAlignment alignment_ = TextAlignment::Left;
    int shiftedHeight_;
};

// The bytes of a text line record's body, as far as the file holds them.
Bytes lineBody(Bytes data, size_t pos) {
    Bytes rest = data.subspan(std::min(pos + 2, data.size()));
    return rest.first(std::min<size_t>(data[pos], rest.size()));
}

void textLine(Bytes body, bool rulers, Writer& out) {
    if (rulers && !body.empty() && body[0] == kRulerMark) return;
    for (size_t i = kTextFrom; i < body.size(); ++i) out.putByte(body[i]);
    // A record too short to hold the paragraph-end bit ends no paragraph.
    if (body.size() >= kTextFrom && (body[1] & kEndsParagraph)) out.put('\n');
}

} // namespace

RichText translateAppleWorksWP(Bytes data, int fontPoints) {
    int8_t version = int8_t(byteAt(data, kVersionAt));
    bool rulers = version > 0;
    Writer out(fontPoints);
    for (size_t pos = rulers ? kLinesFromWithRulers : kLinesFrom; pos + 1 < data.size(); pos += 2) {
        switch (data[pos + 1]) {
        case kCarriageReturn:
            out.put('\n');
            break;
        case kAlignRight:
            out.align(TextAlignment::Right);
            break;
        case kAlignLeft:
        case kAlignLeftToo:
            out.align(TextAlignment::Left);
            break;
        case kAlignCentre:
            out.align(TextAlignment::Center);
            break;
        case kTextLine:
            textLine(lineBody(data, pos), rulers, out);
            pos += data[pos];
            break;
        default:
            break;
        }
    }
    return out.take();
}

} // namespace lk
