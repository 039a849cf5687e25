#include "app/menu_bar.h"

#include "app/app_state.h"
#include "app/ids.h"

void AddMenuPopup(HMENU bar, int position, const char* title, UINT flags) {
    HMENU popup = CreatePopupMenu();
    appState.PopupTable[position] = popup;
    InsertMenuA(bar, position, flags | MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                title);
}

void AddMenuItem(int popupIndex, UINT_PTR id, const char* text, UINT flags) {
    AppendMenuA(appState.PopupTable[popupIndex], flags, id, text);
}

void BuildMenuBar(HWND window) {
    HMENU bar = CreateMenu();
    AddMenuPopup(bar, 0, "&Datei", 0);
    AddMenuItem(0, IDM_GENERATE, "&Generieren", 0);
    AddMenuItem(0, IDM_EXIT, "E&xit", 0);
    AddMenuPopup(bar, 1, "&Hilfe", 0);
    AddMenuItem(1, IDM_HELP, "&Hilfe", 0);
    SetMenu(window, bar);
    DrawMenuBar(window);
}
