#pragma once

#include <algorithm>
#include <cctype>
#include <string>

// The text with its ASCII letters in lower case: names and extensions the user may write in any
// case are compared in this form.
inline std::string Lowercase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
