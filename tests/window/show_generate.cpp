// Starts tessorin.exe, presses "Generieren" once, saves a picture of the window as a BMP file and
// prints where the window is and the password it shows; then closes the program.
#include "program_driver.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// Writes the screen's pixels within frame to path as a 24-bit BMP file.
bool SaveScreenRect(const RECT& frame, const char* path) {
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: show_generate PICTURE.bmp\n");
        return 2;
    }
    ProgramDriver program;
    const std::string password = program.Generate();
    Sleep(300); // let the display catch up with the new text
    RECT frame;
    GetWindowRect(program.Window(), &frame);
    const bool saved = SaveScreenRect(frame, argv[1]);
    std::printf("window: %ld,%ld %ldx%ld\npassword: %s\n", frame.left, frame.top,
                frame.right - frame.left, frame.bottom - frame.top, password.c_str());
    program.Click(program.ExitButton());
    return saved && program.WaitForExit() == 0 ? 0 : 1;
}
