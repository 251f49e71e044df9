#pragma once

#include <functional>
#include <ostream>
#include <string>

// Runs a program's work with gfx::Err() put through an ErrorChannel to err under the program's
// name, and turns what escapes the work into the program's exit code, with one line on that
// channel: a UsageError (the user asked for something wrong) gives 2, followed by usageHint (the
// usage, or where to find it); any other exception gives 1. Otherwise the work's own result is
// the exit code.
int RunAndReport(const std::string& program, const std::string& usageHint, std::ostream& err,
                 const std::function<int()>& work);
