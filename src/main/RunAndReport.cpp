#include "main/RunAndReport.hpp"

#include "gfx/Err.hpp"
#include "main/ErrorChannel.hpp"
#include "main/UsageError.hpp"

int RunAndReport(const std::string& program, const std::string& usageHint, std::ostream& err,
                 const std::function<int()>& work)
{
    const ErrorChannel channel(program, err);
    try
    {
        return work();
    }
    catch (const UsageError& error)
    {
        gfx::Err() << error.what() << std::endl;
        err << usageHint;
        return 2;
    }
    catch (const std::exception& error)
    {
        gfx::Err() << error.what() << std::endl;
        return 1;
    }
}
