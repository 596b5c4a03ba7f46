#include "base/message.h"

#include <cstdio>
#include <cstring>

namespace lk {

namespace {

int64_t numberOf(const MessageArg& arg) {
    if (const int64_t* n = std::get_if<int64_t>(&arg)) return *n;
    return 0;
}

std::string textOf(const MessageArg& arg) {
    if (const std::string* s = std::get_if<std::string>(&arg)) return *s;
    return std::to_string(std::get<int64_t>(arg));
}

// One conversion "%[flags][width][.precision][length]c" starting at `at`; its length, or 0
// when the text there is no conversion the catalogue uses.
size_t conversionLength(std::string_view format, size_t at) {
    size_t i = at + 1;
    while (i < format.size() && std::strchr("-+ #0", format[i])) ++i;
    while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    if (i < format.size() && format[i] == '.') {
        ++i;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
    }
    while (i < format.size() && std::strchr("hlLqjzt", format[i])) ++i;
    if (i >= format.size() || !std::strchr("diuxXocs", format[i])) return 0;
    return i + 1 - at;
}

// Formats one value by its conversion: the flags and width kept, the length replaced by "ll".
void appendConversion(std::string& out, std::string_view directive, const MessageArg& arg) {
    char conversion = directive.back();
    std::string head(directive.substr(0, directive.size() - 1));
    while (!head.empty() && std::strchr("hlLqjzt", head.back())) head.pop_back();
    char buffer[128];
    if (conversion == 's') {
        std::string text = textOf(arg);
        int n = std::snprintf(nullptr, 0, (head + "s").c_str(), text.c_str());
        std::string filled(size_t(n > 0 ? n : 0), '\0');
        std::snprintf(filled.data(), filled.size() + 1, (head + "s").c_str(), text.c_str());
        out += filled;
        return;
    }
    if (conversion == 'c') {
        std::snprintf(buffer, sizeof buffer, (head + "c").c_str(), int(numberOf(arg)));
    } else if (conversion == 'd' || conversion == 'i') {
        std::snprintf(buffer, sizeof buffer, (head + "lld").c_str(), (long long)numberOf(arg));
    } else {
        // %u and %X show the value as the 32-bit unsigned number a C program would print.
        unsigned long long value = uint32_t(numberOf(arg));
        std::snprintf(buffer, sizeof buffer, (head + "ll" + conversion).c_str(), value);
    }
    out += buffer;
}

} // namespace

std::string fillFormat(std::string_view format, const std::vector<MessageArg>& args) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        size_t n = conversionLength(format, i);
        if (n == 0) {
            out += '%';
            continue;
        }
        std::string_view directive = format.substr(i, n);
        MessageArg missing =
            directive.back() == 's' ? MessageArg(std::string()) : MessageArg(int64_t(0));
        appendConversion(out, directive, next < args.size() ? args[next] : missing);
        ++next;
        i += n - 1;
    }
    return out;
}

std::string messageText(const Message& message) {
    const MessageDef& def = messageDef(message.id);
    if (def.kind != MessageKind::Problem) return fillFormat(def.text, message.args);
    // The warning box has always shown "untitled" for an empty name.
    std::vector<MessageArg> args = message.args;
    for (MessageArg& a : args) {
        if (const std::string* s = std::get_if<std::string>(&a); s && s->empty()) a = "untitled";
    }
    if (args.empty()) args.emplace_back(std::string("untitled"));
    return fillFormat(def.text, args);
}

} // namespace lk
