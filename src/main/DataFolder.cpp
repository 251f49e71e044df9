#include "main/DataFolder.hpp"

#include "main/BuildInfo.hpp"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
const char* const Variable = "PULSESTAGE_DATA";

// "a", "a and b", "a, b and c".
std::string Enumerate(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return text;
}

std::vector<std::string> MissingPictures(const fs::path& folder)
{
    std::vector<std::string> missing;
    for (const std::string& name : DataFolder::Pictures())
    {
        std::error_code ignored;
        if (!fs::is_regular_file(folder / "resources" / name, ignored))
        {
            missing.push_back(name);
        }
    }
    return missing;
}

std::optional<fs::path> Chosen()
{
    const char* value = std::getenv(Variable);
    if (!value || !*value)
    {
        return std::nullopt;
    }
    return fs::path(value);
}

// The working folder, then the installation's, beside the executable, then the build's install
// folder; a place that cannot be told (a deleted working folder) is left out.
std::vector<fs::path> Candidates()
{
    std::vector<fs::path> candidates;
    std::error_code failed;
    const fs::path working = fs::current_path(failed);
    if (!failed)
    {
        candidates.push_back(working);
    }
    const fs::path executable = fs::read_symlink("/proc/self/exe", failed);
    if (!failed)
    {
        candidates.push_back(
            (executable.parent_path() / ".." / "share" / "pulsestage").lexically_normal());
    }
    candidates.push_back(BuildInfo::InstalledDataFolder());
    return candidates;
}
} // namespace

const std::vector<std::string>& DataFolder::Pictures()
{
    static const std::vector<std::string> pictures = {"cursor.png", "figur.png", "haehnchen.png",
                                                      IconName};
    return pictures;
}

const DataFolder& DataFolder::OfThisProgram()
{
    static const DataFolder folder = Find(Chosen(), Candidates());
    return folder;
}

DataFolder DataFolder::Find(const std::optional<fs::path>& chosen,
                            const std::vector<fs::path>& candidates)
{
    DataFolder found;
    if (chosen)
    {
        const std::vector<std::string> missing = MissingPictures(*chosen);
        if (!missing.empty())
        {
            std::error_code ignored;
            throw std::runtime_error(std::string(Variable) + " is \"" + chosen->string() + "\", " +
                                     (fs::is_directory(*chosen, ignored)
                                          ? "but its resources/ lacks " + Enumerate(missing)
                                          : "which is no folder") +
                                     "; name the folder that holds resources/, or unset it");
        }
        found.myFolder = *chosen;
        return found;
    }
    std::vector<std::string> tried;
    for (const fs::path& candidate : candidates)
    {
        if (MissingPictures(candidate).empty())
        {
            found.myFolder = candidate;
            return found;
        }
        if (std::find(tried.begin(), tried.end(), candidate.string()) == tried.end())
        {
            tried.push_back(candidate.string());
        }
    }
    found.myProblem = "no folder holds the pictures: looked for resources/ with " +
                      Enumerate(Pictures()) + " in " + Enumerate(tried) + "; set " + Variable +
                      " to the folder that holds it";
    return found;
}

std::string DataFolder::GetResources() const
{
    return IsFound() ? (myFolder / "resources" / "").string() : "resources/";
}

std::optional<std::string> DataFolder::GetIcon() const
{
    if (!IsFound())
    {
        return std::nullopt;
    }
    return GetResources() + IconName;
}

std::string DataFolder::ExplainFailedLoads(const std::vector<std::string>& names) const
{
    const std::string needed = "the scene needs " + Enumerate(names);
    if (!IsFound())
    {
        return needed + ", but " + myProblem;
    }
    return needed + ", which cannot be loaded from " + GetResources();
}
