#!/usr/bin/python3
"""Starts the real program on a virtual X display with the accessibility bus
and prints what a screen reader (Orca, over AT-SPI) meets: the tree at the
login, then, once a first learner has been made by keys alone (Tab, Tab to the
new-learner button, Enter, a name, Enter, Enter on the welcome text), the
tree at the main menu.

It checks that both screens are there by their Polish names ("Logowanie",
"Menu główne") and that no button, list item or link is without a name.

  tests/desktop/atspi_check.py --bin build/bin [--data COURSE]

Exits with 77 (the skip code of its ctest) when Xvfb, the session bus, the
accessibility bus or python3-pyatspi is missing.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_support import Failure, log, wait_until  # noqa: E402

SKIP = 77
NAMED_ROLES = {"push button", "list item", "link", "radio button", "check box", "list"}


def start_xvfb(workdir):
    read_fd, write_fd = os.pipe()
    xlog = open(os.path.join(workdir, "xvfb.log"), "w")
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write_fd,), stdout=xlog,
                            stderr=subprocess.STDOUT)
    os.close(write_fd)
    number = b""
    with os.fdopen(read_fd, "rb") as pipe:
        number = pipe.readline()
    if not number.strip().isdigit():
        proc.kill()
        return None, None
    return proc, ":" + number.decode().strip()


def start_session_bus(env):
    out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                          "--print-pid=1"], env=env, capture_output=True, text=True, timeout=20)
    lines = out.stdout.split()
    if out.returncode != 0 or len(lines) < 2:
        return None, None
    return lines[0], int(lines[1])


def describe(node, depth, out, max_depth=7):
    """One line per accessible: its role, its name and what it can do."""
    try:
        role = node.getRoleName()
        name = node.name or ""
        states = node.getState()
        import pyatspi
        flags = [flag for flag, state in (("focused", pyatspi.STATE_FOCUSED),
                                          ("checked", pyatspi.STATE_CHECKED),
                                          ("selected", pyatspi.STATE_SELECTED))
                 if states.contains(state)]
        actions = []
        try:
            action = node.queryAction()
            actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            pass
        description = node.description or ""
    except Exception as error:  # a node that went away while it was read
        out.append((depth, "?", str(error), "", [], []))
        return
    out.append((depth, role, name, description, flags, actions))
    if depth >= max_depth:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            describe(child, depth + 1, out, max_depth)


def print_tree(tree):
    for depth, role, name, description, flags, actions in tree:
        line = "%s%s \"%s\"" % ("  " * depth, role, name)
        if description:
            line += " — %s" % description.replace("\n", " ")
        if flags:
            line += " [%s]" % ",".join(flags)
        if actions:
            line += " {%s}" % ",".join(actions)
        log(line)


def find_app(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name and "lumora" in app.name.lower():
            return app
    return None


def tree_with(pyatspi, screen):
    app = find_app(pyatspi)
    if app is None:
        return None
    tree = []
    describe(app, 0, tree)
    names = [name for _, _, name, _, _, _ in tree]
    return tree if screen in names else None


def unnamed(tree):
    return [(role, name) for _, role, name, _, _, _ in tree if role in NAMED_ROLES and not name]


def key(display, *keys):
    subprocess.run(["xdotool", "key", "--delay", "80"] + list(keys),
                   env=dict(os.environ, DISPLAY=display), check=True, timeout=20)
    time.sleep(0.4)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the folder of the built program")
    parser.add_argument("--data", help="the course folder (the program's folder by default)")
    options = parser.parse_args()
    for tool in ("Xvfb", "dbus-daemon", "xdotool"):
        if shutil.which(tool) is None:
            log("skipped: %s is not installed" % tool)
            return SKIP
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.access(launcher, os.X_OK):
        log("skipped: at-spi2-core is not installed")
        return SKIP
    exe = os.path.join(options.bin, "lumora")
    if not os.access(exe, os.X_OK):
        log("no program at %s" % exe)
        return 1

    workdir = tempfile.mkdtemp(prefix="lumora-atspi-")
    procs = []
    bus_pid = None
    try:
        xvfb, display = start_xvfb(workdir)
        if xvfb is None:
            log("skipped: Xvfb did not start")
            return SKIP
        procs.append(xvfb)
        home = os.path.join(workdir, "home")
        runtime = os.path.join(home, ".run")
        os.makedirs(runtime, mode=0o700)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
               "XDG_RUNTIME_DIR": runtime, "DISPLAY": display, "LANG": "C.UTF-8"}
        address, bus_pid = start_session_bus(env)
        if address is None:
            log("skipped: no session bus could be started")
            return SKIP
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        procs.append(subprocess.Popen([launcher, "--launch-immediately"], env=env,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        time.sleep(1.0)
        # The reader's side joins the same buses; pyatspi reads them when imported.
        os.environ.update(env)
        try:
            import pyatspi
        except ImportError:
            log("skipped: python3-pyatspi is not installed")
            return SKIP

        program_env = dict(env, QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy",
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        program_log = open(os.path.join(workdir, "lumora.log"), "w")
        program = subprocess.Popen([exe, "--data", options.data or options.bin],
                                   env=program_env, stdout=program_log, stderr=subprocess.STDOUT)
        procs.append(program)

        failures = []
        login = wait_until("the login in the accessibility tree",
                           lambda: tree_with(pyatspi, "Logowanie"), 60)
        log("== At the login")
        print_tree(login)
        failures += ["login: %s without a name" % role for role, _ in unnamed(login)]

        # A first learner, by keys alone.
        key(display, "Tab", "Tab", "Return")
        wait_until("the new-learner screen", lambda: tree_with(pyatspi, "Nowy uczeń"), 20)
        key(display, "O", "l", "a", "Return")
        wait_until("the welcome text", lambda: tree_with(pyatspi, "Informacja"), 20)
        key(display, "Return")
        menu = wait_until("the main menu in the accessibility tree",
                          lambda: tree_with(pyatspi, "Menu główne"), 60)
        time.sleep(1.5)  # the menu's pictures settle
        key(display, "Right")
        menu = tree_with(pyatspi, "Menu główne") or menu
        log("== At the main menu (after one arrow key)")
        print_tree(menu)
        failures += ["menu: %s without a name" % role for role, _ in unnamed(menu)]
        if program.poll() is not None:
            failures.append("the program ended (exit code %s)" % program.returncode)
        for failure in failures:
            log("FAIL: " + failure)
        return 1 if failures else 0
    except Failure as error:
        log("FAIL: %s" % error)
        with open(os.path.join(workdir, "lumora.log")) as f:
            log(f.read()[-2000:])
        return 1
    finally:
        for proc in reversed(procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
        if bus_pid is not None:
            try:
                os.kill(bus_pid, 15)
            except ProcessLookupError:
                pass
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
