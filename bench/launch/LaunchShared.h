// Names the launch benchmark's programs agree on.
#pragma once

namespace velmora::bench {

// Released by the stand-in Totalcmd.exe once per start, so the timer knows the launcher
// really started Total Commander.
inline constexpr wchar_t kStandInStarted[] = L"velmora-bench-standin-started";

}  // namespace velmora::bench
