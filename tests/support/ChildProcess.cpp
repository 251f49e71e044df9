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
namespace
{
std::filesystem::path TemporaryFile(const std::string& kind)
{
    static int count = 0;
    return std::filesystem::temp_directory_path() /
           ("pulsestage-child-" + std::to_string(getpid()) + "-" + std::to_string(++count) + "." +
            kind);
}

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void Redirect(const std::filesystem::path& path, int descriptor)
{
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (file >= 0)
    {
        dup2(file, descriptor);
        close(file);
    }
}
} // namespace

ChildProcess::ChildProcess(const std::string& binary, const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder)
    : myOutput(TemporaryFile("out")), myErrors(TemporaryFile("err"))
{
    std::vector<std::string> words{binary};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
    {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    myPid = fork();
    if (myPid == 0)
    {
        Redirect(myOutput, STDOUT_FILENO);
        Redirect(myErrors, STDERR_FILENO);
        if (chdir(folder.c_str()) == 0)
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
    std::filesystem::remove(myOutput, ignored);
    std::filesystem::remove(myErrors, ignored);
}

std::optional<int> ChildProcess::WaitForExit(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!myStatus && myPid > 0)
    {
        int status = 0;
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
    return ReadAll(myOutput);
}

std::string ChildProcess::Errors() const
{
    return ReadAll(myErrors);
}
} // namespace testing_support
