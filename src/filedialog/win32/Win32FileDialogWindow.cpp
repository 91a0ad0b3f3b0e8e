#include "filedialog/win32/Win32FileDialogWindow.h"

// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

#include <algorithm>

#include "filedialog/FileDialogModel.h"
#include "filedialog/win32/DirectoryListDrawing.h"
#include "filedialog/win32/ShortcutPictures.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowRouting.h"

namespace velmora::win32 {
namespace {

namespace design = file_dialog_design;

constexpr wchar_t kWindowClass[] = L"VelmoraFileDialog";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

std::wstring DriveText(const DriveInfo& drive) {
    std::wstring text{static_cast<wchar_t>(drive.letter | 0x20), L':'};
    if (!drive.label.empty()) text += L" [" + drive.label + L"]";
    return text;
}

std::size_t Selection(HWND list, UINT message) {
    const LRESULT index = SendMessageW(list, message, 0, 0);
    return index < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(index);
}

}  // namespace

void Win32FileDialogWindow::Build(FileDialogModel& model) {
    Close();
    model_ = &model;
    RegisterWindowClass(instance_, {kWindowClass, WindowProc, COLOR_BTNFACE});
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    fonts_ = FontCache(ScreenDpi());
    desktopPicture_ = DrawShortcutPicture(ShortcutPicture::Desktop, GetSysColor(COLOR_BTNFACE));
    startMenuPicture_ = DrawShortcutPicture(ShortcutPicture::StartMenu, GetSysColor(COLOR_BTNFACE));

    // Modal over whatever window of the program is active, or over none.
    owner_ = GetActiveWindow();
    CreateWindowExW(kExStyle, kWindowClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner_,
                    nullptr, instance_, this);
    if (!window_) return;
    controls_ = CreateControls(window_, design::kControls, fonts_);
    SendMessageW(Control(design::kCommand1), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(desktopPicture_.get()));
    SendMessageW(Control(design::kStartMenuButton), BM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(startMenuPicture_.get()));
}

HWND Win32FileDialogWindow::Control(int id) const {
    const auto& table = design::kControls;
    const auto found = std::find_if(table.begin(), table.end(),
                                    [id](const ControlDesign& control) { return control.id == id; });
    const auto index = static_cast<std::size_t>(found - table.begin());
    return index < controls_.size() ? controls_[index] : nullptr;
}

void Win32FileDialogWindow::ShowModal() {
    if (!window_) return;
    CentreOnScreen(window_);
    if (owner_ && IsWindowEnabled(owner_)) {
        EnableWindow(owner_, FALSE);
        ownerDisabled_ = true;
    }
    ShowWindow(window_, SW_SHOWNORMAL);
    SetFocus(Control(design::kDrive1));

    loop_.Run(window_);
    ReleaseOwner();
}

void Win32FileDialogWindow::ReleaseOwner() {
    // Before this window goes, so that the owner gets the activation back.
    if (ownerDisabled_ && IsWindow(owner_)) EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
}

void Win32FileDialogWindow::Hide() {
    ReleaseOwner();
    if (window_) ShowWindow(window_, SW_HIDE);
    // The model hides the window from inside a message, which may have been sent.
    loop_.Wake();
}

void Win32FileDialogWindow::Close() {
    ReleaseOwner();
    if (window_) DestroyWindow(window_);
    loop_.Wake();
    window_ = nullptr;
    controls_.clear();
    model_ = nullptr;
}

void Win32FileDialogWindow::SetCaption(const std::wstring& caption) {
    SetWindowTextW(window_, caption.c_str());
}

void Win32FileDialogWindow::ApplyLayout(const FileDialogLayout& layout) {
    if (!window_) return;
    for (const ControlDesign& control : layout.controls) {
        HWND handle = Control(control.id);
        PlaceControl(handle, control.kind, control.place, fonts_.Dpi());
        const bool visible = (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
        if (visible != control.visible) ShowWindow(handle, control.visible ? SW_SHOW : SW_HIDE);
    }
    SizeWindow(window_, layout.windowWidth, layout.windowHeight, layout.outerSize, fonts_.Dpi());
}

void Win32FileDialogWindow::ShowDrives(const std::vector<DriveInfo>& drives,
                                       std::optional<std::size_t> selected) {
    HWND list = Control(design::kDrive1);
    if (!list) return;
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const DriveInfo& drive : drives)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DriveText(drive).c_str()));
    SendMessageW(list, CB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
}

