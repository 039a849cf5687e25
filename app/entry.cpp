// The program's entry: floating-point mode, seeding, then the window until it is closed.
#include "app/float_mode.h"
#include "app/startup.h"
#include "text/fixed_text.h"

int main(int argc, char** argv) {
    UseProgramFloatMode();
    SeedProcessRandom();
    const Text commandLine = CommandLineText(argc, argv); // accepted and never used
    // WinMain's signature asks for a writable text; it never writes to it.
    return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(commandLine.c_str()),
                   SW_SHOWNORMAL);
}
