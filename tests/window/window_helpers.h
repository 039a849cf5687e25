#ifndef TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H
#define TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H

#include <windows.h>

#include <string>
#include <vector>

// The folder of the running executable, with its trailing separator: the tests and the start-up
// harness find tessorin.exe and its icon there.
inline std::string ProgramFolder() {
    char path[MAX_PATH];
    const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return file.substr(0, file.find_last_of("\\/") + 1);
}

// Any window's text, read with WM_GETTEXT, also across processes.
inline std::string TextOf(HWND window) {
    std::vector<char> text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) +
                           1);
    const LRESULT length =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

#endif
