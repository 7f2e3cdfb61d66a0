#!/usr/bin/env python3
"""Writes an input for fuzz_engine from readable field values, every other field at its default.

    fuzz/engine_input.py OUT [name=value ...]

Settings and container fields by name (upHillAngle=91, multiShootBehavior=angle); load fields
as loadN.field (load0.muzzleVelocity=0, load1.active=true); a load's coefficient bands as
loadN.bands=VELMIN:BC,VELMIN:BC (load0.bands=0:0.447,1800:0.462). A choice takes an index
(or -1, -2, 100, intmax, intmin: one outside the list). Numbers are written raw, exactly as given.

The field order and defaults follow configureSettings, configureContainer and configureLoad in
fuzz_engine.cpp: keep them in step.
"""
import struct
import sys

# (name, kind, default, count of a choice)
SETTINGS = [
    ("unitSystem", "choice", 0, 2), ("useAngleDisplay", "choice", 0, 3), ("killZone", "number", 30, 0),
    ("killZoneUnit", "choice", 0, 2), ("maxRange", "integer", 800, 0), ("maxRangeUnit", "choice", 0, 2),
    ("autoRange", "flag", True, 0), ("includeSpinDrift", "flag", False, 0), ("cardStep", "integer", 50, 0),
    ("useDefaultPressure", "flag", True, 0), ("basePressure", "number", 1013, 0),
    ("basePressureUnit", "choice", 0, 2), ("altitudeCorrection", "flag", False, 0), ("altitude", "number", 150, 0),
    ("altitudeUnit", "choice", 0, 2), ("windVelocity", "number", 15, 0), ("windVelocityUnit", "choice", 0, 4),
    ("windAngle", "integer", 0, 0), ("temperature", "number", 25, 0), ("temperatureUnit", "choice", 0, 2),
    ("upHillAngle", "integer", 0, 0), ("upHillDirection", "choice", 0, 2), ("sightHeight", "number", 3.5, 0),
    ("sightHeightUnit", "choice", 0, 2), ("twist", "number", 13, 0), ("twistUnit", "choice", 1, 2),
    ("twistDirection", "choice", 1, 2), ("scopeClick", "choice", 1, 7), ("manScopeDevH", "number", 0, 0),
    ("manScopeDevUnitH", "choice", 0, 2), ("manScopeDistH", "number", 100, 0), ("manScopeDistUnitH", "choice", 0, 2),
    ("manScopeDevV", "number", 0, 0), ("manScopeDevUnitV", "choice", 0, 2), ("manScopeDistV", "number", 100, 0),
    ("manScopeDistUnitV", "choice", 0, 2),
    ("multiShootBehavior", "choice", 0, 3), ("masterIndex", "choice", 0, 4), ("plotType", "integer", 1, 0),
]
LOAD = [
    ("active", "flag", None, 0), ("muzzleVelocity", "integer", 850, 0), ("muzzleVelocityUnit", "choice", 0, 2),
    ("weight", "number", 100, 0), ("weightUnit", "choice", 0, 2), ("caliber", "number", 0.224, 0),
    ("caliberUnit", "choice", 0, 2), ("length", "number", 0.8, 0), ("lengthUnit", "choice", 0, 2),
    ("gModel", "choice", 0, 6), ("zeroRange", "integer", 200, 0), ("zeroRangeUnit", "choice", 0, 2),
]
BEHAVIOURS = {"indep": 0, "zero": 1, "angle": 2}
OUTSIDE = {"-1": 0xF0, "-2": 0xF2, "100": 0xF4, "intmax": 0xF6, "intmin": 0xF8}


def encode(kind, value, count):
    if kind == "flag":
        return bytes([1 if str(value).lower() in ("1", "true", "yes") else 0])
    if kind == "choice":
        text = str(value)
        if text in BEHAVIOURS:
            return bytes([BEHAVIOURS[text]])
        if text in OUTSIDE:
            return bytes([OUTSIDE[text]])
        index = int(text)
        if index == count:
            return bytes([0xF1])
        if not 0 <= index < count:
            sys.exit(f"choice {index} is neither in the list nor one of {', '.join(OUTSIDE)}")
        return bytes([index])
    if kind == "integer":
        return b"\xff" + struct.pack("<i", int(float(value)))
    return b"\xff" + struct.pack("<d", float(value))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    given = dict(argument.split("=", 1) for argument in sys.argv[2:])
    fields = [(name, kind, default, count) for name, kind, default, count in SETTINGS]
    for index in range(4):
        for name, kind, default, count in LOAD:
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
