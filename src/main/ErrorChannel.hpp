#pragma once

#include <ostream>
#include <streambuf>
#include <string>

// How a program of the build tells its user of problems: while a channel exists, every line
// written to gfx::Err(), by the program or the layers below it, reaches the stream as
// "PROGRAM: line", so that the user sees which program speaks.
class ErrorChannel
{
public:
    ErrorChannel(const std::string& program, std::ostream& out);
    // Passes on an unfinished line and gives gfx::Err() its earlier buffer back.
    ~ErrorChannel();
    ErrorChannel(const ErrorChannel&) = delete;
    ErrorChannel& operator=(const ErrorChannel&) = delete;

private:
    // Collects a line and writes it whole, behind the program's name.
    class LineBuffer final : public std::streambuf
    {
    public:
        LineBuffer(const std::string& program, std::ostream& out);
        void Finish();

    protected:
        int_type overflow(int_type character) override;

    private:
        std::string myPrefix;
        std::ostream& myOut;
        std::string myLine;
    };

    LineBuffer myBuffer;
    std::streambuf* myPrevious;
};
