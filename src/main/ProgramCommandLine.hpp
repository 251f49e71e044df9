#pragma once

#include <ostream>
#include <string>
#include <vector>

// What pulsestage makes of its command line: without arguments the program starts; --help and
// --version answer and end it.
class ProgramCommandLine
{
public:
    ProgramCommandLine() = delete;

    // The arguments without the program's name. Prints the help or the version to out and returns
    // true when asked for one, returns false when the program is to start; throws UsageError for
    // anything else.
    static bool Answer(const std::vector<std::string>& arguments, std::ostream& out);
    // The answer every program of the build gives to a lone --help (or -h) and --version: prints
    // the help or the version line to out and returns true; false for any other command line.
    static bool AnswerHelpOrVersion(const std::vector<std::string>& arguments,
                                    const std::string& help, std::ostream& out);
    // The line that follows a wrong command line.
    static std::string Usage();
    static std::string Help();
};
