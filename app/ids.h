#ifndef TESSORIN_APP_IDS_H
#define TESSORIN_APP_IDS_H

// Menu items: the commands of the menu bar.
inline constexpr int IDM_GENERATE = 101;
inline constexpr int IDM_EXIT = 102;
inline constexpr int IDM_HELP = 103;

// Controls: both edit fields carry this id; the buttons carry 0 and are told apart by handle.
inline constexpr int IDC_TEXTFIELD = 30;

// The clipboard format whose presence keeps everything on the clipboard out of Windows' clipboard
// history and cloud clipboard; what it holds does not matter.
inline constexpr char EXCLUDE_FROM_MONITORS_FORMAT[] =
    "ExcludeClipboardContentFromMonitorProcessing";

#endif
