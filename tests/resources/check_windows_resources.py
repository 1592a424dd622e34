#!/usr/bin/python3
"""Compiles the Windows resource script with mingw-w64's windres and checks,
from the compiled .res, the version record and icon group 1; and checks the
.ico the script points at. VERSION is the project's (1.0.0.0), VERSION_TEXT
what the program shows (1.00).
Usage: check_windows_resources.py RC_FILE ICO_FILE VERSION VERSION_TEXT WORK_DIR
"""
import pathlib
import struct
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
from checks import check, summary  # noqa: E402,F401

RT_ICON, RT_GROUP_ICON, RT_VERSION = 3, 14, 16


def read_id(data, pos):
    """A resource type or name: 0xFFFF and an ordinal, or a UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_res(data):
    resources, pos = {}, 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        kind, p = read_id(data, pos + 8)
        name, p = read_id(data, p)
        body = data[pos + header:pos + header + size]
        if size:
            resources[(kind, name)] = body
        pos += header + size
        pos += -pos % 4
    return resources


def read_version_node(data, pos):
    """One node of a VS_VERSIONINFO tree: (key, value, children, end)."""
    length, value_length, kind = struct.unpack_from("<HHH", data, pos)
    end_key = pos + 6
    while struct.unpack_from("<H", data, end_key)[0] != 0:
        end_key += 2
    key = data[pos + 6:end_key].decode("utf-16-le")
    p = end_key + 2
    p += -p % 4
    value_bytes = value_length * 2 if kind == 1 else value_length
    value = data[p:p + value_bytes]
    p += value_bytes
    p += -p % 4
    children = []
    while p < pos + length:
        child = read_version_node(data, p)
        children.append(child)
        p = child[3]
        p += -p % 4
    return key, value, children, pos + length


def check_version(body, version, text):
    key, fixed, children, _ = read_version_node(body, 0)
    check(key == "VS_VERSION_INFO", "version record key")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    check(signature == 0xFEEF04BD, "VS_FIXEDFILEINFO signature")
    parts = [int(p) for p in version.split(".")]
    wanted = (parts[0] << 16 | parts[1], parts[2] << 16 | parts[3])
    check((file_ms, file_ls) == wanted, f"FILEVERSION {file_ms:#x},{file_ls:#x}")
    check((product_ms, product_ls) == wanted, "PRODUCTVERSION")
    blocks = {child[0]: child for child in children}
    tables = blocks.get("StringFileInfo", ("", b"", [], 0))[2]
    check([t[0] for t in tables] == ["040404B0"], "one string table 040404B0")
    strings = {}
    for table in tables:
        for entry in table[2]:
            strings[entry[0]] = entry[1].decode("utf-16-le").rstrip("\0")
    expected = {"ProductName": "Zandrel", "InternalName": "Zandrel",
                "OriginalFilename": "Zandrel.exe", "FileVersion": text,
                "ProductVersion": text}
    check(strings == expected, f"version strings {strings}")
    var = blocks.get("VarFileInfo", ("", b"", [], 0))[2]
    translation = var[0][1] if var else b""
    check(translation == struct.pack("<HH", 0x0404, 0x04B0), "Translation 0x0404, 0x04B0")


# (width, height, colours, bits per pixel) of the three images, in order.
EXPECTED_IMAGES = [(32, 32, 2, 1), (32, 32, 16, 4), (16, 16, 16, 4)]


def bitmap_shape(image):
    """Width, height and bit count from an icon image's BITMAPINFOHEADER."""
    size, width, height, _, bits = struct.unpack_from("<IiiHH", image)
    check(size == 40, "icon image is a BMP, not a PNG")
    return width, height // 2, bits


def check_icon_group(resources):
    group = resources.get((RT_GROUP_ICON, 1))
    check(group is not None, "icon group 1")
    if group is None:
        return
    _, kind, count = struct.unpack_from("<HHH", group)
    check(kind == 1 and count == 3, f"icon group 1 has {count} images")
    found = []
    for i in range(count):
        w, h, colours, _, _, bits, _, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        image = resources.get((RT_ICON, ident), b"")
        found.append((w or 256, h or 256, colours or 256, bits))
        check(bitmap_shape(image) == (w, h, bits), f"icon {ident} bitmap matches its entry")
    check(found == EXPECTED_IMAGES, f"icon group images {found}")


def check_ico(path):
    data = path.read_bytes()
    _, kind, count = struct.unpack_from("<HHH", data)
    found = []
    for i in range(count):
        w, h, colours, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        found.append((w, h, colours, bits))
        check(bitmap_shape(data[offset:offset + size]) == (w, h, bits), f"ico image {i} bitmap")
    check(kind == 1 and found == EXPECTED_IMAGES, f"zandrel.ico images {found}")


def main():
    rc, ico = pathlib.Path(sys.argv[1]).resolve(), pathlib.Path(sys.argv[2])
    version, text, work = sys.argv[3], sys.argv[4], pathlib.Path(sys.argv[5])
    work.mkdir(parents=True, exist_ok=True)
    res = work / "zandrel.res"
    subprocess.run(["i686-w64-mingw32-windres", "--preprocessor=cpp", "-I", str(rc.parent),
                    "-i", str(rc), "-O", "res", "-o", str(res)], check=True, cwd=rc.parent)
    resources = read_res(res.read_bytes())
    check((RT_VERSION, 1) in resources, "version record 1")
    if (RT_VERSION, 1) in resources:
        check_version(resources[(RT_VERSION, 1)], version, text)
    check_icon_group(resources)
    check_ico(ico)
    return summary()


if __name__ == "__main__":
    sys.exit(main())
