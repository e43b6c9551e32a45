// The Options page: what happens when the copy ends, and the confirmation
// and repeat mode of the copy run.
#include "app/bounded_text.h"
#include "res/resource.h"
#include "ui/page_controls.h"
#include "ui/page_values.h"
#include "ui/pages.h"
#include "ui/program_picker.h"

namespace {

void Enable(HWND page, int control, bool enabled) {
    EnableWindow(GetDlgItem(page, control), enabled);
}

// The controls that belong to the chosen action are enabled, the others not;
// ExitMode follows the click at once.
void SelectAction(HWND page, int radio) {
    bool exitWindows = radio == IDC_ACTION_EXIT;
    bool runCommand = radio == IDC_ACTION_RUN;
    Enable(page, IDC_CONFIRM_EXIT, exitWindows);
    Enable(page, IDC_STANDBY, exitWindows);
    Enable(page, IDC_COMMAND_EDIT, runCommand);
    Enable(page, IDC_COMMAND_BROWSE, runCommand);
    Enable(page, IDC_CONFIRM_RUN, runCommand);
    gWorkingCopy.ExitMode = exitWindows ? ExitWindows : runCommand ? RunCommand : NoAction;
}

// A hand-edited ExitMode outside 0..2 selects no radio button; the page then
// shows the template's own states.
int RadioForExitMode(int32_t mode) {
    switch (mode) {
    case NoAction: return IDC_ACTION_NONE;
    case ExitWindows: return IDC_ACTION_EXIT;
    case RunCommand: return IDC_ACTION_RUN;
    }
    return 0;
}

void FillOptionsPage(HWND page) {
    const SettingsRecord& s = gWorkingCopy;
    int radio = RadioForExitMode(s.ExitMode);
    if (radio) {
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(radio, 0), 0);
        CheckDlgButton(page, radio, BST_CHECKED);
    }
    CheckBoxForBit(page, IDC_CONFIRM_EXIT, s.ExitFlags, ConfirmExit);
    CheckBoxForBit(page, IDC_STANDBY, s.ExitFlags, Standby);
    CheckBoxForBit(page, IDC_CONFIRM_RUN, s.ExitFlags, ConfirmRun);
    CheckBoxForBit(page, IDC_CONFIRM_COPY, s.Flags, ConfirmCopy);
    CheckBoxForBit(page, IDC_REPEAT_COPY, s.Flags, RepeatCopy);
    SetDlgItemTextA(page, IDC_COMMAND_EDIT, s.Command);
}

// Every box counts, enabled or not; ExitMode holds the last click.
void StoreOptionsPage(HWND page) {
    SettingsRecord& s = gWorkingCopy;
    GetDlgItemTextA(page, IDC_COMMAND_EDIT, s.Command, ArraySize(s.Command));
    s.ExitFlags = BitFromBox(page, IDC_CONFIRM_EXIT, 0, ConfirmExit);
    s.ExitFlags = BitFromBox(page, IDC_STANDBY, s.ExitFlags, Standby);
    s.ExitFlags = BitFromBox(page, IDC_CONFIRM_RUN, s.ExitFlags, ConfirmRun);
    s.Flags = BitFromBox(page, IDC_CONFIRM_COPY, s.Flags, ConfirmCopy);
    s.Flags = BitFromBox(page, IDC_REPEAT_COPY, s.Flags, RepeatCopy);
}

// The picked program replaces the whole command line.
void BrowseProgram(HWND page) {
    char path[MAX_PATH] = "";
    if (!ChooseProgramFile(page, path)) return;
    char command[MAX_PATH + 2];
    if (ProgramCommandText(path, command, ArraySize(command)))
        SetDlgItemTextA(page, IDC_COMMAND_EDIT, command);
}

}  // namespace

INT_PTR CALLBACK OptionsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        FillOptionsPage(page);
        return TRUE;
    case WM_DESTROY:
        StoreOptionsPage(page);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_ACTION_NONE:
        case IDC_ACTION_EXIT:
        case IDC_ACTION_RUN:
            SelectAction(page, LOWORD(wParam));
            return TRUE;
        case IDC_COMMAND_BROWSE:
            BrowseProgram(page);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
