#include "stage/PartFile.hpp"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

PartFile::PartFile(std::string path, std::string what)
    : myPath(std::move(path)), myTemporary(myPath + ".part"), myWhat(std::move(what)),
      myFile(std::fopen(myTemporary.c_str(), "wb"))
{
    if (!myFile)
    {
        Fail(std::strerror(errno));
    }
}

PartFile::~PartFile()
{
    if (myFile)
    {
        std::fclose(myFile);
    }
    if (!myCommitted)
    {
        std::remove(myTemporary.c_str());
    }
}

void PartFile::Commit()
{
    const bool written = std::ferror(myFile) == 0;
    const bool closed = std::fclose(myFile) == 0;
    const int error = errno;
    myFile = nullptr;
    if (!written || !closed)
    {
        Fail(written ? std::strerror(error) : "a write failed");
    }
    if (std::rename(myTemporary.c_str(), myPath.c_str()) != 0)
    {
        Fail(std::strerror(errno));
    }
    myCommitted = true;
}

void PartFile::Fail(const std::string& reason) const
{
    throw std::runtime_error("cannot write " + myWhat + " to \"" + myPath + "\": " + reason);
}
