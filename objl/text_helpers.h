// objl text helpers: tokens, fields and number conversions of OBJ and MTL lines.
// A blank is a space or a tab.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace objl {
namespace algorithm {

// The first blank-delimited word; empty for an empty or all-blank line.
std::string FirstToken(const std::string& line);

// Everything after the first word, without surrounding blanks (a trailing CR stays).
std::string RestOfLine(const std::string& line);

// Cuts at every delimiter, keeping empty fields, then drops a last empty field.
std::vector<std::string> Split(const std::string& text, char delimiter);

// Cuts after the last character that is neither CR nor LF; an all-CR/LF text stays as is.
std::string TrimLineBreaks(const std::string& text);

// Number conversions with the semantics of the standard stof/stoi: leading white space is
// skipped, the longest numeric prefix is used, the rest ignored. False when no number starts
// the text or the value is out of range (never throw).
bool ParseFloat(const std::string& text, float* value);
bool ParseInt(const std::string& text, std::int32_t* value);

enum class ElementResult { Found, BadNumber, OutOfRange };

// The element that an OBJ index names: 1-based, or counted from the end when negative.
// 0 and indices outside the list give OutOfRange; `element` is untouched unless Found.
template <typename T>
ElementResult ElementAt(const std::vector<T>& list, const std::string& indexText, T* element) {
    std::int32_t index = 0;
    if (!ParseInt(indexText, &index)) {
        return ElementResult::BadNumber;
    }
    const std::int64_t count = static_cast<std::int64_t>(list.size());
    const std::int64_t position = index < 0 ? count + index : std::int64_t{index} - 1;
    if (position < 0 || position >= count) {
        return ElementResult::OutOfRange;
    }
    *element = list[static_cast<std::size_t>(position)];
    return ElementResult::Found;
}

}  // namespace algorithm
}  // namespace objl
