#include "support/ChildProcess.hpp"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace testing_support
{
ChildProcess::ChildProcess(const std::string& binary, std::vector<std::string> arguments,
                           const std::filesystem::path& folder)
{
    static int count = 0;
    myErrors = std::filesystem::temp_directory_path() /
               ("pulsestage-child-" + std::to_string(getpid()) + "-" + std::to_string(++count));
    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (std::string& word : arguments)
    {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    myPid = fork();
    if (myPid == 0)
    {
        const int errors = open(myErrors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (errors >= 0 && dup2(errors, STDERR_FILENO) >= 0 && chdir(folder.c_str()) == 0)
        {
            execv(binary.c_str(), argv.data());
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

std::string ChildProcess::Errors() const
{
    std::ostringstream text;
    text << std::ifstream(myErrors).rdbuf();
    return text.str();
}
} // namespace testing_support
