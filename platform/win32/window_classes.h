// The window classes of the program's windows and the window procedure that
// hands their messages to TWin32Window.
#pragma once

namespace platform_win32 {

// Shows a popup once the toolkit has sized and placed it.
constexpr unsigned kShowPopupMessage = 0x8000 + 1;  // WM_APP + 1

// The window classes: main window, dialog, hint popup.
extern const wchar_t kMainClass[];
extern const wchar_t kDialogClass[];
extern const wchar_t kPopupClass[];

// Registers the window classes; the platform calls it once at start-up.
void RegisterWindowClasses();

// The first main window of this thread, the default owner of dialogs and popups.
void* FindMainWindow();

}  // namespace platform_win32
