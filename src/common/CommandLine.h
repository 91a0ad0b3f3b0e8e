#pragma once

#include <string>

namespace velmora {

// The command line after the program's own path (quoted or not) and the blanks that
// separate the two. Blanks at the end belong to the tail.
std::wstring CommandLineTailOf(const std::wstring& commandLine);

// True for the words that ask for the setup window, given in upper case: "/SETUP",
// "SETUP" and "-SETUP".
bool IsSetupWord(const std::wstring& upperCaseWord);

}  // namespace velmora
