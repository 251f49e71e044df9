#include "stage/WholeRange.hpp"

#include <CLI/CLI.hpp>
#include <charconv>
#include <stdexcept>
#include <system_error>

long long WholeRange::Read(const std::string& text) const
{
    long long value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end ||
        (error != std::errc() && error != std::errc::result_out_of_range))
    {
        throw std::invalid_argument("must be a whole number, not \"" + text + "\"");
    }
    if (error == std::errc::result_out_of_range || value < myLeast || value > myMost)
    {
        throw std::invalid_argument("must be from " + Text() + ", not " + text);
    }
    return value;
}

CLI::Validator WholeRange::Check() const
{
    return CLI::Validator(
        [range = *this](std::string& text)
        {
            try
            {
                range.Read(text);
                return std::string();
            }
            catch (const std::invalid_argument& problem)
            {
                return std::string(problem.what());
            }
        },
        "");
}

std::string WholeRange::Text() const
{
    return std::to_string(myLeast) + " to " + std::to_string(myMost);
}
