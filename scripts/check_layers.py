#!/usr/bin/env python3
"""Checks that #include lines run only downwards between the library's layers.

Usage: check_layers.py ROOT
Reads every .h and .cpp file below ROOT/qorvexctl, ROOT/hostkit, ROOT/play, ROOT/testsupport and
ROOT/guide, and reports each include of a project header that the including file's layer may not
use, as FILE:LINE: LAYER may not include HEADER (LAYER). Exits 1 when it reported anything.

A test (a *_test.cpp file, a *Test.h helper of tests, or a smoke program) may also reach the
layers its own layer's users may reach (one layer up) and the widgets, to build a real widget
around what it tests.
"""
import os
import re
import sys

# Each layer and the layers it may include (besides itself), bottom first.
ALLOWED = {
    "base": [],
    "platform/drawing": ["base"],
    "platform/services": ["base"],
    "validation": ["base"],
    "platform/codecs": ["platform/drawing", "platform/services", "base"],
    "imaging/png": ["platform/codecs", "platform/drawing", "platform/services", "base"],
    "imaging/gif": ["platform/codecs", "platform/drawing", "platform/services", "base"],
    "platform/desktop": ["platform/drawing", "platform/services", "base"],
    "platform/widgets": ["platform/desktop", "platform/drawing", "platform/services", "base"],
    "platform/sdl": ["platform/desktop", "platform/drawing", "base"],
    "imaging": ["imaging/png", "imaging/gif", "platform/widgets", "platform/desktop",
                "platform/codecs", "platform/drawing", "platform/services", "base"],
    "frame": ["imaging", "imaging/png", "imaging/gif", "validation", "platform/widgets",
              "platform/desktop", "platform/codecs", "platform/drawing", "platform/services",
              "base"],
}
# The controls (the selection dialogs among them) may use every layer below them and each
# other; the host kit, the test support and the programs sit on top of everything.
ALLOWED["controls"] = ["frame"] + ALLOWED["frame"] + ["controls"]
ALLOWED["hostkit"] = ALLOWED["controls"]
ALLOWED["play"] = ALLOWED["controls"] + ["hostkit"]
ALLOWED["testsupport"] = ALLOWED["controls"] + ["hostkit"]
ALLOWED["guide"] = ALLOWED["controls"]

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"')


def layer_of_path(path):
    """The layer a repository path (qorvexctl/platform/widgets/Form.h) belongs to, or None."""
    parts = path.replace(os.sep, "/").split("/")
    if parts[0] in ("hostkit", "play", "testsupport", "guide"):
        return parts[0]
    if parts[0] != "qorvexctl" or len(parts) < 3:
        return None
    if parts[1] in ("platform", "imaging") and len(parts) >= 4:
        return parts[1] + "/" + parts[2]
    if parts[1] == "controls":
        return "controls"
    return parts[1]


def is_test(path):
    name = os.path.basename(path)
    return name.endswith("_test.cpp") or name.endswith("Test.h") or "Smoke" in name


def users_of(layer):
    return [other for other, allowed in ALLOWED.items() if layer in allowed]


def allowed_for(path, layer):
    allowed = set(ALLOWED.get(layer, [])) | {layer}
    if is_test(path):
        allowed |= {"testsupport", "platform/widgets"}
        for user in users_of(layer):
            allowed |= {user} | set(ALLOWED[user])
    return allowed


def check(root):
    problems = []
    for top in ("qorvexctl", "hostkit", "play", "testsupport", "guide"):
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                full = os.path.join(folder, name)
                rel = os.path.relpath(full, root).replace(os.sep, "/")
                layer = layer_of_path(rel)
                if layer is None or layer not in ALLOWED:
                    continue
                allowed = allowed_for(rel, layer)
                with open(full, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        target = layer_of_path(match.group(1))
                        if target is not None and target not in allowed:
                            problems.append(f"{rel}:{number}: {layer} may not include "
                                            f"{match.group(1)} ({target})")
    return problems


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    problems = check(sys.argv[1])
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
