#include "main/RunAndReport.hpp"

#include "main/UsageError.hpp"

int RunAndReport(const std::string& program, const std::string& usageHint, std::ostream& err,
                 const std::function<int()>& work)
{
    try
    {
        return work();
    }
    catch (const UsageError& error)
    {
        err << program << ": " << error.what() << "\n" << usageHint;
        return 2;
    }
    catch (const std::exception& error)
    {
        err << program << ": " << error.what() << "\n";
        return 1;
    }
}
