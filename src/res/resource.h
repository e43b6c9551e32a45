// Resource and control identifiers, shared by zolvane.rc and the code.
// Plain #defines only, so that windres can read this file too.
#ifndef ZOLVANE_RESOURCE_H
#define ZOLVANE_RESOURCE_H

// String table
#define IDS_CONFIRM_SHUTDOWN   1  // before shutting down
#define IDS_CONFIRM_STANDBY    2  // before standing by
#define IDS_CONFIRM_COPY       3  // before every copy pass
#define IDS_ANOTHER_DISC       4  // repeat mode: OK/Cancel
#define IDS_CONFIRM_RUN        5  // before running the command
#define IDS_SHORTCUT_PATH      6  // "%s\<shortcut name>.lnk"
#define IDS_SAME_DRIVE         7  // the same-drive refusal
#define IDS_ARCHIVED_DISC      8  // Catalog: this disc was archived whole in %s
#define IDS_CATALOG_UNWRITTEN  9  // Catalog: lines not written to the file %s

// Dialog templates
#define IDD_FOLDER_PAGE        101
#define IDD_OPTIONS_PAGE       102
#define IDD_SHORTCUT_PAGE      115
#define IDD_ABOUT              118
#define IDD_NEXT_DISC          130  // AutoNext: waiting for the next disc
#define IDD_CHECK_PROGRESS     131  // Verify: the check of the copy against the disc

// Icon groups
#define IDI_PROGRAM            103
#define IDI_OTHER_SETTINGS     114
#define IDI_SHORTCUT           117
#define IDI_DEST_FOLDER        126
#define IDI_END_OF_COPY        127
#define IDI_SOURCE_DRIVE       129

// Folder page
#define IDC_DEST_EDIT          1009
#define IDC_DEST_BROWSE        1010
#define IDC_MOVE_FILES         1015
#define IDC_DRIVE_LIST         1024
#define IDC_FROM_ZERO          1032
#define IDC_DIGITS_EDIT        1034
#define IDC_DIGITS_SPIN        1035

// Options page
#define IDC_STANDBY            1018
#define IDC_CONFIRM_EXIT       1020
#define IDC_ACTION_NONE        1021
#define IDC_ACTION_EXIT        1022
#define IDC_CONFIRM_COPY       1023
#define IDC_ACTION_RUN         1024
#define IDC_COMMAND_EDIT       1025
#define IDC_CONFIRM_RUN        1026
#define IDC_COMMAND_BROWSE     1027
#define IDC_REPEAT_COPY        1028

// Shortcut page
#define IDC_ABOUT              1019
#define IDC_SHORTCUT_DESKTOP   1028
#define IDC_SHORTCUT_FOLDER    1029

// About box
#define IDC_PRODUCT_NAME       1029

// Verify's progress window
#define IDC_CHECK_FILE         1036
#define IDC_CHECK_BAR          1037

#endif
