#include "support/ChildProcess.hpp"

#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace testing_support
{
std::string FileContents(const std::filesystem::path& file)
{
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

ChildProcess::ChildProcess(const std::string& binary, std::vector<std::string> arguments,
                           const std::filesystem::path& folder, const Environment& changes)
{
    static int count = 0;
    const std::string name =
        (std::filesystem::temp_directory_path() / "pulsestage-child-").string() +
        std::to_string(getpid()) + "-" + std::to_string(++count);
    myOutput = name + ".out";
    myErrors = name + ".err";
    // env(1) moves into the folder, changes the environment (removals are options, so they come
    // before the settings) and becomes the binary.
    std::vector<std::string> words{"env", "--chdir=" + folder.string()};
    for (const auto& [variable, value] : changes)
    {
        words.insert(value ? words.end() : words.begin() + 1,
                     value ? variable + "=" + *value : "--unset=" + variable);
    }
    words.push_back(binary);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
    {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC;
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, myOutput.c_str(), flags, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, myErrors.c_str(), flags, 0644);
    if (posix_spawn(&myPid, "/usr/bin/env", &actions, nullptr, argv.data(), environ) != 0)
    {
        myPid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
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
    while (myPid > 0 && !myStatus && waitpid(myPid, &status, WNOHANG) != myPid)
    {
        if (std::chrono::steady_clock::now() >= deadline)
        {
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (myPid > 0 && !myStatus)
    {
        myStatus = status;
    }
    return myStatus;
}

int ChildProcess::ExitCode(std::chrono::milliseconds limit)
{
    const std::optional<int> status = WaitForExit(limit);
    return status && WIFEXITED(*status) ? WEXITSTATUS(*status) : -1;
}
} // namespace testing_support
