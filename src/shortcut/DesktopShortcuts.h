// The offer to put shortcuts to the launcher on the desktop.
#pragma once

namespace velmora {

class DesktopShortcuts {
public:
    virtual ~DesktopShortcuts() = default;
    virtual void CreateDesktopShortCut() = 0;
};

// PLACEHOLDER until desktop shortcuts can be created: the offer does nothing.
class NoDesktopShortcuts final : public DesktopShortcuts {
public:
    void CreateDesktopShortCut() override {}
};

}  // namespace velmora
