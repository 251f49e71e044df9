#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support
{
// The whole file, byte for byte; empty when it cannot be read.
std::string FileContents(const std::filesystem::path& file);

// A program of the build started as its own process, as a user starts it. Its standard output
// and error go to files the test can read; it is killed if it still runs when this goes.
class ChildProcess
{
public:
    // Changes to the environment the process inherits: a name with a value is set to it, a name
    // without one is removed.
    using Environment = std::map<std::string, std::optional<std::string>>;

    ChildProcess(const std::string& binary, std::vector<std::string> arguments,
                 const std::filesystem::path& folder = std::filesystem::current_path(),
                 const Environment& changes = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The raw wait status once the process has ended within the time given.
    std::optional<int> WaitForExit(std::chrono::milliseconds limit);
    // The exit code, or -1 when it did not exit normally within the time given.
    int ExitCode(std::chrono::milliseconds limit = std::chrono::seconds(60));
    std::string Output() const { return FileContents(myOutput); }
    std::string Errors() const { return FileContents(myErrors); }

private:
    pid_t myPid = -1;
    std::optional<int> myStatus;
    std::filesystem::path myOutput;
    std::filesystem::path myErrors;
};
} // namespace testing_support
