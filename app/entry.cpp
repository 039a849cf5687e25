// The program's entry: floating-point mode, seeding, then the window until it is closed.
#include "app/float_mode.h"
#include "app/startup.h"
#include "text/fixed_text.h"

int main(int argc, char** argv) {
    UseProgramFloatMode();
    SeedProcessRandom();
    Text commandLine = CommandLineText(argc, argv); // accepted and never used
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWNORMAL);
}
