#ifndef TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H
#define TESSORIN_TESTS_WINDOW_WINDOW_HELPERS_H

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

// The folder of the running executable, with its trailing separator: the tests and the start-up
// harness find tessorin.exe and its icon there.
inline std::string ProgramFolder() {
    char path[MAX_PATH];
    const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return file.substr(0, file.find_last_of("\\/") + 1);
}

// milliseconds, stretched by TESSORIN_WAIT_SCALE where the Wine launcher sets it: every wait for
// another program or for a window, since under user-mode emulation everything takes longer.
inline DWORD Scaled(DWORD milliseconds) {
    char text[16] = {};
    const DWORD length = GetEnvironmentVariableA("TESSORIN_WAIT_SCALE", text, sizeof text);
    const int scale = length > 0 && length < sizeof text ? std::atoi(text) : 1;
    return milliseconds * static_cast<DWORD>(scale > 1 ? scale : 1);
}

// Calls step, then asks condition, until condition holds or five seconds (Scaled) have passed.
inline bool WaitUntil(
    const std::function<bool()>& condition, const std::function<void()>& step = [] { Sleep(10); }) {
    const DWORD start = GetTickCount();
    do {
        step();
        if (condition()) {
            return true;
        }
    } while (GetTickCount() - start < Scaled(5000));
    return false;
}

// Any window's text, read with WM_GETTEXT, also across processes.
inline std::string TextOf(HWND window) {
    std::vector<char> text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) +
                           1);
    const LRESULT length =
        SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), static_cast<std::size_t>(length));
}

// Whether a check box is ticked, also in another process.
inline bool IsChecked(HWND box) {
    return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The folder of this name in the temporary folder, created where it is missing; no separator at
// its end.
inline std::string TempFolder(const std::string& name) {
    char temp[MAX_PATH];
    const std::string folder = std::string(temp, GetTempPathA(MAX_PATH, temp)) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// The bytes of a file; empty where it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

#endif
