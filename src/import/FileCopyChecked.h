// The two routines the imports are built from: a copy that never loses its destination,
// and the path of a shell folder.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace velmora {

// The file-system path of a shell folder (CSIDL number), or "".
std::wstring GetSpecialFolderPath(Platform& platform, int csidl);

// Copies `Source` to `Destination`; an existing destination is replaced only with
// `Overwrite`, and then in one step, so that it is never lost when the copy fails.
// True when the copy was made and both files exist afterwards.
bool FileCopyChecked(Platform& platform, const std::wstring& Source, const std::wstring& Destination,
                     bool Overwrite);

}  // namespace velmora
