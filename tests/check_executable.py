#!/usr/bin/env python3
"""check_executable.py EXE MACHINE PRODUCT VERSION

Checks tessorin.exe as Windows sees it: a GUI program for MACHINE (i386 or x86-64) that imports
only the listed functions of system DLLs, carries exactly one icon, a single 48 x 48 image with
32-bit colour in one icon group that shows the golden key, and a version resource whose strings
are exactly those written out below and whose numbers are the version's."""
import struct
import sys

import pefile

# Every function the program may import, DLL by DLL, with the oldest Windows that Microsoft's
# documentation names for it ("Minimum supported client"). The USER32 and GDI32 pages name
# Windows 2000 Professional, and so do those of GetTickCount, GetModuleHandleA and the performance
# counter; the pages of the memory (the global memory functions too), thread-storage and
# critical-section functions now name Windows XP, and so does that of RtlGenRandom
# (SystemFunction036). The C runtime's pages name no Windows version: msvcrt.dll is part of
# Windows itself since Windows 2000. __C_specific_handler is the
# 64-bit runtime's unwinding helper, in every x64 Windows (XP x64 and later). No network DLL.
USER = {name: "2000" for name in (
    "AppendMenuA BeginPaint CallWindowProcA CloseClipboard CreateMenu CreatePopupMenu "
    "CreateWindowExA DefWindowProcA DispatchMessageA DrawMenuBar EmptyClipboard EndPaint GetDC "
    "GetMessageA GetSysColor GetWindowTextA GetWindowTextLengthA InsertMenuA LoadCursorA "
    "LoadIconA LoadImageA MessageBoxA OpenClipboard PostMessageA PostQuitMessage RegisterClassA "
    "RegisterClipboardFormatA ReleaseDC SendMessageA SetClipboardData SetMenu SetWindowLongA "
    "SetWindowLongPtrA SetWindowTextA ShowWindow TranslateMessage UpdateWindow").split()}
GDI = {name: "2000" for name in (
    "CreateFontA GetDeviceCaps GetTextExtentPoint32A SelectObject SetBkMode SetTextColor "
    "TextOutA").split()}
KERNEL = {name: "2000" for name in (
    "GetModuleHandleA GetStartupInfoA GetTickCount QueryPerformanceCounter "
    "QueryPerformanceFrequency GetLastError Sleep LoadLibraryA FreeLibrary GetProcAddress "
    "SetUnhandledExceptionFilter").split()}
KERNEL.update({name: "XP" for name in (
    "DeleteCriticalSection EnterCriticalSection GlobalAlloc GlobalFree GlobalLock GlobalUnlock "
    "InitializeCriticalSection LeaveCriticalSection TlsGetValue VirtualProtect "
    "VirtualQuery").split()})
KERNEL["__C_specific_handler"] = "XP x64"
RUNTIME = {name: "2000" for name in (
    "__getmainargs __initenv __iob_func __p__acmdln __p__commode __p__fmode __set_app_type "
    "__setusermatherr _acmdln _amsg_exit _cexit _commode _controlfp _fmode _initterm _iob "
    "_onexit abort calloc exit fprintf free fwrite malloc memcmp memcpy memmove signal strlen "
    "strncmp vfprintf").split()}
IMPORTS = {"user32.dll": USER, "gdi32.dll": GDI, "kernel32.dll": KERNEL, "msvcrt.dll": RUNTIME,
           "advapi32.dll": {"SystemFunction036": "XP"}}
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
# The COFF machine and the optional header's magic of each machine.
MACHINES = {"i386": (0x14C, 0x10B), "x86-64": (0x8664, 0x20B)}


