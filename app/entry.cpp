// The program's entry: floating-point mode, seeding, then the window until it is closed.
#include "app/float_mode.h"
#include "app/startup.h"
#include "text/fixed_text.h"

#include <ntsecapi.h>

int main(int argc, char** argv) {
    UseProgramFloatMode();
    // The system's generator through RtlGenRandom (advapi32's SystemFunction036, which the C
    // runtime's rand_s uses too): advapi32 is in every window program's process already, while
    // BCryptGenRandom would load bcrypt.dll, which made start-up about 5 % slower under Wine.
    SeedProcessRandom(RtlGenRandom);
    const Text commandLine = CommandLineText(argc, argv); // accepted and never used
    // WinMain's signature asks for a writable text; it never writes to it.
    return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(commandLine.c_str()),
                   SW_SHOWNORMAL);
}
