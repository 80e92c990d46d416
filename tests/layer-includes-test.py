#!/usr/bin/env python3
"""The include path each layer is compiled with holds its own layer and the layers it may use,
never another: with the flags the build gives a source of the layer (compile_commands.json),
a header of a layer it may use is found, and headers of layers above or beside it are not.

Usage: tests/layer-includes-test.py BUILD_DIR
"""
import json
import shlex
import subprocess
import sys
from pathlib import Path

# layer: (a header it may include, headers of layers it may not use, which it must not find)
CASES = {
    "cards": ("system/Clock.h", ["players/HandRecord.h", "gui/Control.h", "ui/Card.h"]),
    "players": ("cards/Hand.h", ["round/RoundEngine.h", "gui/Control.h"]),
    "round": ("players/SaveFile.h", ["gui/App.h", "ui/Card.h", "tables/TableScreen.h"]),
    "gui": ("system/Clock.h", ["gui/sdl/SdlPump.h", "cards/Hand.h"]),
    "frontend": ("ui/Card.h", ["round/RoundEngine.h", "tables/TableScreen.h", "app/Game.h"]),
    "tables": ("round/RoundEngine.h", ["frontend/Tmainform.h", "app/Game.h", "gui/sdl/SdlPump.h"]),
}


def flags_of(commands, layer, source_root):
    """The compiler and its -I, -isystem and -D flags for the first source of the layer."""
    folder = source_root / layer
    for entry in commands:
        if Path(entry["file"]).parent == folder:
            words = shlex.split(entry["command"])
            words = [w for w in words if not w.endswith("ccache")]
            kept, i = [words[0]], 1
            while i < len(words):
                w = words[i]
                if w in ("-I", "-isystem", "-D"):
                    kept += [w, words[i + 1]]
                    i += 2
                    continue
                if w.startswith(("-I", "-D", "-std=")):
                    kept.append(w)
                i += 1
            return kept, entry["directory"]
    return None, None


def finds(compiler_flags, directory, header):
    result = subprocess.run(
        compiler_flags + ["-E", "-x", "c++", "-o", "/dev/null", "-"],
        input=f'#include "{header}"\n', text=True, cwd=directory, capture_output=True)
    return result.returncode == 0


def main():
    build = Path(sys.argv[1])
    source_root = Path(__file__).resolve().parent.parent / "src"
    commands = json.loads((build / "compile_commands.json").read_text())
    failed = False
    for layer, (allowed, above) in CASES.items():
        flags, directory = flags_of(commands, layer, source_root)
        if flags is None:
            print(f"no source of {layer} in {build}/compile_commands.json")
            failed = True
            continue
        if not finds(flags, directory, allowed):
            print(f"{layer}: does not find {allowed}, which it may use")
            failed = True
        for header in above:
            if finds(flags, directory, header):
                print(f"{layer}: finds {header}, from a layer it may not use")
                failed = True
    if not failed:
        print(f"layer includes: {len(CASES)} layers see only the headers of the layers they use")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
