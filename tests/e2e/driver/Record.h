// What the Total Commander stand-in writes for each start (see standin/Standin.cpp).
#pragma once

#include <string>
#include <vector>

namespace velmora::e2e {

struct Launch {
    std::wstring commandLine;       // as GetCommandLineW returned it
    std::wstring currentDirectory;  // as GetCurrentDirectoryW returned it
    std::wstring executable;        // the stand-in's own full path
    int showState = -1;             // as the starter asked for it; -1 when it did not
    unsigned long processId = 0;
};

// Every start recorded in the file, oldest first; none when the file does not exist.
// Throws when a line is not in the stand-in's format.
std::vector<Launch> ReadLaunches(const std::wstring& recordFile);

}  // namespace velmora::e2e
