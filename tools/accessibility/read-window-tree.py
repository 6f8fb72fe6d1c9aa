#!/usr/bin/python3
# Starts the window and reads its accessibility tree as a screen reader does,
# through AT-SPI: every text field's name and description, the wheel-size
# list's name and the status labels' names. Prints what it read; exits 1 when
# something a screen reader needs is missing. Runs on a session bus of its own
# under a virtual display (see check-accessibility.sh beside it).
import os
import subprocess
import sys
import time

import pyatspi


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def window_nodes(window, seconds=120):
    """The nodes of the program's tree once its main window shows (after the
    splash window): the first time the tree holds a text field. The deadline
    is for a hang; a busy machine may take its time."""
    pid = window.pid
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and window.poll() is None:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is None or app.get_process_id() != pid:
                continue
            nodes = [node for node, _ in walk(app)]
            if any(n.getRoleName() == "text" for n in nodes):
                return nodes
        time.sleep(0.5)
    return None


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    window = subprocess.Popen([program], env=env)
    try:
        nodes = window_nodes(window)
        if nodes is None:
            print("the window did not appear in the accessibility tree")
            return 1
        faults = []
        fields = [n for n in nodes if n.getRoleName() == "text"]
        print(f"{len(fields)} text fields:")
        for field in fields:
            print(f"  {field.name!r:40} {field.description!r}")
            if not field.name:
                faults.append("a text field without a name")
        combos = [n for n in nodes if n.getRoleName() == "combo box"]
        print("drop-down lists:", [(c.name, c.description) for c in combos])
        if "Wheel size" not in [c.name for c in combos]:
            faults.append('no drop-down list named "Wheel size"')
        labels = {n.name: n.description for n in nodes if n.getRoleName() == "label"}
        for name in ("Connection", "Activity", "Result"):
            print(f"status label {name!r}: {labels.get(name)!r}")
            if not labels.get(name):
                faults.append(f'no status label named "{name}" with its state')
        described = {f.name: f.description for f in fields}
        expected = {"Max battery current:": "amperes, at most 30.0",
                    "Start voltage:": "volts, 0.9 to 3.0",
                    "Level 1:": "percent, at most 100"}
        for name, description in expected.items():
            if described.get(name) != description:
                faults.append(f"{name} described as {described.get(name)!r}, not {description!r}")
        for fault in faults:
            print("FAULT:", fault)
        print("accessibility tree: " + ("faults found" if faults else "every check passed"))
        return 1 if faults else 0
    finally:
        window.terminate()
        window.wait(10)


if __name__ == "__main__":
    sys.exit(main())
