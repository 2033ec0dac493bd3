// objl text helpers: tokens, fields and number conversions of OBJ and MTL lines.
#include "objl/text_helpers.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace objl {
namespace algorithm {

namespace {
constexpr const char* kBlanks = " \t";
}  // namespace

std::string FirstToken(const std::string& line) {
    const std::size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string::npos) {
        return std::string();
    }
    const std::size_t end = line.find_first_of(kBlanks, start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string RestOfLine(const std::string& line) {
    const std::size_t tokenStart = line.find_first_not_of(kBlanks);
    if (tokenStart == std::string::npos) {
        return std::string();
    }
    const std::size_t tokenEnd = line.find_first_of(kBlanks, tokenStart);
    if (tokenEnd == std::string::npos) {
        return std::string();
    }
    const std::size_t start = line.find_first_not_of(kBlanks, tokenEnd);
    if (start == std::string::npos) {
        return std::string();
    }
    const std::size_t last = line.find_last_not_of(kBlanks);
    return line.substr(start, last - start + 1);
}

std::vector<std::string> Split(const std::string& text, char delimiter) {
    std::vector<std::string> fields;
    if (text.empty()) {
        return fields;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t found = text.find(delimiter, start);
        if (found == std::string::npos) {
            fields.push_back(text.substr(start));
            break;
        }
        fields.push_back(text.substr(start, found - start));
        start = found + 1;
    }
    if (fields.back().empty()) {
        fields.pop_back();
    }
    return fields;
}

std::string TrimLineBreaks(const std::string& text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last == std::string::npos) {
        return text;
    }
    return text.substr(0, last + 1);
}

bool ParseFloat(const std::string& text, float* value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const double parsed = std::strtod(begin, &end);
    if (end == begin || errno == ERANGE) {
        return false;
    }
    // Finite doubles beyond the float range would overflow the conversion.
    if (std::isfinite(parsed) && std::fabs(parsed) > static_cast<double>(FLT_MAX)) {
        return false;
    }
    *value = static_cast<float>(parsed);
    return true;
}

bool ParseInt(const std::string& text, std::int32_t* value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE || parsed < INT32_MIN || parsed > INT32_MAX) {
        return false;
    }
    *value = static_cast<std::int32_t>(parsed);
    return true;
}

}  // namespace algorithm
}  // namespace objl