def resources(exe):
    """{type id: [data of each resource of that type]}"""
    found = {}
    if not hasattr(exe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for kind in exe.DIRECTORY_ENTRY_RESOURCE.entries:
        for name in kind.directory.entries:
            for language in name.directory.entries:
                leaf = language.data.struct
                found.setdefault(kind.id, []).append(exe.get_data(leaf.OffsetToData, leaf.Size))
    return found


# Pixels of the golden key as its drawing gives them, (x, y) from the top left, in BGRA: gold
# (E8 B0 2A) where the key covers the whole pixel, nothing where it is far away.
GOLD, CLEAR = (0x2A, 0xB0, 0xE8, 0xFF), (0, 0, 0, 0)
KEY_PIXELS = {(0, 0): CLEAR, (47, 47): CLEAR, (15, 24): CLEAR, (5, 5): CLEAR, (40, 10): CLEAR,
              (30, 24): GOLD, (43, 22): GOLD, (15, 14): GOLD, (6, 24): GOLD, (41, 31): GOLD,
              (35, 31): GOLD}


def icon_pixel_failures(image):
    """Compares the icon's 48 x 48 BGRA rows (stored bottom row first, after the 40-byte header)
    with KEY_PIXELS and counts the transparent ones: the key (a ring of radii 5 and 11.5, a
    20 x 6 shaft, two teeth of 3.5 x 7) and its edge of 1.2 pixels cover about 700 of the 2,304
    pixels, so between 60 % and 80 % are transparent."""
    def at(x, y):
        offset = 40 + ((47 - y) * 48 + x) * 4
        return tuple(image[offset:offset + 4])
    failures = [f"icon pixel {point} is {at(*point)}, not {colour}"
                for point, colour in KEY_PIXELS.items() if at(*point) != colour]
    clear = sum(at(x, y)[3] == 0 for x in range(48) for y in range(48)) / (48 * 48)
    if not 0.6 <= clear <= 0.8:
        failures.append(f"{clear:.0%} of the icon's pixels are transparent, not 60 % to 80 %")
    return failures


def main(path, machine, product, version):
    exe = pefile.PE(path)
    failures = []
    if (exe.FILE_HEADER.Machine, exe.OPTIONAL_HEADER.Magic) != MACHINES[machine]:
        failures.append(f"not a {machine} executable")
    if exe.OPTIONAL_HEADER.Subsystem != 2:
        failures.append(f"subsystem {exe.OPTIONAL_HEADER.Subsystem}, not the Windows GUI (2)")
    for entry in getattr(exe, "DIRECTORY_ENTRY_IMPORT", []):
        dll = entry.dll.decode("ascii").lower()
        for function in entry.imports:
            name = function.name.decode("ascii") if function.name else f"#{function.ordinal}"
            if name not in IMPORTS.get(dll, {}):
                failures.append(f"imports {dll} {name}, which is not in the list of imports")
    found = resources(exe)
    icons, groups = found.get(RT_ICON, []), found.get(RT_GROUP_ICON, [])
    if len(icons) != 1 or len(groups) != 1:
        failures.append(f"{len(icons)} icon images in {len(groups)} groups, not one in one")
    else:
        _, kind, count = struct.unpack_from("<HHH", groups[0], 0)
        width, height, _, _, _, bits, _, _ = struct.unpack_from("<BBBBHHIH", groups[0], 6)
        header_width, header_height, _, header_bits = struct.unpack_from("<iiHH", icons[0], 4)
        if (kind, count, width, height, bits) != (1, 1, 48, 48, 32):
            failures.append(f"icon group holds {count} entries, {width}x{height}x{bits}")
        if (header_width, header_height, header_bits) != (48, 96, 32):
            failures.append(f"icon image is {header_width}x{header_height // 2}x{header_bits}")
        else:
            failures += icon_pixel_failures(icons[0])
    versions = found.get(RT_VERSION, [])
    if len(versions) != 1:
        failures.append(f"{len(versions)} version resources, not one")
    else:
        # Every string, each read as a key with its own value, in its one table: German, 1252.
        expected = {"040704E4": {
            "FileDescription": "Passwort-Generator", "FileVersion": version,
            "InternalName": "tessorin", "OriginalFilename": "tessorin.exe",
            "ProductName": product, "ProductVersion": version}}
        tables = {table.LangID.decode(): {key.decode(): value.decode("cp1252")
                                          for key, value in table.entries.items()}
                  for info in exe.FileInfo[0] if info.Key == b"StringFileInfo"
                  for table in info.StringTable}
        if tables != expected:
            failures.append(f"the version resource's strings are {tables}, not {expected}")
        numbers = tuple(int(part) for part in version.split(".")) + (0,)
        fixed = exe.VS_FIXEDFILEINFO[0]
        for key in ("FileVersion", "ProductVersion"):
            high, low = getattr(fixed, key + "MS"), getattr(fixed, key + "LS")
            if (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF) != numbers:
                failures.append(f"the version resource's {key} numbers are not {numbers}")
    for failure in failures:
        print(f"{path}: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
