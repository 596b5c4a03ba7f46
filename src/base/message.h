// A message for the user, as the core reports it: which text of the catalogue, and the values
// that fill its placeholders. The shells turn it into words (messageText) and present it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "base/messages.h"

namespace lk {

using MessageArg = std::variant<int64_t, std::string>;

struct Message {
    MessageId id{};
    std::vector<MessageArg> args;

    bool operator==(const Message&) const = default;
};

template <typename T> MessageArg messageArg(T value) {
    if constexpr (std::is_arithmetic_v<T>)
        return int64_t(value);
    else
        return std::string(value);
}

template <typename... Args> Message message(MessageId id, Args... args) {
    return Message{id, {messageArg(args)...}};
}

// The text of the message: its catalogue format filled with its values.
std::string messageText(const Message& message);

// Fills a format of the catalogue (the conversions of printf: %s, %i, %d, %u, %X, %c, with
// flags and widths) with values, each conversion taking the next one. A missing value reads as 0
// or an empty text; a number given for %s is written in decimal.
std::string fillFormat(std::string_view format, const std::vector<MessageArg>& args);

} // namespace lk
