#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The folder whose resources/ holds the program's pictures. The program and its tools look for
// it once, at start-up, and the first match wins:
//   1. the folder the environment variable PULSESTAGE_DATA names;
//   2. the working folder: a source checkout, started in its root;
//   3. ../share/pulsestage beside the executable: an installation, whatever its prefix;
//   4. the folder the build installs the data into.
// A folder matches when its resources/ holds every one of Pictures().
class DataFolder
{
public:
    // The program's data folder, looked for on the first call. Throws std::runtime_error when
    // PULSESTAGE_DATA is set but its folder does not hold the pictures: the user named that
    // folder, and quietly taking another would hide the mistake.
    static const DataFolder& OfThisProgram();
    // Looks in the chosen folder, when there is one, then in the candidates in order. Throws as
    // OfThisProgram does when the chosen folder does not match.
    static DataFolder Find(const std::optional<std::filesystem::path>& chosen,
                           const std::vector<std::filesystem::path>& candidates);

    // The pictures a data folder holds: the scenes' and the window's icon.
    static const std::vector<std::string>& Pictures();
    static constexpr const char* IconName = "pulsestage.png";

    bool IsFound() const { return !myFolder.empty(); }
    // The image manager's prefix, ending in "/": FOLDER/resources/, or "resources/" (in the
    // working folder, as ever) when no folder matched.
    std::string GetResources() const;
    // The window's icon, or nothing when no folder matched.
    std::optional<std::string> GetIcon() const;
    // When no folder matched, one line that names the places looked in; empty otherwise.
    const std::string& GetProblem() const { return myProblem; }
    // One line that says why the named pictures, which failed to load, are missing.
    std::string ExplainFailedLoads(const std::vector<std::string>& names) const;

private:
    std::filesystem::path myFolder;
    std::string myProblem;
};
