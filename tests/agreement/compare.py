#!/usr/bin/python3
"""The core built for Linux and for Windows must agree byte for byte: 10^5
random inputs (plain, signed, exponents, long, both separators, blanks), run
through the native driver and through the Windows one under Wine.
Usage: compare.py NATIVE_DRIVER WINDOWS_DRIVER [COUNT]"""
import pathlib
import random
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent))
from checks import check, exit_with_summary  # noqa: E402

native, windows = sys.argv[1], sys.argv[2]
count = int(sys.argv[3]) if len(sys.argv) > 3 else 100_000
rng = random.Random(20261208)


def number(separator):
    digits = lambda n: "".join(rng.choice("0123456789") for _ in range(n))
    kind = rng.randrange(6)
    text = rng.choice(["", "", "-", "+"]) + digits(rng.randint(0, 8))
    if rng.random() < 0.7:
        text += rng.choice([separator, "."]) + digits(rng.randint(0, 6))
    if kind == 1:
        text += rng.choice("eE") + rng.choice(["", "-", "+"]) + digits(rng.randint(1, 3))
    elif kind == 2:
        text = digits(rng.randint(20, 60)) + separator + digits(rng.randint(0, 30))
    elif kind == 3:
        text = rng.choice([" ", "\u00a0", "\u3000", "\t"]) + text + rng.choice(["", " "])
    elif kind == 4:
        pos = rng.randrange(len(text) + 1)
        text = text[:pos] + rng.choice("ax,.e-+ 12") + text[pos:]
    return text


lines = []
for _ in range(count):
    separator = rng.choice([".", ","])
    lines.append(rng.choice("mi") + separator + number(separator))
cases = ("\n".join(lines) + "\n").encode("utf-8")

ours = subprocess.run([native], input=cases, capture_output=True, check=True).stdout
theirs = subprocess.run(["wine", windows], input=cases, capture_output=True, check=True).stdout
a, b = ours.split(b"\n"), theirs.split(b"\n")
different = [i for i in range(min(len(a), len(b))) if a[i] != b[i]]
accepted = sum(1 for line in a if line not in (b"-", b""))
for i in different[:10]:
    print(f"Linux {a[i]!r}, Windows {b[i]!r} for {lines[i]!r}")
check(len(a) == len(b) and not different, f"{len(different)} of {count} results differ")
check(accepted >= count // 4, f"only {accepted} of {count} inputs converted; the comparison proves little")
print(f"{count} cases, {accepted} converted on Linux and under Wine")
exit_with_summary()
