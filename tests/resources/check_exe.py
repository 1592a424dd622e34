#!/usr/bin/python3
"""The Windows program as shipped: a GUI program that imports nothing but
Windows' own DLLs, with the version record, the icon group and the manifest
in its resources. Usage: check_exe.py EXE VERSION VERSION_TEXT"""
import pathlib
import struct
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_windows_resources as res  # noqa: E402

# The DLLs the program imports, all Windows' own: the loader looks for them
# beside the exe first unless they are known DLLs, so no other may be added
# here. Any other (the theme and window-manager libraries, the registry, COM)
# is loaded from the system folder only, when it is needed.
IMPORTS = {"comctl32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "user32.dll"}
RT_MANIFEST = 24
RT_STRING = 6


def pe_resources(data):
    """{(type, id): bytes} of the first language of each resource, and
    {("languages", type): the languages of that type}."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    rva, _ = struct.unpack_from("<II", data, optional + 112 + 2 * 8)
    table = optional + optional_size
    spans = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(address):
        for size, virtual, raw_size, raw in spans:
            if virtual <= address < virtual + max(size, raw_size):
                return raw + address - virtual
        raise ValueError(f"RVA {address:#x} outside every section")

    base = offset(rva)

    def entries(directory):
        named, ids = struct.unpack_from("<12xHH", data, base + directory)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * i)
            yield name, target

    found = {}
    for kind, types in entries(0):
        for ident, names in entries(types & 0x7FFFFFFF):
            for language, _ in entries(names & 0x7FFFFFFF):
                found.setdefault(("languages", kind), set()).add(language)
            _, leaf = next(entries(names & 0x7FFFFFFF))
            data_rva, size = struct.unpack_from("<II", data, base + leaf)
            start = offset(data_rva)
            found[(kind, ident)] = data[start:start + size]
    return found


def main():
    exe, version, text = pathlib.Path(sys.argv[1]), sys.argv[2], sys.argv[3]
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(exe)], capture_output=True,
                          text=True, check=True).stdout
    imports = {line.split(":", 1)[1].strip().lower() for line in dump.splitlines()
               if "DLL Name:" in line}
    res.check(imports == IMPORTS, f"imports these DLLs and no other: {sorted(imports)}")
    res.check("(Windows GUI)" in dump, "a GUI program")
    resources = pe_resources(exe.read_bytes())
    res.check((res.RT_VERSION, 1) in resources, "version record 1")
    if (res.RT_VERSION, 1) in resources:
        res.check_version(resources[(res.RT_VERSION, 1)], version, text)
    res.check_icon_group(resources)
    manifest = resources.get((RT_MANIFEST, 1), b"").decode("utf-8", "replace")
    res.check("Microsoft.Windows.Common-Controls" in manifest and 'version="6.0.0.0"' in manifest,
              "manifest asks for common controls 6")
    res.check("PerMonitorV2" in manifest and "supportedOS" in manifest,
              "manifest: per-monitor DPI and the supported systems")
    res.check(resources.get(("languages", RT_STRING)) == {0x0409, 0x0404},
              f"string tables in English and Traditional Chinese: {resources.get(('languages', RT_STRING))}")
    return res.summary()


if __name__ == "__main__":
    sys.exit(main())
