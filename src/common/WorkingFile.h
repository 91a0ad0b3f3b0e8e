// Replacing a settings file so that it is never lost or left half written: the new
// content is made complete under a working name beside it, then moved into its place.
#pragma once

#include <functional>
#include <string>

#include "platform/Platform.h"

namespace velmora {

// The working file beside a settings file: `destination` + "_temp2.txt".
std::wstring WorkingFileFor(const std::wstring& destination);

// Replaces `destination` by a file that `produce` makes under the working name. The
// destination keeps its old content unless the new one is complete; the working file
// (a stale one from an interrupted run as well) does not survive.
bool ReplaceThroughWorkingFile(Platform& platform, const std::wstring& destination,
                               const std::function<bool(const std::wstring& working)>& produce);

}  // namespace velmora
