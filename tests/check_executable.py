#!/usr/bin/env python3
"""check_executable.py EXE MACHINE PRODUCT VERSION

Checks tessorin.exe as Windows sees it: a GUI program for MACHINE (i386 or x86-64) that imports
only system DLLs, carries exactly one icon, a single 48 x 48 image with 32-bit colour in one icon
group, and a version resource that names the product and its version."""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll"}
RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16
# The COFF machine and the optional header's magic of each machine.
MACHINES = {"i386": (0x14C, 0x10B), "x86-64": (0x8664, 0x20B)}


class PortableExecutable:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "no PE signature"
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data,
                                                                               pe + 4)
        optional = pe + 24
        self.magic, = struct.unpack_from("<H", data, optional)
        self.subsystem, = struct.unpack_from("<H", data, optional + 68)
        # The data directories follow 96 bytes of PE32 fields, or 112 of PE32+ (64-bit) ones.
        first = optional + (112 if self.magic == 0x20B else 96)
        self.directories = [struct.unpack_from("<II", data, first + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", data, table + 40 * i)
                         for i in range(sections)]

    def offset(self, rva):
        for _, size, address, raw_size, raw in self.sections:
            if address <= rva < address + max(size, raw_size):
                return raw + rva - address
        raise ValueError(f"address {rva:#x} outside every section")

    def text(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def imported_dlls(self):
        rva = self.directories[1][0]
        names = []
        while True:
            descriptor = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if descriptor[3] == 0:
                return names
            names.append(self.text(descriptor[3]).lower())
            rva += 20

    def resources(self):
        """{type id: [data of each resource of that type]}"""
        base = self.directories[2][0]
        if base == 0:
            return {}

        def entries(directory):
            start = self.offset(base + directory)
            named, numbered = struct.unpack_from("<HH", self.data, start + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, start + 16 + 8 * i)
                yield name, target

        found = {}
        for kind, kind_dir in entries(0):
            for _, name_dir in entries(kind_dir & 0x7FFFFFFF):
                for _, leaf in entries(name_dir & 0x7FFFFFFF):
                    rva, size = struct.unpack_from("<II", self.data, self.offset(base + leaf))
                    start = self.offset(rva)
                    found.setdefault(kind, []).append(self.data[start:start + size])
        return found


def main(path, machine, product, version):
    exe = PortableExecutable(open(path, "rb").read())
    failures = []
    if (exe.machine, exe.magic) != MACHINES[machine]:
        failures.append(f"not a {machine} executable")
    if exe.subsystem != 2:
        failures.append(f"subsystem {exe.subsystem}, not the Windows GUI (2)")
    foreign = set(exe.imported_dlls()) - SYSTEM_DLLS
    if foreign:
        failures.append(f"imports DLLs that Windows does not ship: {sorted(foreign)}")
    resources = exe.resources()
    icons, groups = resources.get(RT_ICON, []), resources.get(RT_GROUP_ICON, [])
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
    versions = resources.get(RT_VERSION, [])
    if len(versions) != 1:
        failures.append(f"{len(versions)} version resources, not one")
    else:
        strings = versions[0].decode("utf-16-le", errors="replace")
        for key, value in (("ProductName", product), ("ProductVersion", version),
                           ("FileVersion", version), ("OriginalFilename", "tessorin.exe")):
            if f"{key}\0" not in strings or f"{value}\0" not in strings:
                failures.append(f"the version resource lacks {key} {value}")
    for failure in failures:
        print(f"{path}: {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
