#!/usr/bin/env python3
"""Checks what a built velmora.exe loads, and when.

A start loads only kernel32 and msvcrt; the user-interface and shell DLLs are delay-loaded,
on the first call into them. Each delay-load slot holds, until that first call, the address
of the code that loads the DLL and resolves the function: code in an executable section
that hands the helper the address of that very slot (x86: mov $slot, %eax; x86-64:
lea slot(%rip), %rax). A slot the linker left 0 makes the first call jump to address 0.

Usage: pe-imports.py <exe>
Prints one line per finding and exits 1 when anything is wrong.
"""
import re
import struct
import sys

STARTUP_DLLS = {"kernel32.dll", "msvcrt.dll"}
DELAY_LOADED_DLLS = {"user32.dll", "gdi32.dll", "comctl32.dll", "shell32.dll", "ole32.dll", "advapi32.dll"}
SCN_MEM_EXECUTE = 0x20000000
DLL_NAME = re.compile(rb"[A-Za-z0-9_]+\.dll", re.IGNORECASE)


class Image:
    """The sections of a PE file, addressed by relative virtual address."""

    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.pointer_size = {0x10B: 4, 0x20B: 8}[magic]
        if self.pointer_size == 4:
            self.image_base = struct.unpack_from("<I", data, optional + 28)[0]
            directories = optional + 96
        else:
            self.image_base = struct.unpack_from("<Q", data, optional + 24)[0]
            directories = optional + 112
        self.import_rva = struct.unpack_from("<I", data, directories + 8)[0]
        self.sections = []
        table = optional + optional_size
        for index in range(sections):
            virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<8xIIII", data, table + 40 * index)
            flags = struct.unpack_from("<I", data, table + 40 * index + 36)[0]
            self.sections.append((rva, max(virtual_size, raw_size), raw_offset, raw_size, flags))

    def offset(self, rva):
        for start, size, raw_offset, raw_size, _ in self.sections:
            if start <= rva < start + min(size, raw_size):
                return raw_offset + rva - start
        return None

    def executable(self, rva):
        return any(start <= rva < start + size and flags & SCN_MEM_EXECUTE
                   for start, size, _, _, flags in self.sections)

    def loads_slot(self, code_rva, slot_rva):
        """Whether the code at code_rva begins by loading the address of the slot."""
        at = self.offset(code_rva)
        if at is None or not self.executable(code_rva):
            return False
        code = self.data[at:at + 7]
        if self.pointer_size == 4:
            return code[0] == 0xB8 and struct.unpack_from("<I", code, 1)[0] == self.image_base + slot_rva
        return code[:3] == b"\x48\x8d\x05" and code_rva + 7 + struct.unpack_from("<i", code, 3)[0] == slot_rva

    def string(self, rva):
        at = self.offset(rva)
        if at is None:
            return None
        end = self.data.find(b"\0", at, at + 64)
        return self.data[at:end] if end >= 0 else None

    def dword(self, rva):
        at = self.offset(rva)
        return None if at is None else struct.unpack_from("<I", self.data, at)[0]

    def pointer(self, rva):
        at = self.offset(rva)
        if at is None:
            return None
        return struct.unpack_from("<I" if self.pointer_size == 4 else "<Q", self.data, at)[0]

    def startup_dlls(self):
        names = []
        rva = self.import_rva
        while rva and self.dword(rva + 12):
            names.append(self.string(self.dword(rva + 12)).decode("ascii").lower())
            rva += 20
        return names

    def delay_descriptors(self):
        """The delay-load descriptors, found by their shape: attributes 1 (addresses are
        relative), then a DLL name, the module handle, the slots and the name table."""
        found = {}
        for start, _, raw_offset, raw_size, _ in self.sections:
            for at in range(raw_offset, raw_offset + raw_size - 32, 4):
                attributes, name, handle, slots, names = struct.unpack_from("<5I", self.data, at)
                if attributes != 1 or not (name and handle and slots and names):
                    continue
                dll = self.string(name)
                if dll is None or not DLL_NAME.fullmatch(dll) or self.offset(slots) is None:
                    continue
                found[dll.decode("ascii").lower()] = (slots, names)
        return found


def check(path):
    with open(path, "rb") as exe:
        image = Image(exe.read())
    problems = []
    startup = set(image.startup_dlls())
    if startup != STARTUP_DLLS:
        problems.append(f"loads {sorted(startup)} at start, not {sorted(STARTUP_DLLS)}")
    descriptors = image.delay_descriptors()
    if set(descriptors) != DELAY_LOADED_DLLS:
        problems.append(f"delay-loads {sorted(descriptors)}, not {sorted(DELAY_LOADED_DLLS)}")
    slot_count = 0
    for dll, (slots, names) in sorted(descriptors.items()):
        index = 0
        while image.pointer(names + index * image.pointer_size):
            slot = slots + index * image.pointer_size
            target = image.pointer(slot)
            if not image.loads_slot(target - image.image_base, slot):
                problems.append(f"{dll}: delay-load slot {index} holds {target:#x}, not its first-call code")
            index += 1
        if index == 0:
            problems.append(f"{dll}: no delay-loaded function")
        slot_count += index
    for problem in problems:
        print(f"FAIL: {path}: {problem}")
    if not problems:
        print(f"ok: {path}: loads {', '.join(sorted(startup))} at start; "
              f"{slot_count} delay-load slots in {len(descriptors)} DLLs, each at its first-call code")
    return not problems


if __name__ == "__main__":
    sys.exit(0 if check(sys.argv[1]) else 1)
