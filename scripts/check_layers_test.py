#!/usr/bin/env python3
"""The layer check on a small tree of its own: an include that runs up is reported with its
file and line, and the same tree without it passes."""
import os
import subprocess
import sys
import tempfile

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), "check_layers.py")


def write(root, path, text):
    full = os.path.join(root, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "w") as f:
        f.write(text)


def run(root):
    return subprocess.run([sys.executable, CHECK, root], capture_output=True, text=True)


def main():
    with tempfile.TemporaryDirectory() as root:
        write(root, "qorvexctl/platform/widgets/Form.h", '#include "qorvexctl/platform/desktop/Window.h"\n')
        write(root, "qorvexctl/platform/drawing/Canvas.h",
              '#pragma once\n#include "qorvexctl/base/Colour.h"\n'
              '#include "qorvexctl/platform/widgets/Form.h"\n')
        # A test of the drawing layer may build a widget.
        write(root, "qorvexctl/platform/drawing/Canvas_test.cpp",
              '#include "qorvexctl/platform/widgets/Form.h"\n')
        result = run(root)
        expected = ("qorvexctl/platform/drawing/Canvas.h:3: platform/drawing may not include "
                    "qorvexctl/platform/widgets/Form.h (platform/widgets)\n")
        if result.returncode != 1 or result.stdout != expected:
            print("FAIL upward include: exit %d, output %r" % (result.returncode, result.stdout))
            return 1
        write(root, "qorvexctl/platform/drawing/Canvas.h", '#include "qorvexctl/base/Colour.h"\n')
        result = run(root)
        if result.returncode != 0 or result.stdout:
            print("FAIL clean tree: exit %d, output %r" % (result.returncode, result.stdout))
            return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
