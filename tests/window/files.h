#ifndef TESSORIN_TESTS_WINDOW_FILES_H
#define TESSORIN_TESTS_WINDOW_FILES_H

// The files and folders of the tests: the program's folder, scratch folders in the temporary
// folder, the probe's report.

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The folder of the running executable, with its trailing separator: the tests and the start-up
// harness find tessorin.exe and its icon there.
inline std::string ProgramFolder() {
    char path[MAX_PATH];
    const std::string file(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return file.substr(0, file.find_last_of("\\/") + 1);
}

// The temporary folder, with its trailing separator.
inline std::string TempPath() {
    char temp[MAX_PATH];
    return std::string(temp, GetTempPathA(MAX_PATH, temp));
}

// A folder of this name in the temporary folder, made anew, holding key.ico with these bytes
// where they are given; removed with all it holds when the guard goes, also where a test fails.
struct ScratchFolder {
    explicit ScratchFolder(const std::string& name, const std::string* icon = nullptr)
        : path(TempPath() + name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directory(path);
        if (icon != nullptr) {
            std::ofstream(path + "\\key.ico", std::ios::binary) << *icon;
        }
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string path;
};

// The file in which the probe in tessorin.exe answers the test process of this id.
inline std::string ProbeReportPath(DWORD testProcess) {
    return TempPath() + "tessorin-probe-" + std::to_string(testProcess) + ".txt";
}

// The bytes of a file; empty where it cannot be read.
inline std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

#endif
