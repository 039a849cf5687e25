#ifndef TESSORIN_APP_MENU_BAR_H
#define TESSORIN_APP_MENU_BAR_H

#include <windows.h>

// Creates a popup, keeps it as PopupTable[position] and inserts it into bar at that position.
void AddMenuPopup(HMENU bar, int position, const char* title, UINT flags);

// Appends an item to the popup kept at PopupTable[popupIndex].
void AddMenuItem(int popupIndex, UINT_PTR id, const char* text, UINT flags);

// Gives window its bar: "&Datei" with Generieren and Exit, "&Hilfe" with Hilfe.
void BuildMenuBar(HWND window);

#endif
