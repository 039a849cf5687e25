#ifndef TESSORIN_APP_COMMANDS_H
#define TESSORIN_APP_COMMANDS_H

#include <windows.h>

// Handles WM_COMMAND from the menu and the push buttons; notifications are ignored.
void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);

#endif