void Win32FileDialogWindow::ShowDirectories(const std::vector<DirectoryRow>& rows, std::size_t current) {
    HWND list = Control(design::kDir1);
    if (!list) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const DirectoryRow& row : rows) {
        const auto index = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.name.c_str()));
        SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(index), DirectoryRowData(row.level, row.open));
    }
    SendMessageW(list, LB_SETCURSEL, current, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Win32FileDialogWindow::ShowFiles(const std::vector<std::wstring>& names,
                                      std::optional<std::size_t> selected) {
    HWND list = Control(design::kFile1);
    if (!list) return;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::wstring& name : names)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageW(list, LB_SETCURSEL, selected ? static_cast<WPARAM>(*selected) : static_cast<WPARAM>(-1), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void Win32FileDialogWindow::SetNameText(const std::wstring& text) {
    HWND box = Control(design::kFileName);
    if (!box) return;
    settingName_ = true;
    SetWindowTextW(box, text.c_str());
    settingName_ = false;
}

void Win32FileDialogWindow::SetOkEnabled(bool enabled) {
    if (HWND ok = Control(design::kOk)) EnableWindow(ok, enabled);
}

LRESULT CALLBACK Win32FileDialogWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToOwner(window, message, wParam, lParam, &Win32FileDialogWindow::window_,
                        &Win32FileDialogWindow::HandleMessage);
}

LRESULT Win32FileDialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CLOSE:
            if (model_) model_->UserCancelled();
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID == static_cast<UINT>(design::kDir1)) {
                measure->itemHeight =
                    static_cast<UINT>(DirectoryRowHeight(fonts_.Dpi(), fonts_.For(FontDesign{})));
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == static_cast<UINT>(design::kDir1)) {
                DrawDirectoryRow(*item, fonts_.Dpi());
                return TRUE;
            }
            break;
        }
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32FileDialogWindow::OnCommand(int id, int code) {
    if (!model_) return;
    switch (id) {
        case IDOK:  // Enter: no button is the default, so it acts on the control it is in
            OnEnter();
            break;
        case design::kDrive1:
            if (code == CBN_SELCHANGE)
                model_->UserChoseDrive(Selection(Control(design::kDrive1), CB_GETCURSEL));
            break;
        case design::kDir1:
            if (code == LBN_DBLCLK)
                model_->UserOpenedDirectory(Selection(Control(design::kDir1), LB_GETCURSEL));
            break;
        case design::kFile1:
            if (code == LBN_SELCHANGE) {
                model_->UserClickedFile(Selection(Control(design::kFile1), LB_GETCURSEL));
            } else if (code == LBN_DBLCLK) {
                model_->UserDoubleClickedFile(Selection(Control(design::kFile1), LB_GETCURSEL));
            }
            break;
        case design::kFileName:
            if (code == EN_CHANGE && !settingName_) {
                HWND box = Control(design::kFileName);
                std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
                text.resize(static_cast<std::size_t>(
                    GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
                model_->UserEditedName(text);
            }
            break;
        case design::kOk:
            model_->UserPressedOk();
            break;
        case design::kAbbruch:
            model_->UserCancelled();
            break;
        case design::kCommand1:
            model_->UserPressedDesktop();
            break;
        case design::kStartMenuButton:
            model_->UserPressedStartMenu();
            break;
        default:
            break;  // Escape (IDCANCEL) is no button either
    }
}

void Win32FileDialogWindow::OnEnter() {
    HWND focus = GetFocus();
    if (focus == Control(design::kDir1)) {
        model_->UserOpenedDirectory(Selection(focus, LB_GETCURSEL));
        return;
    }
    // A focused button takes Enter as a press, as it takes the space bar.
    for (int id : {design::kOk, design::kAbbruch, design::kCommand1, design::kStartMenuButton}) {
        if (focus == Control(id) && IsWindowEnabled(focus)) {
            OnCommand(id, BN_CLICKED);
            return;
        }
    }
}

}  // namespace velmora::win32
