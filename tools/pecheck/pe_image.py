"""Reads what the checker needs from a PE image and from a compiled .res file.

Resources from both come out in one shape: {(type, name, language): bytes}, where type and name
are an int (a numbered one) or an upper-case str (a named one), as Windows looks them up.
"""

import struct

MACHINE_NAMES = {0x014C: "i386", 0x8664: "amd64"}
IMAGE_FILE_DLL = 0x2000
PE32_MAGIC = 0x10B
PE32_PLUS_MAGIC = 0x20B


class FormatError(Exception):
    pass


class PeImage:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise FormatError("no MZ header")
        pe = self._u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise FormatError("no PE signature")
        (self.machine, sections, _, _, _, optional_size,
         self.characteristics) = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = self._u16(optional)
        if magic == PE32_MAGIC:
            directories = optional + 96
        elif magic == PE32_PLUS_MAGIC:
            directories = optional + 112
        else:
            raise FormatError("unknown optional header magic 0x%x" % magic)
        count = self._u32(directories - 4)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * i)
                            for i in range(min(count, 16))]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            _, virtual_size, rva, raw_size, raw_offset = struct.unpack_from(
                "<8sIIII", data, table + 40 * i)
            self.sections.append((rva, max(virtual_size, raw_size), raw_offset))

    def _u16(self, offset):
        return struct.unpack_from("<H", self.data, offset)[0]

    def _u32(self, offset):
        return struct.unpack_from("<I", self.data, offset)[0]

    def offset(self, rva):
        for start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise FormatError("address 0x%x lies in no section" % rva)

    def _string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii")

    def _directory(self, index):
        return self.directories[index] if index < len(self.directories) else (0, 0)

    @property
    def is_dll(self):
        return bool(self.characteristics & IMAGE_FILE_DLL)

    def exports(self):
        rva, size = self._directory(0)
        if size == 0:
            return []
        base = self.offset(rva)
        names = self._u32(base + 24)
        name_table = self._u32(base + 32)
        table = self.offset(name_table) if names else 0
        return [self._string(self._u32(table + 4 * i)) for i in range(names)]

    def imports(self):
        rva, size = self._directory(1)
        if size == 0:
            return []
        descriptor = self.offset(rva)
        dlls = []
        while True:
            fields = struct.unpack_from("<IIIII", self.data, descriptor)
            if not any(fields):
                return dlls
            dlls.append(self._string(fields[3]))
            descriptor += 20

    def resources(self):
        rva, size = self._directory(2)
        if size == 0:
            return {}
        root = self.offset(rva)
        found = {}
        for type_key, types in self._resource_entries(root, root):
            for name_key, names in self._resource_entries(root, types):
                for language, leaf in self._resource_entries(root, names):
                    data_rva, data_size = struct.unpack_from("<II", self.data, leaf)
                    start = self.offset(data_rva)
                    found[(type_key, name_key, language)] = self.data[start:start + data_size]
        return found

    def _resource_entries(self, root, table):
        named, numbered = struct.unpack_from("<HH", self.data, table + 12)
        for i in range(named + numbered):
            key, target = struct.unpack_from("<II", self.data, table + 16 + 8 * i)
            if key & 0x80000000:
                at = root + (key & 0x7FFFFFFF)
                length = self._u16(at)
                key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le").upper()
            yield key, root + (target & 0x7FFFFFFF)


def _res_id(data, offset):
    if struct.unpack_from("<H", data, offset)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, offset + 2)[0], offset + 4
    end = offset
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[offset:end].decode("utf-16-le").upper(), end + 2


def read_res_file(data):
    """The resources of a compiled .res file, skipping its empty leading entry."""
    found = {}
    offset = 0
    while offset + 8 <= len(data):
        data_size, header_size = struct.unpack_from("<II", data, offset)
        if header_size < 16 or offset + header_size + data_size > len(data):
            raise FormatError("bad .res entry at offset %d" % offset)
        type_key, at = _res_id(data, offset + 8)
        name_key, at = _res_id(data, at)
        at = (at + 3) & ~3
        language = struct.unpack_from("<H", data, at + 6)[0]
        body = data[offset + header_size:offset + header_size + data_size]
        if not (type_key == 0 and data_size == 0):
            found[(type_key, name_key, language)] = body
        offset = (offset + header_size + data_size + 3) & ~3
    return found


def string_table_entries(block_id, block):
    """The 16 strings of one RT_STRING block, keyed by string id; empty ones left out."""
    strings = {}
    at = 0
    for index in range(16):
        length = struct.unpack_from("<H", block, at)[0]
        text = block[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        at += 2 + 2 * length
        if length:
            strings[(block_id - 1) * 16 + index] = text
    return strings
