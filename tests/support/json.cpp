#include "json.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace lk::test {

namespace {

struct Parser {
    const std::string& s;
    size_t i = 0;

    void space() {
        while (i < s.size() && std::isspace((unsigned char)s[i])) ++i;
    }
    char peek() {
        space();
        if (i >= s.size()) throw std::runtime_error("unexpected end of JSON");
        return s[i];
    }
    void expect(char c) {
        if (peek() != c) throw std::runtime_error(std::string("expected ") + c);
        ++i;
    }
    static void putUtf8(std::string& out, unsigned cp) {
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    std::string text() {
        expect('"');
        std::string out;
        while (i < s.size() && s[i] != '"') {
            char c = s[i++];
            if (c != '\\') {
                out += c;
                continue;
            }
            char e = s.at(i++);
            switch (e) {
            case 'n':
                out += '\n';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u':
                putUtf8(out, unsigned(std::strtoul(s.substr(i, 4).c_str(), nullptr, 16)));
                i += 4;
                break;
            default:
                out += e;
            }
        }
        ++i;
        return out;
    }
    Json value() {
        Json j;
        char c = peek();
        if (c == '{') {
            j.type = Json::Type::Object;
            ++i;
            if (peek() == '}') {
                ++i;
                return j;
            }
            for (;;) {
                std::string key = text();
                expect(':');
                j.object[key] = value();
                if (peek() == ',') {
                    ++i;
                    continue;
                }
                expect('}');
                return j;
            }
        }
        if (c == '[') {
            j.type = Json::Type::Array;
            ++i;
            if (peek() == ']') {
                ++i;
                return j;
            }
            for (;;) {
                j.array.push_back(value());
                if (peek() == ',') {
                    ++i;
                    continue;
                }
                expect(']');
                return j;
            }
        }
        if (c == '"') {
            j.type = Json::Type::String;
            j.string = text();
            return j;
        }
        if (s.compare(i, 4, "true") == 0) {
            i += 4;
            j.type = Json::Type::Bool;
            j.boolean = true;
            return j;
        }
        if (s.compare(i, 5, "false") == 0) {
            i += 5;
            j.type = Json::Type::Bool;
            return j;
        }
        if (s.compare(i, 4, "null") == 0) {
            i += 4;
            return j;
        }
        char* end = nullptr;
        j.number = std::strtod(s.c_str() + i, &end);
        if (end == s.c_str() + i) throw std::runtime_error("bad JSON value");
        i = size_t(end - s.c_str());
        j.type = Json::Type::Number;
        return j;
    }
};

} // namespace

const Json& Json::operator[](const std::string& key) const {
    static const Json null;
    auto it = object.find(key);
    return it == object.end() ? null : it->second;
}

std::string Json::str(const std::string& key) const {
    return (*this)[key].string;
}
long long Json::integer(const std::string& key) const {
    return (long long)(*this)[key].number;
}

Json parseJson(const std::string& text) {
    Parser p{text};
    return p.value();
}

} // namespace lk::test
