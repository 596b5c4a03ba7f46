#include "json.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace lk::test {

namespace {

struct Parser {
    const std::string& s;
    size_t i = 0;

    char peek() {
        while (i < s.size() && std::isspace((unsigned char)s[i])) ++i;
        if (i >= s.size()) throw std::runtime_error("unexpected end of JSON");
        return s[i];
    }
    bool take(char c) { return peek() == c ? (++i, true) : false; }
    void expect(char c) {
        if (!take(c)) throw std::runtime_error(std::string("expected ") + c);
    }
    bool word(const char* w) {
        size_t n = std::strlen(w);
        return s.compare(i, n, w) == 0 ? (i += n, true) : false;
    }
    // \uXXXX stands for one byte: the CLI writes disk names' bytes that way.
    std::string text() {
        expect('"');
        std::string out;
        static const std::string escaped = "nrtbf", meant = "\n\r\t\b\f";
        while (i < s.size() && s[i] != '"') {
            char c = s[i++];
            if (c != '\\') {
                out += c;
            } else if (char e = s.at(i++); e == 'u') {
                out += char(std::strtoul(s.substr(i, 4).c_str(), nullptr, 16));
                i += 4;
            } else {
                size_t k = escaped.find(e);
                out += k == std::string::npos ? e : meant[k];
            }
        }
        ++i;
        return out;
    }
    Json value() {
        Json j;
        if (take('{')) {
            j.type = Json::Type::Object;
            if (take('}')) return j;
            do {
                std::string key = text();
                expect(':');
                j.object[key] = value();
            } while (take(','));
            expect('}');
        } else if (take('[')) {
            j.type = Json::Type::Array;
            if (take(']')) return j;
            do j.array.push_back(value());
            while (take(','));
            expect(']');
        } else if (peek() == '"') {
            j.type = Json::Type::String;
            j.string = text();
        } else if (word("true")) {
            j.type = Json::Type::Bool;
            j.boolean = true;
        } else if (word("false")) {
            j.type = Json::Type::Bool;
        } else if (!word("null")) {
            char* end = nullptr;
            j.number = std::strtod(s.c_str() + i, &end);
            if (end == s.c_str() + i) throw std::runtime_error("bad JSON value");
            i = size_t(end - s.c_str());
            j.type = Json::Type::Number;
        }
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
