#!/usr/bin/env python3
"""Checks a built plug-in DLL the way the drawing application will meet it.

pecheck.py MODULE --res RESFILE [--machine i386|amd64] [--test-build]

Prints the module's size, machine, exports and imports, then checks: the machine type, that it
is a DLL exporting exactly "PluginMain" (undecorated), that it imports only system DLLs, that it
carries every resource of the .res file byte for byte, the property list byte for byte, and the
string tables the plug-in reads, and that no test hook is left in it (no name of our environment
variables, in ASCII or UTF-16; --test-build: a module built for tests, which has them). Exit status 0 when every check passes, 1 otherwise.
"""

import argparse
import os
import re
import struct
import sys

from pe_image import MACHINE_NAMES, FormatError, PeImage, read_res_file, string_table_entries

ENTRY_NAME = "PluginMain"
PLUGIN_NAME = "KerfworksPluginDialog"
# What Windows itself provides; a MinGW runtime DLL (libstdc++, libgcc, winpthread) is not.
SYSTEM_DLLS = {"kernel32.dll", "advapi32.dll", "shell32.dll", "user32.dll", "msvcrt.dll",
               "ntdll.dll"}
RT_STRING = 6
# The environment variables of the test builds' hooks: the deliverable must name none of them.
HOOK_VARIABLE = re.compile(r"KW_[A-Z][A-Z_]+")
PROPERTY_LIST_TYPE = "PIPL"
PROPERTY_LIST_ID = 16000
ENGLISH = 1033
JAPANESE = 1041

ERROR_LIST = {
    16051: "-108",
    16052: "The filter cannot complete because there isn't enough memory (RAM) available.",
    16053: "271",
    16054: "The filter cannot complete because there isn't enough memory (RAM) available.",
    16055: "SEGM",
    16056: "The filter cannot complete because a layer is locked or invisible.",
    16057: "NESS",
    16058: "The filter cannot complete because a path has too many anchor points.",
    16059: "!sel",
    16060: "The selection is not valid for this filter.",
    16061: "<Others>",
    16062: "The filter cannot complete because of an unknown error.",
}
HELP_FILE = {ENGLISH: "KWAIPin_e.chm", JAPANESE: "KWAIPin_j.chm"}
MISSING_APPLICATION = {
    ENGLISH: "Kerfworks is not found.If Kerfworks is not installed, please install it.\n"
             "If Kerfworks has never run, please run it. Then restart the Adobe Illustrator.",
    JAPANESE: "Kerfworksが見つかりません。インストールされていないときは、インストールしてください。\n"
              "Kerfworksを一度も起動していないときは、起動したあとイラストレータを再起動してください。",
}


def pipl_property(key, data, length=None):
    """One property: vendor, key (both stored byte-reversed), id 0, length, padded data."""
    padded = data + b"\0" * (-len(data) % 4)
    length = len(data) if length is None else length
    return b"ADBE"[::-1] + key[::-1] + struct.pack("<ii", 0, length) + padded


def expected_property_list():
    # The name's length field says 20, although the padded name takes 24 bytes.
    name = PLUGIN_NAME.encode("ascii") + b"\0\0\0"
    return (struct.pack("<HII", 1, 0, 4)
            + pipl_property(b"kind", b"SPEA"[::-1])
            + pipl_property(b"ivrs", struct.pack("<i", 2))
            + pipl_property(b"wx86", ENTRY_NAME.encode("ascii") + b"\0\0")
            + pipl_property(b"pinm", name, length=20))


def strings_of(resources, language):
    strings = {}
    for (type_key, name_key, lang), block in resources.items():
        if type_key == RT_STRING and lang == language:
            strings.update(string_table_entries(name_key, block))
    return strings


class Checker:
    def __init__(self):
        self.failures = []

    def expect(self, condition, what):
        print(("ok    " if condition else "FAIL  ") + what)
        if not condition:
            self.failures.append(what)


def check(module_path, res_path, machine, test_build=False):
    with open(module_path, "rb") as f:
        data = f.read()
    image = PeImage(data)
    with open(res_path, "rb") as f:
        compiled = read_res_file(f.read())
    exports = image.exports()
    imports = image.imports()
    print("module: %s" % module_path)
    print("size: %d bytes" % os.path.getsize(module_path))
    print("machine: %s" % MACHINE_NAMES.get(image.machine, "0x%x" % image.machine))
    print("exports: %s" % " ".join(exports))
    print("imports: %s" % " ".join(imports))

    c = Checker()
    c.expect(MACHINE_NAMES.get(image.machine) == machine, "machine is " + machine)
    c.expect(image.is_dll, "the image is a DLL")
    c.expect(exports == [ENTRY_NAME], "the only export is " + ENTRY_NAME)
    unexpected = [dll for dll in imports if dll.lower() not in SYSTEM_DLLS]
    c.expect(not unexpected, "only system DLLs imported" +
             (" (not: %s)" % " ".join(unexpected) if unexpected else ""))

    hooks = sorted(set(HOOK_VARIABLE.findall(data.decode("latin-1")) +
                       HOOK_VARIABLE.findall(data.decode("utf-16-le", "replace")) +
                       HOOK_VARIABLE.findall(data[1:].decode("utf-16-le", "replace"))))
    if not test_build:
        c.expect(not hooks, "no test hook variable is named in the module" +
                 (" (found: %s)" % " ".join(hooks) if hooks else ""))

    resources = image.resources()
    missing = [key for key in compiled if resources.get(key) != compiled[key]]
    c.expect(compiled and not missing, "all %d resources of the .res file are in the module"
             % len(compiled) + (" (differ or missing: %s)" % missing[:5] if missing else ""))
    pipl = resources.get((PROPERTY_LIST_TYPE, PROPERTY_LIST_ID, ENGLISH))
    c.expect(pipl is not None and len(pipl) == 118, "property list 16000 has 118 bytes")
    c.expect(pipl == expected_property_list(), "property list 16000 reads back byte for byte")
    for language in (ENGLISH, JAPANESE):
        strings = strings_of(resources, language)
        c.expect(all(strings.get(i) == text for i, text in ERROR_LIST.items()),
                 "error list 16051-16062 (language %d)" % language)
        c.expect(strings.get(16232) == HELP_FILE[language], "help file 16232 (language %d)"
                 % language)
        c.expect(strings.get(16234) == MISSING_APPLICATION[language],
                 "message 16234 (language %d)" % language)
    return c.failures


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("module")
    parser.add_argument("--res", required=True, help="the compiled resources to compare with")
    parser.add_argument("--machine", default="i386", choices=sorted(MACHINE_NAMES.values()))
    parser.add_argument("--test-build", action="store_true",
                        help="the module is made for tests: its test hooks are expected")
    args = parser.parse_args()
    try:
        failures = check(args.module, args.res, args.machine, args.test_build)
    except (OSError, FormatError, struct.error, UnicodeDecodeError) as error:
        print("FAIL  cannot read the module: %s" % error)
        return 1
    print("%d check(s) failed" % len(failures) if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
