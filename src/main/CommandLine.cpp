#include "main/CommandLine.hpp"

#include "gfx/Err.hpp"
#include "main/BuildInfo.hpp"
#include "main/ErrorChannel.hpp"
#include "main/UsageError.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>

namespace
{
std::string Indented(const std::string& text, std::size_t column)
{
    std::string indented;
    for (const char character : text)
    {
        indented += character;
        if (character == '\n')
        {
            indented += std::string(column, ' ');
        }
    }
    return indented;
}

// The text without the line breaks it ends with, and its lines broken between words where they
// are longer than a terminal of 100 columns shows.
std::string Wrapped(const std::string& text)
{
    constexpr std::size_t Width = 99;
    std::string wrapped;
    std::istringstream lines(text.substr(0, text.find_last_not_of('\n') + 1));
    for (std::string line; std::getline(lines, line);)
    {
        while (line.size() > Width && line.rfind(' ', Width) != std::string::npos)
        {
            const std::size_t space = line.rfind(' ', Width);
            wrapped += line.substr(0, space) + "\n";
            line.erase(0, space + 1);
        }
        wrapped += line + "\n";
    }
    return wrapped.substr(0, wrapped.size() - (wrapped.empty() ? 0 : 1));
}

// The help laid out alike whatever CLI11 release builds it: the usage, the description, the
// options in the order they were declared with --help and --version last, the footer.
class HelpLayout final : public CLI::FormatterBase
{
public:
    explicit HelpLayout(std::string usage) : myUsage(std::move(usage)) {}

    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override
    {
        std::vector<const CLI::Option*> options =
            app->get_options([](const CLI::Option* option) { return option->nonpositional(); });
        std::stable_partition(options.begin(), options.end(),
                              [app](const CLI::Option* option) {
                                  return option != app->get_help_ptr() &&
                                         option != app->get_version_ptr();
                              });
        std::vector<std::string> names;
        std::size_t column = 0;
        for (const CLI::Option* option : options)
        {
            names.push_back(Names(*option));
            column = std::max(column, names.back().size() + 4);
        }
        std::string list = "Options:";
        for (std::size_t i = 0; i < options.size(); ++i)
        {
            list += "\n  " + names[i] + std::string(column - 2 - names[i].size(), ' ') +
                    Indented(options[i]->get_description(), column);
        }
        std::string help;
        for (const std::string& section :
             {myUsage, Wrapped(app->get_description()), list, Wrapped(app->get_footer())})
        {
            help += section.empty() ? "" : (help.empty() ? "" : "\n") + section + "\n";
        }
        return help;
    }

private:
    // "--size WxH", "--help, -h".
    static std::string Names(const CLI::Option& option)
    {
        std::string names;
        for (const std::string& name : option.get_lnames())
        {
            names += (names.empty() ? "--" : ", --") + name;
        }
        for (const std::string& name : option.get_snames())
        {
            names += (names.empty() ? "-" : ", -") + name;
        }
        return option.get_type_size() == 0 ? names : names + " " + option.get_type_name();
    }

    std::string myUsage;
};
} // namespace

CommandLine::CommandLine(std::string program, std::string usage, std::string description,
                         std::string footer)
    : myProgram(std::move(program)),
      myUsage("Usage: " + myProgram + " " + Indented(usage, myProgram.size() + 8)),
      myOptions(std::make_unique<CLI::App>(std::move(description), myProgram))
{
    myOptions->formatter(std::make_shared<HelpLayout>(myUsage));
    myOptions->footer(std::move(footer));
    myOptions->set_help_flag("--help,-h", "print this text");
    myOptions->set_version_flag("--version", BuildInfo::VersionLine(), "print the version");
    // Named by Parse, in the program's own words.
    myOptions->allow_extras();
}

CommandLine::~CommandLine() = default;

int CommandLine::Run(const std::vector<std::string>& arguments, std::ostream& out,
                     std::ostream& err, const std::function<int()>& work)
{
    const ErrorChannel channel(myProgram, err);
    try
    {
        return Parse(arguments, out) ? work() : 0;
    }
    catch (const UsageError& error)
    {
        gfx::Err() << error.what() << std::endl;
        err << myUsage << "\n(" << myProgram << " --help tells more)\n";
        return 2;
    }
    catch (const std::exception& error)
    {
        gfx::Err() << error.what() << std::endl;
        return 1;
    }
}

std::string CommandLine::GetHelp() const
{
    return myOptions->help();
}

bool CommandLine::Parse(const std::vector<std::string>& arguments, std::ostream& out)
{
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try
    {
        myOptions->parse(reversed);
    }
    catch (const CLI::CallForHelp&)
    {
        out << GetHelp();
        return false;
    }
    catch (const CLI::CallForVersion&)
    {
        out << BuildInfo::VersionLine() << "\n";
        return false;
    }
    catch (const CLI::ParseError& error)
    {
        throw UsageError(error.what());
    }
    const std::vector<std::string> extras = myOptions->remaining();
    for (const std::string& extra : extras)
    {
        if (extra.size() > 1 && extra.front() == '-')
        {
            throw UsageError("unknown option \"" + extra.substr(0, extra.find('=')) + "\"");
        }
    }
    if (!extras.empty())
    {
        throw UsageError("unexpected argument \"" + extras.front() + "\"");
    }
    return true;
}
