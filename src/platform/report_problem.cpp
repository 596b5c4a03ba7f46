#include "platform/platform.h"

#include <string>

namespace lk {

void reportProblem(Platform& platform, std::string_view format, std::string_view argument) {
    // The format carries a single %s placeholder (or none); filled by hand so that a stray
    // percent sign in a file name can never be read as a conversion.
    std::string arg = argument.empty() ? std::string("untitled") : std::string(argument);
    std::string text;
    bool filled = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (!filled && format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's') {
            text += arg;
            filled = true;
            ++i;
        } else if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == '%') {
            text += '%';
            ++i;
        } else {
            text += format[i];
        }
    }
    platform.showMessage(text);
}

} // namespace lk
