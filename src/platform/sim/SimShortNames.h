// The 8.3 names of the simulated file system. Windows stores a short name beside every
// long one; the simulation derives it from the long name instead, the way Windows forms
// the first one: a name that already fits 8.3 is its own short name, any other becomes
// the first six usable characters of its stem, "~1", and the first three of its
// extension, in upper case. Two names that come out the same are not told apart, so a
// test gives such siblings names that differ in their first six characters.
#pragma once

#include <string>

namespace velmora::sim {

std::wstring ShortNameOf(const std::wstring& name);

}  // namespace velmora::sim
