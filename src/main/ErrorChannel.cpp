#include "main/ErrorChannel.hpp"

#include "gfx/Err.hpp"

ErrorChannel::ErrorChannel(const std::string& program, std::ostream& out)
    : myBuffer(program, out), myPrevious(gfx::Err().rdbuf(&myBuffer))
{
}

ErrorChannel::~ErrorChannel()
{
    myBuffer.Finish();
    gfx::Err().rdbuf(myPrevious);
}

ErrorChannel::LineBuffer::LineBuffer(const std::string& program, std::ostream& out)
    : myPrefix(program + ": "), myOut(out)
{
}

void ErrorChannel::LineBuffer::Finish()
{
    if (!myLine.empty())
    {
        overflow('\n');
    }
}

ErrorChannel::LineBuffer::int_type ErrorChannel::LineBuffer::overflow(int_type character)
{
    if (traits_type::eq_int_type(character, traits_type::eof()))
    {
        return traits_type::not_eof(character);
    }
    if (traits_type::to_char_type(character) != '\n')
    {
        myLine += traits_type::to_char_type(character);
        return character;
    }
    myOut << myPrefix << myLine << std::endl;
    myLine.clear();
    return character;
}
