#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace CLI
{
class App;
}

// A program of the build around its work, the same for every one of them: its command line read
// with CLI11, --help (or -h) and --version answered, its problems reported under its name through
// an ErrorChannel, and its exit code.
class CommandLine
{
public:
    // The usage follows "Usage: PROGRAM " (further lines of it are indented to match), the
    // description follows the usage and the footer the options in the help.
    CommandLine(std::string program, std::string usage, std::string description,
                std::string footer = "");
    ~CommandLine();
    CommandLine(const CommandLine&) = delete;
    CommandLine& operator=(const CommandLine&) = delete;

    // Where the program declares its options and arguments.
    CLI::App& GetOptions() { return *myOptions; }

    // Reads the arguments (without the program's name) and runs the work, unless they ask for
    // the help or the version, which go to out. Returns the exit code: the work's own, 0 after
    // the help or the version; 2 with one line on err for a UsageError (a wrong option, value or
    // argument, or whatever else the user asked for wrongly), followed by the usage; 1 with one
    // line on err for any other exception. Every line on gfx::Err() meanwhile reaches err behind
    // the program's name.
    int Run(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
            const std::function<int()>& work);

    std::string GetHelp() const;

private:
    // False after answering --help or --version.
    bool Parse(const std::vector<std::string>& arguments, std::ostream& out);

    std::string myProgram;
    // "Usage: PROGRAM ...", on as many lines as it takes.
    std::string myUsage;
    std::unique_ptr<CLI::App> myOptions;
};
