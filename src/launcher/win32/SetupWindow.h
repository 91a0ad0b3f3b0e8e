// The setup window shown for "/?" and the setup switches, or when Total Commander is
// not found: a fixed dialog, centred on the screen and kept out of the taskbar. It moves
// clicks to the controller and nothing else; what a click does is decided there.
#pragma once

#include <windows.h>

#include "launcher/SetupWindowController.h"
#include "platform/win32/Controls.h"
#include "platform/win32/GdiObject.h"
#include "platform/win32/ModalLoop.h"

namespace velmora::win32 {

class SetupWindow final : public SetupView {
public:
    explicit SetupWindow(SetupWindowController& controller) : controller_(controller) {}
    SetupWindow(const SetupWindow&) = delete;
    SetupWindow& operator=(const SetupWindow&) = delete;
    ~SetupWindow() override;

    // Shows the window and returns when it has been closed.
    void ShowModal(HINSTANCE instance);

    void ShowWebLink(bool visible) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void AddControls();
    void OnCommand(int controlId, int notification);
    bool OnSetCursor(HWND under);
    void DrawPicture(const DRAWITEMSTRUCT& item) const;

    SetupWindowController& controller_;
    HWND window_ = nullptr;
    // An owned window has no taskbar button: this hidden one owns the setup window.
    HWND owner_ = nullptr;
    FontCache fonts_{96};
    UniqueBitmap picture_;
    ModalLoop loop_;
};

}  // namespace velmora::win32
