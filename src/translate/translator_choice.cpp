#include "translate/translator_choice.h"

#include <algorithm>
#include <cstring>

#include "translate/applesoft.h"
#include "translate/appleworks_db.h"
#include "translate/appleworks_wp.h"
#include "translate/hex_dump.h"
#include "translate/integer_basic.h"
#include "translate/picture_view.h"
#include "translate/text.h"

namespace lk {

namespace {

// A further condition of a row.
enum class Extra : uint8_t { None, DoubleHiResSize, Dos33Volume, AuxTypePacked };

constexpr int kModeOfVolume = -1; // the text mode is the volume's start offset
constexpr size_t kDoubleHiResMinLength = 0x3FF8;
constexpr uint16_t kPackedAuxType = 0x0001;

struct Row {
    uint8_t fileType;
    bool Settings::*on; // the Translate switch of the row, if any
    Extra extra;
    ViewAction action;
    int textMode;
};

// The first row whose type matches and whose conditions hold decides; a type whose rows all
// fail, and any type without a row, goes to the fallback.
constexpr Row kRows[] = {
    {0x04, &Settings::txt, Extra::None, ViewAction::Text, kModeOfVolume},
    {0x06, &Settings::dhr, Extra::DoubleHiResSize, ViewAction::DoubleHiRes, 0},
    {0x06, &Settings::hgr, Extra::None, ViewAction::HiRes, 0},
    {0x06, nullptr, Extra::Dos33Volume, ViewAction::DosBinaryText, 0},
    {0x19, &Settings::awp, Extra::None, ViewAction::AppleWorksDB, 0},
    {0x1A, &Settings::awp, Extra::None, ViewAction::AppleWorksWP, 0},
    {0x50, &Settings::gwp, Extra::None, ViewAction::Text, 0},
    {0xB0, &Settings::src, Extra::None, ViewAction::Text, 0},
    {0xC0, &Settings::shrc00001, Extra::AuxTypePacked, ViewAction::PackedSuperHiRes, 0},
    {0xC1, &Settings::shrc10000, Extra::None, ViewAction::SuperHiRes, 0},
    {0xCA, &Settings::icn, Extra::None, ViewAction::Icon, 0},
    {0xFA, &Settings::bas, Extra::None, ViewAction::IntegerBasic, 0},
    {0xFC, &Settings::bas, Extra::None, ViewAction::Applesoft, 0},
};

bool keyHolds(const Row& row, const Settings& settings) {
    return row.on == nullptr || settings.*row.on;
}

bool extraHolds(const Row& row, const ViewRequest& request) {
    switch (row.extra) {
    case Extra::None:
        return true;
    case Extra::DoubleHiResSize:
        return request.data.size() >= kDoubleHiResMinLength;
    case Extra::Dos33Volume:
        return request.dos33;
    case Extra::AuxTypePacked:
        return request.auxType == kPackedAuxType;
    }
    return false;
}

ViewChoice fallback(const Settings& settings) {
    return {settings.defTrans2 ? ViewAction::HexDump : ViewAction::RawText, 0};
}

// A DOS 3.3 binary file starts with its load address and its length word.
Bytes dosBinaryBytes(Bytes data) {
    size_t length = le16At(data, 2);
    return data.first(std::min(length, data.size()));
}

// The display shows a text up to its first zero byte.
std::string shownText(std::string text) {
    text.resize(std::strlen(text.c_str()));
    return text;
}

} // namespace

ViewChoice chooseTranslator(const ViewRequest& request, const Settings& settings) {
    if (request.resourceFork || request.shiftHeld) return fallback(settings);
    for (const Row& row : kRows) {
        if (row.fileType != request.fileType) continue;
        if (keyHolds(row, settings) && extraHolds(row, request)) {
            int mode = row.textMode == kModeOfVolume ? int(request.startOffset()) : row.textMode;
            return {row.action, mode};
        }
    }
    return fallback(settings);
}

ViewResult runTranslator(const ViewChoice& choice, const ViewRequest& request,
                         const Settings& settings, Outcome& outcome) {
    ViewResult result;
    result.choice = choice;
    Bytes data = request.data;
    switch (choice.action) {
    case ViewAction::Text:
        result.text = translateText(choice.textMode, data);
        break;
    case ViewAction::Applesoft:
        result.text = listApplesoft(data, request.startOffset(), kBasicBaseAddress, outcome);
        break;
    case ViewAction::IntegerBasic:
        result.text = listInteger(data, request.startOffset(), kBasicBaseAddress, outcome);
        break;
    case ViewAction::DosBinaryText:
        result.text = rawText(dosBinaryBytes(data));
        break;
    case ViewAction::HexDump:
        result.text = hexDump(data, data.size(), 0, true);
        break;
    case ViewAction::RawText:
        result.text = rawText(data);
        break;
    case ViewAction::AppleWorksWP:
        result.rich = translateAppleWorksWP(data, settings.fontSize);
        break;
    case ViewAction::AppleWorksDB:
        result.text = listAppleWorksDB(data, request.tryAnyway, outcome);
        result.lineWrapOff = true;
        break;
    case ViewAction::HiRes:
    case ViewAction::DoubleHiRes:
    case ViewAction::SuperHiRes:
    case ViewAction::PackedSuperHiRes:
    case ViewAction::Icon:
        result.picture = decodeViewPicture(choice.action, request, outcome);
        break;
    }
    result.text = shownText(std::move(result.text));
    return result;
}

} // namespace lk
