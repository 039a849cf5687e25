// Starts tessorin.exe, presses "Generieren" once and prints the window's place on the screen as
// WIDTHxHEIGHT+X+Y and then the password it shows. It closes the program once a line arrives on
// standard input, so that the caller can take a picture of the screen meanwhile.
#include "program_driver.h"

#include <cstdio>

int main() {
    ProgramDriver program;
    const std::string password = program.Generate();
    RECT frame;
    GetWindowRect(program.Window(), &frame);
    std::printf("%ldx%ld+%ld+%ld\n%s\n", frame.right - frame.left, frame.bottom - frame.top,
                frame.left, frame.top, password.c_str());
    std::fflush(stdout);
    char line[8];
    std::fgets(line, sizeof line, stdin);
    return program.Quit() == 0 ? 0 : 1;
}
