#pragma once
// Dialogs of the Win32 window, built at run time from the same templates as
// the other realisations: a template's control id is the Win32 control id.

#include <windows.h>

#include <memory>

#include "base/dialog_template.h"
#include "ui/services.h"

namespace tarnex::ui::win32 {

// A dialog from its template, over `owner` (the frame, or the dialog running
// modally when it opens). Callable from any thread; its windows live on the
// window thread.
std::unique_ptr<Dialog> make_win32_dialog(const DialogTemplate& dialog_template, HWND owner);

// The dialog window of a dialog made by make_win32_dialog (a page's window is
// its own: GetDlgItem finds a page's controls in it); null for another
// realisation's dialog.
HWND window_of(const Dialog& dialog);

}  // namespace tarnex::ui::win32
