#!/usr/bin/env python3
"""Writes src/analysis/named_character_references.cpp: the HTML named character references with the
UTF-8 text each stands for, sorted by name. Python's html.entities carries the HTML standard's list."""
import html.entities
import pathlib

OUTPUT = pathlib.Path(__file__).resolve().parents[2] / "src/analysis/named_character_references.cpp"


def c_string(text):
    # Every byte that is not plain ASCII as a hex escape; all of them, so that no escape runs on
    # into a following digit.
    if all(0x20 <= byte < 0x7f and chr(byte) not in '"\\?' for byte in text.encode()):
        return '"' + text + '"'
    return '"' + "".join(f"\\x{byte:02x}" for byte in text.encode()) + '"'


def main():
    names = sorted(html.entities.html5)
    rows = "\n".join(f"    {{{c_string(name)}, {c_string(html.entities.html5[name])}}}," for name in names)
    OUTPUT.write_text(f"""// Made by tools/named-references/generate.py; do not edit.
#include "analysis/named_character_references.h"

namespace quillet {{

namespace {{

constexpr NamedCharacterReference kReferences[] = {{
{rows}
}};

}}

std::span<const NamedCharacterReference> named_character_references()
{{
    return kReferences;
}}

}}
""")


if __name__ == "__main__":
    main()
