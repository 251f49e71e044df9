#include "support/ChildProcess.hpp"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace testing_support
{
namespace
{
// This process's environment as NAME=value lines, with the changes made.
std::vector<std::string> ChangedEnvironment(const ChildProcess::Environment& changes)
{
    std::vector<std::string> lines;
    for (char** line = environ; *line; ++line)
    {
        const std::string text = *line;
        if (changes.count(text.substr(0, text.find('='))) == 0)
        {
            lines.push_back(text);
        }
    }
    for (const auto& [name, value] : changes)
    {
        if (value)
        {
            lines.push_back(name + "=" + *value);
        }
    }
    return lines;
}

std::vector<char*> Pointers(std::vector<std::string>& words)
{
    std::vector<char*> pointers;
    for (std::string& word : words)
    {
        pointers.push_back(word.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

std::string Contents(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

bool Redirect(const std::filesystem::path& file, int stream)
{
    const int descriptor = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    return descriptor >= 0 && dup2(descriptor, stream) >= 0;
}
} // namespace

ChildProcess::ChildProcess(const std::string& binary, std::vector<std::string> arguments,
                           const std::filesystem::path& folder, const Environment& changes)
{
    static int count = 0;
    const std::string name =
        "pulsestage-child-" + std::to_string(getpid()) + "-" + std::to_string(++count);
    myOutput = std::filesystem::temp_directory_path() / (name + ".out");
    myErrors = std::filesystem::temp_directory_path() / (name + ".err");
    arguments.insert(arguments.begin(), binary);
    const std::vector<char*> argv = Pointers(arguments);
    std::vector<std::string> environment = ChangedEnvironment(changes);
    const std::vector<char*> envp = Pointers(environment);
    myPid = fork();
    if (myPid == 0)
    {
        if (Redirect(myOutput, STDOUT_FILENO) && Redirect(myErrors, STDERR_FILENO) &&
            chdir(folder.c_str()) == 0)
        {
            execve(binary.c_str(), argv.data(), envp.data());
        }
        _exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    if (myPid > 0 && !myStatus)
    {
        kill(myPid, SIGKILL);
        waitpid(myPid, nullptr, 0);
    }
    std::error_code ignored;
    std::filesystem::remove(myOutput, ignored);
    std::filesystem::remove(myErrors, ignored);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (!myStatus && myPid > 0)
    {
        if (waitpid(myPid, &status, WNOHANG) == myPid)
        {
            myStatus = status;
        }
        else if (std::chrono::steady_clock::now() >= deadline)
        {
            break;
        }
        else
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    return myStatus;
}

int ChildProcess::ExitCode(std::chrono::milliseconds limit)
{
    const std::optional<int> status = WaitForExit(limit);
    return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
}

std::string ChildProcess::Output() const
{
    return Contents(myOutput);
}

std::string ChildProcess::Errors() const
{
    return Contents(myErrors);
}
} // namespace testing_support
