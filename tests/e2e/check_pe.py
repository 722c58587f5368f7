#!/usr/bin/env python3
"""Checks the program file as it would ship: its format, that it is a GUI program, that it needs
no DLL beyond the system's, and that it carries its icon, version record and manifest.

usage: check_pe.py --objdump OBJDUMP --format pei-i386|pei-x86-64 program.exe"""

import argparse
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

# DLLs every Windows system has. Anything else (the compiler's runtime DLLs above all:
# libstdc++-6, libgcc_s_*, libwinpthread-1) would have to be shipped beside the program.
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "ole32.dll", "oleaut32.dll",
    "msvcrt.dll", "advapi32.dll", "shell32.dll", "shlwapi.dll", "uxtheme.dll", "comdlg32.dll",
    "ucrtbase.dll", "version.dll", "ntdll.dll", "imm32.dll", "winmm.dll", "urlmon.dll",
}
MACHINES = {"pei-i386": (0x14C, 0x10B), "pei-x86-64": (0x8664, 0x20B)}  # machine, optional magic
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
LANG_CHINESE_PRC = 0x0804


def is_system_dll(name):
    name = name.lower()
    return name in SYSTEM_DLLS or name.startswith("api-ms-win-")


class PeFile:
    """Just enough of the PE format to reach the resources."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", data, optional)[0]
        directories = optional + (96 if self.magic == 0x10B else 112)
        self.resource_rva, _ = struct.unpack_from("<II", data, directories + 2 * 8)
        table = optional + optional_size
        self.sections = [struct.unpack_from("<IIII", data, table + 40 * i + 8) for i in range(sections)]

    def offset(self, rva):
        for virtual_size, address, raw_size, raw_pointer in self.sections:
            if address <= rva < address + max(virtual_size, raw_size):
                return raw_pointer + rva - address
        raise ValueError(f"address {rva:#x} is in no section")

    def resources(self):
        """{(type, id, language): bytes} for resources with numeric ids."""
        if not self.resource_rva:
            return {}
        base = self.offset(self.resource_rva)
        found = {}

        def walk(directory, path):
            named, numbered = struct.unpack_from("<HH", self.data, base + directory + 12)
            for i in range(named + numbered):
                key, target = struct.unpack_from("<II", self.data, base + directory + 16 + 8 * i)
                key = key if key < 0x80000000 else None  # named entries: the name is not needed
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, path + (key,))
                else:
                    rva, size = struct.unpack_from("<II", self.data, base + target)
                    at = self.offset(rva)
                    found[path + (key,)] = self.data[at:at + size]

        walk(0, ())
        return found


def check_objdump(objdump, program, expected_format):
    dump = subprocess.run([objdump, "-p", program], check=True, capture_output=True,
                          text=True).stdout
    problems = []
    match = re.search(r"file format (\S+)", dump)
    if not match or match.group(1) != expected_format:
        problems.append(f"file format {match.group(1) if match else '?'}, not {expected_format}")
    match = re.search(r"^Subsystem\s+([0-9a-fA-F]+)", dump, re.MULTILINE)
    if not match or int(match.group(1), 16) != 2:
        problems.append(f"subsystem {match.group(1) if match else '?'}, not 2 (Windows GUI)")
    dlls = re.findall(r"DLL Name: (\S+)", dump)
    if not dlls:
        problems.append("no imported DLL found in objdump's output")
    problems += [f"imports {dll}, which is not a Windows system DLL"
                 for dll in dlls if not is_system_dll(dll)]
    return problems, dlls


def check_resources(pe):
    problems = []
    resources = pe.resources()

    def of_type(kind):
        return {key: value for key, value in resources.items() if key[0] == kind}

    groups = of_type(RT_GROUP_ICON)
    if not groups:
        problems.append("no application icon")
    for key, group in groups.items():
        count = struct.unpack_from("<H", group, 4)[0]
        sizes = {(group[6 + 14 * i] or 256, group[7 + 14 * i] or 256) for i in range(count)}
        if not {(16, 16), (32, 32)} <= sizes:
            problems.append(f"icon {key[1]} has sizes {sorted(sizes)}, not 16x16 and 32x32")
        if len(of_type(RT_ICON)) < count:
            problems.append(f"icon {key[1]} lists {count} images but the file holds fewer")

    versions = of_type(RT_VERSION)
    if len(versions) != 1:
        problems.append(f"{len(versions)} version records, not 1")
    for (_, _, language), record in versions.items():
        if language != LANG_CHINESE_PRC:
            problems.append(f"version record in language {language:#06x}, not 0x0804")
        at = record.find(struct.pack("<I", 0xFEEF04BD))
        if at < 0:
            problems.append("version record without its fixed part")
            continue
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", record, at + 8)
        for what, ms, ls in (("file", file_ms, file_ls), ("product", product_ms, product_ls)):
            version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
            if version != (1, 0, 0, 0):
                problems.append(f"{what} version {'.'.join(map(str, version))}, not 1.0.0.0")
        if "080404b0".encode("utf-16-le") not in record.lower():
            problems.append("no string table for Chinese (PRC), Unicode")

    manifests = of_type(RT_MANIFEST)
    if len(manifests) != 1:
        problems.append(f"{len(manifests)} manifests, not 1")
    for manifest in manifests.values():
        try:
            root = ElementTree.fromstring(manifest)
            if not root.tag.endswith("assembly"):
                problems.append(f"manifest root is {root.tag}, not assembly")
        except ElementTree.ParseError as error:
            problems.append(f"manifest is not well-formed XML: {error}")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--format", required=True, choices=sorted(MACHINES))
    parser.add_argument("program")
    args = parser.parse_args()

    problems, dlls = check_objdump(args.objdump, args.program, args.format)
    with open(args.program, "rb") as file:
        pe = PeFile(file.read())
    machine, magic = MACHINES[args.format]
    if (pe.machine, pe.magic) != (machine, magic):
        problems.append(f"machine {pe.machine:#x} / optional header {pe.magic:#x}, "
                        f"not {machine:#x} / {magic:#x}")
    problems += check_resources(pe)

    print(f"{args.program}: {args.format}, imports {', '.join(dlls)}")
    for problem in problems:
        print(f"FAIL: {problem}")
    print("PE check " + ("failed" if problems else "passed"))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
