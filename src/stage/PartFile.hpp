#pragma once

#include <cstdio>
#include <string>

// A file written under a temporary name beside its target, the target's name with ".part"
// added, and put in place by Commit. One that goes without Commit is removed, so that a write
// that fails, or a program that stops on an error, leaves nothing behind: never half a file
// under the name asked for, and never a file that was there before overwritten by half of one.
class PartFile
{
public:
    // Creates the temporary file. what names the contents for messages, such as "the GIF".
    // Throws std::runtime_error when the file cannot be created.
    PartFile(std::string path, std::string what);
    ~PartFile();
    PartFile(const PartFile&) = delete;
    PartFile& operator=(const PartFile&) = delete;

    // Where the contents go until Commit.
    std::FILE* Get() const { return myFile; }
    // Closes the temporary file and renames it to the target. Throws std::runtime_error when a
    // write failed meanwhile or the file cannot be closed or renamed.
    void Commit();
    // Throws std::runtime_error: "cannot write WHAT to "PATH": reason".
    [[noreturn]] void Fail(const std::string& reason) const;

private:
    std::string myPath;
    std::string myTemporary;
    std::string myWhat;
    std::FILE* myFile;
    bool myCommitted = false;
};
