#!/usr/bin/env python3
"""Writes an input for fuzz_engine from readable field values, every other field at its default.

    fuzz/engine_input.py OUT [name=value ...]

Fields by name (upHillAngle=91, multiShootBehavior=angle, load1.active=true); a load's bands as
load0.bands=0:0.447,1800:0.462. A choice takes an index (or -1, -2, 100, intmax, intmin: one
outside the list); numbers are written raw. The fields, their order and defaults are read from
the in.flag/choice/integer/number calls of fuzz_engine.cpp.
"""
import pathlib
import re
import struct
import sys

CALL = re.compile(r'in\.(flag|choice|integer|number)\("(\w+)", ([^,)]+)(?:, ([^,)]+))?(?:, ([^,)]+))?')
BEHAVIOURS = {"indep": 0, "zero": 1, "angle": 2}
OUTSIDE = {"-1": 0xF0, "-2": 0xF2, "100": 0xF4, "intmax": 0xF6, "intmin": 0xF8}


def calls(source, function):
    body = source.split(f"void {function}(", 1)[1].split("\n}\n", 1)[0]
    for kind, name, *args in CALL.findall(body):
        count = 4 if args[0] == "ShootContainer::loadCount" else int(args[0]) if kind == "choice" else 0
        default = {"flag": args[0], "choice": args[1], "integer": args[2], "number": args[2]}[kind]
        yield name, kind, default, count


def encode(kind, value, count):
    text = str(value)
    if kind == "flag":
        return bytes([1 if text.lower() in ("1", "true", "yes") else 0])
    if kind == "choice":
        if text in BEHAVIOURS or text in OUTSIDE:
            return bytes([BEHAVIOURS.get(text, OUTSIDE.get(text))])
        index = int(text)
        if not 0 <= index <= count:
            sys.exit(f"choice {index} is neither in the list nor one of {', '.join(OUTSIDE)}")
        return bytes([0xF1 if index == count else index])
    if kind == "integer":
        return b"\xff" + struct.pack("<i", int(float(value)))
    return b"\xff" + struct.pack("<d", float(value))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    source = (pathlib.Path(__file__).parent / "fuzz_engine.cpp").read_text()
    given = dict(argument.split("=", 1) for argument in sys.argv[2:])
    fields = list(calls(source, "configureSettings")) + list(calls(source, "configureContainer"))
    load = [field for field in calls(source, "configureLoad") if field[0] not in ("coefficientBands", "velMin", "BC")]
    for index in range(4):
        for name, kind, default, count in load:
            fields.append((f"load{index}.{name}", kind, (index == 0) if name == "active" else default, count))
        fields.append((f"load{index}.bands", "bands", "0:0.3", 0))
    unknown = set(given) - {name for name, *_ in fields}
    if unknown:
        sys.exit(f"unknown fields: {', '.join(sorted(unknown))}")
    last = max((i for i, (name, *_) in enumerate(fields) if name in given), default=-1)
    out = b""
    for name, kind, default, count in fields[: last + 1]:
        value = given.get(name, default)
        if kind == "bands":
            pairs = [pair.split(":") for pair in str(value).split(",")]
            if not 1 <= len(pairs) <= 4:
                sys.exit("a load has 1 to 4 coefficient bands")
            out += bytes([len(pairs) - 1])
            for velocity_min, coefficient in pairs:
                out += encode("number", velocity_min, 0) + encode("number", coefficient, 0)
        else:
            out += encode(kind, value, count)
    with open(sys.argv[1], "wb") as file:
        file.write(out)


if __name__ == "__main__":
    main()
