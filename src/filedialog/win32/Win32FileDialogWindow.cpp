#include "filedialog/win32/Win32FileDialogWindow.h"

// commctrl.h needs the definitions of windows.h
#include <commctrl.h>

#include "filedialog/FileDialogModel.h"
#include "filedialog/win32/DirectoryListDrawing.h"
#include "filedialog/win32/FileDialogDesign.h"
#include "filedialog/win32/ShortcutPictures.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/ToolTip.h"
#include "platform/win32/WindowClass.h"
#include "platform/win32/WindowRouting.h"

namespace velmora::win32 {
namespace {

namespace design = file_dialog_design;

constexpr wchar_t kWindowClass[] = L"VelmoraFileDialog";
// The two bars that hold buttons: they pass their buttons' notifications on to the window.
constexpr wchar_t kShortcutBarClass[] = L"VelmoraFileDialogShortcutBar";
constexpr wchar_t kButtonBarClass[] = L"VelmoraFileDialogButtonBar";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

LRESULT CALLBACK BarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return SendMessageW(GetParent(bar), message, wParam, lParam);
    return DefWindowProcW(bar, message, wParam, lParam);
}

void RegisterClasses(HINSTANCE instance, WNDPROC windowProc) {
    RegisterWindowClass(instance, {kWindowClass, windowProc, COLOR_BTNFACE});
    RegisterWindowClass(instance, {kButtonBarClass, BarProc, COLOR_BTNFACE});
    RegisterWindowClass(instance, {kShortcutBarClass, BarProc, COLOR_APPWORKSPACE});
}

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
    RegisterClasses(instance_, WindowProc);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    dpi_ = ScreenDpi();
    font_ = MakeFont({design::kFontFace, design::kFontHundredthsOfPoint, false, false}, dpi_);
    boldFont_ = MakeFont({design::kFontFace, design::kFontHundredthsOfPoint, true, false}, dpi_);
    desktopPicture_ = DrawShortcutPicture(ShortcutPicture::Desktop, GetSysColor(COLOR_BTNFACE));
    startMenuPicture_ = DrawShortcutPicture(ShortcutPicture::StartMenu, GetSysColor(COLOR_BTNFACE));

    // Modal over whatever window of the program is active, or over none.
    owner_ = GetActiveWindow();
    CreateWindowExW(kExStyle, kWindowClass, L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner_,
                    nullptr, instance_, this);
    if (window_) CreateControls();
}

void Win32FileDialogWindow::CreateControls() {
    HFONT font = font_.get();
    HFONT bold = boldFont_.get();
    // Created in the tab order; ApplyLayout puts them in place.
    AddControl(window_, WC_COMBOBOXW, L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_HASSTRINGS,
               design::kDrive1, font);
    AddControl(window_, WC_LISTBOXW, L"",
               WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS |
                   LBS_NOINTEGRALHEIGHT,
               design::kDir1, font);
    AddControl(window_, WC_EDITW, L"", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, design::kFileName, font,
               WS_EX_CLIENTEDGE);
    AddControl(window_, WC_LISTBOXW, L"",
               WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, design::kFile1, font);
    HWND shortcuts =
        AddControl(window_, kShortcutBarClass, L"", 0, design::kFrame1, font, WS_EX_CONTROLPARENT);
    HWND startMenu = AddControl(shortcuts, WC_BUTTONW, L"", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
                                design::kStartMenuButton, font);
    HWND desktop = AddControl(shortcuts, WC_BUTTONW, L"", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
                              design::kCommand1, font);
    HWND buttons = AddControl(window_, kButtonBarClass, L"", 0, design::kFrame2, font, WS_EX_CONTROLPARENT);
    AddControl(buttons, WC_BUTTONW, design::kAbbruchText, WS_TABSTOP | BS_PUSHBUTTON, design::kAbbruch, bold);
    AddControl(buttons, WC_BUTTONW, design::kOkText, WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, design::kOk,
               bold);

    SendMessageW(desktop, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(desktopPicture_.get()));
    SendMessageW(startMenu, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(startMenuPicture_.get()));
    AddToolTips(window_, {{desktop, design::kCommand1ToolTip}, {startMenu, design::kStartMenuToolTip}});
}

HWND Win32FileDialogWindow::AddControl(HWND parent, const wchar_t* className, const wchar_t* text,
                                       DWORD style, int id, HFONT font, DWORD exStyle) {
    HWND control =
        CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    controls_[static_cast<std::size_t>(id - design::kDrive1)] = control;
    return control;
}

HWND Win32FileDialogWindow::Control(int id) const {
    return controls_[static_cast<std::size_t>(id - design::kDrive1)];
}

void Win32FileDialogWindow::ShowModal() {
    if (!window_) return;
    RECT frame;
    GetWindowRect(window_, &frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
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
    controls_.fill(nullptr);
    model_ = nullptr;
}

void Win32FileDialogWindow::SetCaption(const std::wstring& caption) {
    SetWindowTextW(window_, caption.c_str());
}

void Win32FileDialogWindow::ApplyLayout(const FileDialogLayout& layout) {
    if (!window_) return;
    const auto place = [this](int id, const DialogRect& r) {
        MoveWindow(Control(id), TwipsToPixels(r.left, dpi_), TwipsToPixels(r.top, dpi_),
                   TwipsToPixels(r.width, dpi_), TwipsToPixels(r.height, dpi_), TRUE);
    };
    place(design::kFrame1, layout.frame1);
    place(design::kCommand1, layout.command1);
    place(design::kStartMenuButton, layout.startMenuButton);
    // A drop-down list's height includes its open list.
    DialogRect drive = layout.drive1;
    drive.height *= 8;
    place(design::kDrive1, drive);
    place(design::kDir1, layout.dir1);
    place(design::kFileName, layout.fileName);
    place(design::kFile1, layout.file1);
    place(design::kFrame2, layout.frame2);
    place(design::kOk, layout.ok);
    place(design::kAbbruch, layout.abbruch);
    ShowWindow(Control(design::kFileName), layout.fileNameVisible ? SW_SHOW : SW_HIDE);
    ShowWindow(Control(design::kFile1), layout.file1Visible ? SW_SHOW : SW_HIDE);

    RECT size{0, 0, TwipsToPixels(layout.windowWidth, dpi_), TwipsToPixels(layout.windowHeight, dpi_)};
    if (!layout.outerSize) AdjustWindowRectEx(&size, kStyle, FALSE, kExStyle);
    SetWindowPos(window_, nullptr, 0, 0, size.right - size.left, size.bottom - size.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
            if (model_) model_->UserClosedWindow();
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure->CtlID == static_cast<UINT>(design::kDir1)) {
                measure->itemHeight = static_cast<UINT>(DirectoryRowHeight(dpi_, font_.get()));
                return TRUE;
            }
            break;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID == static_cast<UINT>(design::kDir1)) {
                DrawDirectoryRow(*item, dpi_);
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
            model_->UserPressedAbbruch();
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
