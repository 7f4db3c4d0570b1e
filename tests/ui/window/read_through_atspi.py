#!/usr/bin/python3
"""Reads the window through the desktop's accessibility bus (AT-SPI), as a screen reader does.

On a private X server and D-Bus session, starts the program on a catalogue in a folder named in
Cyrillic and a file named in Japanese; then, over the bus only, reads the title, the counters
and a spin button, sets the spin button, selects a line and reads the description line by line,
and presses "Esci". Usage: read_through_atspi.py PROGRAM CATALOGUE. Exits 1 on a wrong reading,
77 (skipped) without a tool that scripts/install-deps.sh installs. Waits end as soon as what
they wait for is there; their limit only bounds a hang.
"""

import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

HANG = 120  # seconds
ACCESSIBLE, TEXT, ACTION = "org.a11y.atspi.Accessible", "org.a11y.atspi.Text", "org.a11y.atspi.Action"
ROLE_LABEL, ROLE_LIST, ROLE_PUSH_BUTTON, ROLE_SPIN_BUTTON, ROLE_TEXT = 29, 31, 43, 52, 61
LINE_START = 5  # ATSPI_TEXT_BOUNDARY_LINE_START
FOLDER, FILE = "Документы", "ゲーム.dat"


def check(condition, what):
    if not condition:
        sys.exit("FAIL: " + what)
    print("ok:", what)


def wait_for(what, probe):
    deadline = time.monotonic() + HANG
    while True:
        try:
            found = probe()
        except dbus.DBusException:
            found = None  # not on the bus yet
        if found:
            return found
        if time.monotonic() > deadline:
            sys.exit("FAIL: still waiting for " + what)
        time.sleep(0.05)


def ready_line(stream):
    """The line a helper writes once it is ready."""
    if not select.select([stream], [], [], HANG)[0]:
        sys.exit("FAIL: a helper did not start")
    return stream.readline().strip()


class Node:
    """An accessible object, called by its bus name so that the bus starts what is not running."""

    def __init__(self, bus, name, path):
        self.bus, self.name, self.path = bus, str(name), str(path)

    def call(self, interface, method, signature="", *args):
        return self.bus.call_blocking(self.name, self.path, interface, method, signature, args,
                                      timeout=HANG)

    def get(self, interface, prop):
        return self.call("org.freedesktop.DBus.Properties", "Get", "ss", interface, prop)

    def label(self):
        return str(self.get(ACCESSIBLE, "Name"))

    def text(self):
        return str(self.call(TEXT, "GetText", "ii", 0, -1))

    def children(self):
        return [Node(self.bus, n, p) for n, p in self.call(ACCESSIBLE, "GetChildren")]

    def find(self, role, named):
        for child in self.children():
            if int(child.call(ACCESSIBLE, "GetRole")) == role and named(child.label()):
                return child
            found = child.find(role, named)
            if found:
                return found
        return None


def read_window(program, environment):
    session = dbus.bus.BusConnection(environment["DBUS_SESSION_BUS_ADDRESS"])
    # The accessibility bus and its registry start before the program, so that its own
    # requests for them are answered at once, however busy the machine.
    bus = dbus.bus.BusConnection(str(session.call_blocking(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", "", (), timeout=HANG)))
    registry = Node(bus, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    wait_for("the registry", lambda: registry.children() is not None)
    window = subprocess.Popen([program, os.path.join(FOLDER, FILE)], env=environment,
                              cwd=environment["HOME"])
    try:
        app = wait_for("the program", lambda: next(
            (n for n in registry.children() if n.label() == "torvane-database"), None))
        title = "Torvane Database 1.1.1.0ß — " + FILE
        frame = wait_for("the window " + title,
                         lambda: next((n for n in app.children() if n.label() == title), None))
        loaded = frame.find(ROLE_LABEL, lambda name: name.startswith("Oggetti Caricati: "))
        found = frame.find(ROLE_LABEL, lambda name: name.startswith("Oggetti Trovati: "))
        count = loaded.label().split(": ")[1]
        check(int(count) > 0 and found.label().endswith(": " + count) and
              loaded.text() == loaded.label(), "the counters read " + count)

        spin = frame.find(ROLE_SPIN_BUTTON, lambda name: name == "Livello minimo")
        value = "org.a11y.atspi.Value"
        check(spin.get(value, "CurrentValue") == 0 and spin.get(value, "MaximumValue") == 300,
              "Livello minimo is a spin button from 0 to 300, at 0")
        spin.call("org.freedesktop.DBus.Properties", "Set", "ssv", value, "CurrentValue",
                  dbus.Double(7))
        box = frame.find(ROLE_TEXT, lambda name: name == "Livello minimo")
        wait_for("the box to read 7", lambda: box.text() == "7")

        description = frame.find(ROLE_LABEL, lambda name: name == "Descrizione")
        check(description.text() == "", "the empty description goes by its name")
        weapons = frame.find(ROLE_LIST, lambda name: name == "Elenco delle armi")
        line = max(weapons.children(), key=lambda item: len(item.label()))
        line.call(ACTION, "DoAction", "i", 0)  # toggles its selection
        wait_for("the description of the selected line",
                 lambda: description.label() == description.text() == line.label())
        lines, offset = [], 0
        while offset < len(line.label()):
            text, start, end = description.call(TEXT, "GetTextAtOffset", "iu", offset, LINE_START)
            check(start == offset < end, "a line of the description: " + text)
            lines.append(str(text))
            offset = end
        check(len(lines) > 1 and "".join(lines) == line.label(), "it reads line by line")

        frame.find(ROLE_PUSH_BUTTON, lambda name: name == "Esci").call(ACTION, "DoAction", "i", 0)
        check(window.wait(HANG) == 0, "Esci ends the program cleanly")
    finally:
        if window.poll() is None:
            window.kill()
            window.wait()


def main():
    program, catalogue = os.path.abspath(sys.argv[1]), sys.argv[2]
    with tempfile.TemporaryDirectory() as work:
        home, runtime = os.path.join(work, "home"), os.path.join(work, "runtime")
        os.makedirs(os.path.join(home, FOLDER))
        os.mkdir(runtime, 0o700)
        shutil.copy(catalogue, os.path.join(home, FOLDER, FILE))
        environment = dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime,
                           XDG_CONFIG_HOME=os.path.join(work, "config"), QT_QPA_PLATFORM="xcb",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # A display and a session bus of the test's own, each telling when it is ready.
        read_end, write_end = os.pipe()
        helpers = [subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp",
                                     "-screen", "0", "1280x1024x24"],
                                    pass_fds=[write_end], stderr=subprocess.DEVNULL)]
        os.close(write_end)
        try:
            with os.fdopen(read_end) as display:
                environment["DISPLAY"] = ":" + ready_line(display)
            helpers.append(subprocess.Popen(
                ["dbus-daemon", "--session", "--nofork", "--print-address"],
                stdout=subprocess.PIPE, text=True, env=environment))
            environment["DBUS_SESSION_BUS_ADDRESS"] = ready_line(helpers[-1].stdout)
            read_window(program, environment)
        finally:
            for helper in reversed(helpers):
                helper.terminate()
                helper.wait()


if __name__ == "__main__":
    try:
        import dbus
    except ImportError:
        sys.exit(print("skipped: python3-dbus is missing") or 77)
    if not all(map(shutil.which, ["Xvfb", "dbus-daemon"])) or \
            not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        sys.exit(print("skipped: Xvfb, dbus-daemon or at-spi2-core is missing") or 77)
    main()
