#!/usr/bin/python3
"""Runs the real program on a virtual X display under openbox and walks it by
clicks and keys at the positions the learner would use.

Scenarios:
  window-manager  1280 x 800: clicks on the black backdrop around the login,
                  the main menu, a topic screen, a lesson and a message box
                  never hide the scene; one task-bar entry; closing the
                  backdrop through the window manager asks before ending.
  walk            a new learner, a topic and three lessons done by clicks at
                  the scaled positions (typing, word search, presentation),
                  then the points file.

Exits with 77 (registered as the skip code) when no X server can be started.
"""
import argparse
import json
import math
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_support import Failure, log, wait_until  # noqa: E402

SKIP = 77

try:
    from Xlib import X, XK, Xatom, display as xdisplay, error as xerror
    from Xlib.ext import xtest
    from Xlib.protocol import event as xevent
except ImportError:
    print("python3-xlib is missing (tools/setup/packages.txt installs it)", file=sys.stderr)
    sys.exit(1)


# --- The X server and the window manager ----------------------------------------


class Desktop:
    """Xvfb at a given size with openbox on it; stop() ends both."""

    def __init__(self, width, height, workdir):
        self.width, self.height = width, height
        self.workdir = workdir
        self.procs = []
        self.name = None
        self.d = None

    def start(self):
        xvfb = shutil.which("Xvfb")
        if xvfb is None:
            return "Xvfb is not installed"
        read_fd, write_fd = os.pipe()
        xlog = open(os.path.join(self.workdir, "xvfb.log"), "w")
        proc = subprocess.Popen(
            [xvfb, "-displayfd", str(write_fd), "-screen", "0",
             "%dx%dx24" % (self.width, self.height), "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=xlog, stderr=subprocess.STDOUT)
        os.close(write_fd)
        self.procs.append(proc)
        number = b""
        end = time.monotonic() + 20
        os.set_blocking(read_fd, False)
        while not number.endswith(b"\n") and time.monotonic() < end and proc.poll() is None:
            try:
                chunk = os.read(read_fd, 16)
                if chunk == b"":
                    break
                number += chunk
            except BlockingIOError:
                time.sleep(0.05)
        os.close(read_fd)
        if not number.strip().isdigit():
            xlog.flush()
            with open(os.path.join(self.workdir, "xvfb.log")) as f:
                tail = f.read().strip().splitlines()[-3:]
            return "Xvfb did not start (%s)" % (" / ".join(tail) or "no output")
        self.name = ":" + number.decode().strip()
        self.d = xdisplay.Display(self.name)
        if not self.d.has_extension("XTEST"):
            raise Failure("the X server has no XTEST extension for synthetic input")
        return None

    def start_window_manager(self, env):
        openbox = shutil.which("openbox")
        if openbox is None:
            raise Failure("openbox is not installed (tools/setup/packages.txt installs it)")
        wm_log = open(os.path.join(self.workdir, "openbox.log"), "w")
        proc = subprocess.Popen([openbox, "--sm-disable"], env=env, stdout=wm_log,
                                stderr=subprocess.STDOUT)
        self.procs.append(proc)
        root = self.d.screen().root
        check = self.d.intern_atom("_NET_SUPPORTING_WM_CHECK")
        wait_until("openbox to manage the screen",
                   lambda: root.get_full_property(check, Xatom.WINDOW) is not None, 20)

    def stop(self):
        if self.d is not None:
            try:
                self.d.close()
            except Exception:
                pass
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()


# --- Looking at the windows -------------------------------------------------------


class Scene:
    """The program's windows as the X server sees them, and input sent to them."""

    def __init__(self, d, factor):
        self.d = d
        self.F = factor
        self.root = d.screen().root
        self.client_list = d.intern_atom("_NET_CLIENT_LIST")
        self.wm_protocols = d.intern_atom("WM_PROTOCOLS")
        self.wm_delete = d.intern_atom("WM_DELETE_WINDOW")
        self.program = None  # reported when a wait fails because it ended

    def clients(self):
        prop = self.root.get_full_property(self.client_list, Xatom.WINDOW)
        return list(prop.value) if prop is not None else []

    def backdrop(self):
        """The program's managed window: the one of class lumora."""
        for wid in self.clients():
            w = self.d.create_resource_object("window", wid)
            try:
                if "lumora" in (w.get_wm_class() or ()):
                    return w
            except xerror.BadWindow:
                pass
        return None

    def check_one_client(self, where):
        ids = self.clients()
        if len(ids) != 1:
            names = []
            for wid in ids:
                w = self.d.create_resource_object("window", wid)
                names.append("0x%x %r" % (wid, w.get_wm_name()))
            raise Failure("%s: the window manager lists %d windows, not one: %s"
                          % (where, len(ids), ", ".join(names)))

    def screens(self):
        """The backdrop's mapped child windows, bottom to top, as
        (id, x, y, width, height) in root coordinates."""
        backdrop = self.backdrop()
        if backdrop is None:
            return []
        found = []
        try:
            for child in backdrop.query_tree().children:
                if child.get_attributes().map_state != X.IsViewable:
                    continue
                g = child.get_geometry()
                at = self.root.translate_coords(child, 0, 0)
                found.append((child.id, at.x, at.y, g.width, g.height))
        except xerror.BadWindow:
            return []
        return found

    def front(self):
        shown = self.screens()
        return shown[-1] if shown else None

    def device_size(self, lw, lh):
        return (int(math.floor(lw * self.F + 0.5)), int(math.floor(lh * self.F + 0.5)))

    def wait_front(self, what, lw, lh, not_id=None, timeout=30):
        """Waits until the front child window has the logical size (and is not
        the window not_id); returns it."""
        want = self.device_size(lw, lh)

        def probe():
            f = self.front()
            if f is None or (not_id is not None and f[0] == not_id):
                return None
            if abs(f[3] - want[0]) <= 1 and abs(f[4] - want[1]) <= 1:
                return f
            return None

        try:
            return wait_until(what, probe, timeout)
        except Failure:
            if self.program is not None:
                self.program.check_running(what)
            raise Failure("%s: expected a %dx%d screen in front, the front is %s (all: %s)"
                          % (what, want[0], want[1], self.front(), self.screens()))

    def wait_gone(self, what, window_id, timeout=15):
        wait_until(what, lambda: all(s[0] != window_id for s in self.screens()), timeout)

    def at(self, screen, lx, ly):
        return (int(screen[1] + lx * self.F), int(screen[2] + ly * self.F))

    # Input through XTEST, as a real mouse and keyboard would send it.
    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=x, y=y)
        self.d.sync()

    def click_device(self, x, y):
        self.move(x, y)
        time.sleep(0.03)
        xtest.fake_input(self.d, X.ButtonPress, 1)
        self.d.sync()
        time.sleep(0.03)
        xtest.fake_input(self.d, X.ButtonRelease, 1)
        self.d.sync()
        time.sleep(0.05)

    def click(self, screen, lx, ly):
        self.click_device(*self.at(screen, lx, ly))

    def click_backdrop(self):
        """A click on the black outside the scene: a corner of the screen."""
        for s in self.screens():
            if s[1] <= 2 and s[2] <= 2:
                raise Failure("no black around the scene to click on: %s" % (s,))
        self.click_device(2, self.root.get_geometry().height - 3)
        time.sleep(0.4)

    def key(self, name, shift=False):
        keysym = XK.string_to_keysym(name)
        code = self.d.keysym_to_keycode(keysym)
        if code == 0:
            raise Failure("no key code for %r" % name)
        shift_code = self.d.keysym_to_keycode(XK.XK_Shift_L)
        if shift:
            xtest.fake_input(self.d, X.KeyPress, shift_code)
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        if shift:
            xtest.fake_input(self.d, X.KeyRelease, shift_code)
        self.d.sync()
        time.sleep(0.03)

    def type_text(self, text):
        for ch in text:
            if ch == " ":
                self.key("space")
            elif ch.isupper():
                self.key(ch.lower(), shift=True)
            else:
                self.key(ch)

    def close_backdrop(self):
        """What the window manager's close button sends."""
        backdrop = self.backdrop()
        ev = xevent.ClientMessage(window=backdrop, client_type=self.wm_protocols,
                                  data=(32, [self.wm_delete, X.CurrentTime, 0, 0, 0]))
        backdrop.send_event(ev, event_mask=0)
        self.d.sync()

    # Pixels.
    def pixels(self, x, y, w, h):
        """RGB bytes of a root area."""
        img = self.root.get_image(x, y, w, h, X.ZPixmap, 0xFFFFFFFF)
        data = img.data if isinstance(img.data, bytes) else bytes(img.data)
        if img.depth < 24 or len(data) < w * h * 4:
            raise Failure("unexpected image format from the X server (depth %d)" % img.depth)
        rgb = bytearray(w * h * 3)
        rgb[0::3] = data[2::4][: w * h]
        rgb[1::3] = data[1::4][: w * h]
        rgb[2::3] = data[0::4][: w * h]
        return bytes(rgb)

    def lit_share(self, screen):
        """The share of not-black pixels in the middle half of a screen."""
        w, h = max(4, screen[3] // 2), max(4, screen[4] // 2)
        x, y = screen[1] + screen[3] // 4, screen[2] + screen[4] // 4
        rgb = self.pixels(x, y, w, h)
        lit = sum(1 for i in range(0, len(rgb), 3 * 7)
                  if rgb[i] > 24 or rgb[i + 1] > 24 or rgb[i + 2] > 24)
        return lit / (len(rgb) / (3 * 7))

    def wait_drawn(self, what, screen, timeout=15):
        """Waits until the middle of a window that has just appeared is drawn."""
        try:
            wait_until(what, lambda: self.lit_share(screen) >= 0.2, timeout, 0.1)
        except Failure:
            raise Failure("%s: the window 0x%x stayed black for %d s" % (what, screen[0], timeout))

    def check_shown(self, where, screen):
        """The window is still the one in front and its middle is drawn."""
        front = self.front()
        if front is None or front[0] != screen[0]:
            raise Failure("%s: the screen 0x%x is no longer in front (front: %s)"
                          % (where, screen[0], front))
        share = self.lit_share(screen)
        if share < 0.2:
            raise Failure("%s: the middle of the screen is black (%.0f %% of it drawn)"
                          % (where, share * 100))

    def screenshot(self, path):
        g = self.root.get_geometry()
        write_png(path, g.width, g.height, self.pixels(0, 0, g.width, g.height))
        log("  screenshot %s" % path)


def write_png(path, width, height, rgb):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    stride = width * 3
    raw = b"".join(b"\x00" + rgb[y * stride:(y + 1) * stride] for y in range(height))
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


# --- The program ------------------------------------------------------------------


class Program:
    def __init__(self, bindir, desktop, home, extra_args=()):
        self.bindir = bindir
        self.home = home
        runtime = os.path.join(home, ".run")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "DISPLAY": desktop.name,
            "SDL_AUDIODRIVER": "dummy",
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "C.UTF-8",
        }
        self.args = list(extra_args)
        self.proc = None

    def start(self):
        exe = os.path.join(self.bindir, "lumora")
        # The program may be rebuilt meanwhile: wait for it to be there.
        wait_until("%s to exist" % exe, lambda: os.access(exe, os.X_OK), 60, 0.5)
        self.log = open(os.path.join(self.home, "lumora.log"), "w")
        self.proc = subprocess.Popen([exe, "--data", self.bindir] + self.args, env=self.env,
                                     stdout=self.log, stderr=subprocess.STDOUT)

    def check_running(self, where):
        if self.proc.poll() is not None:
            raise Failure("%s: the program ended (exit code %s); its output:\n%s"
                          % (where, self.proc.returncode, self.output()))

    def output(self):
        self.log.flush()
        with open(os.path.join(self.home, "lumora.log"), errors="replace") as f:
            return f.read()[-3000:]

    def stop(self):
        if self.proc is not None and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()

    def points(self):
        path = os.path.join(self.home, ".local/share/Lumora_demo/1/pkt.txt")
        if not os.path.exists(path):
            raise Failure("the learner's points file %s was not written" % path)
        out = subprocess.run([os.path.join(self.bindir, "lumora-check"), "--points", path],
                             capture_output=True, text=True, timeout=30)
        if out.returncode != 0:
            raise Failure("lumora-check --points %s failed: %s" % (path, out.stderr))
        return json.loads(out.stdout)


# Logical layouts of the screens (800 x 600 course pixels).
LOGIN = (246, 187)
LOGIN_NEW = (89 + 16, 148 + 16)
NEW_USER = (280, 106)
NEW_USER_EDIT = (80 + 84, 32 + 10)
NEW_USER_OK = (181 + 16, 69 + 16)
INFORMATION = (448, 225)
INFORMATION_CLOSE = (416 + 12, 8 + 14)
FULL = (800, 600)
QUESTION = (246, 138)
QUESTION_YES = (137 + 16, 97 + 16)
QUESTION_NO = (179 + 16, 97 + 16)
RESULT = (277, 134)
RESULT_CLOSE = (248 + 10, 8 + 14)
MENU_EXIT = (768 + 14, 4 + 20)
TOPIC_EXIT = (770 + 12, 4 + 20)
LESSON_EXIT = (718 + 16, 547 + 16)
LESSON_CHECK = (562 + 16, 547 + 16)
PRESENTATION_EXIT = (724 + 16, 15 + 16)
PRESENTATION_PRINT = (514 + 16, 548 + 16)
WORD_GRID = (44, 52)
WORD_CELL = (29, 26)
TYPING_AREA = (20, 156, 729, 377)

TOPIC = "dom"


class Course:
    """The demo course's steering rows, as lumora-check loads them."""

    def __init__(self, bindir):
        tool = os.path.join(bindir, "lumora-check")
        wait_until("%s to exist" % tool, lambda: os.access(tool, os.X_OK), 60, 0.5)
        out = subprocess.run([tool, "--data", bindir, "--dump"], capture_output=True, text=True,
                             timeout=60)
        try:
            self.steering = json.loads(out.stdout)["SteeringTable"]
        except (ValueError, KeyError):
            raise Failure("lumora-check --dump gave no steering table: %s" % out.stderr[:500])

    def row(self, code):
        for row in self.steering:
            if row["TopicFolder"] == TOPIC and row["Code"] == code:
                return row
        raise Failure("the topic %s has no lesson of code %d" % (TOPIC, code))

    def content_area(self, code):
        """The typing lesson's text box: layout pairs 3 and 4, else the default."""
        row = self.row(code)
        x, y, w, h = row["LayoutX"][2], row["LayoutY"][2], row["LayoutX"][3], row["LayoutY"][3]
        defaults = TYPING_AREA
        return (x or defaults[0], y or defaults[1], w or defaults[2], h or defaults[3])


class Targets:
    """Where the main menu's topic pictures and the topic screens' lesson
    icons are, from the benchmark tool that lists them."""

    def __init__(self, bindir):
        tool = os.path.join(bindir, "bench_topic_click_targets")
        wait_until("%s to exist" % tool, lambda: os.access(tool, os.X_OK), 60, 0.5)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        env.pop("DISPLAY", None)
        with tempfile.TemporaryDirectory() as runtime:
            env["XDG_RUNTIME_DIR"] = runtime
            out = subprocess.run([tool, bindir], capture_output=True, text=True, env=env,
                                 timeout=60)
        if out.returncode != 0:
            raise Failure("%s failed: %s" % (tool, out.stderr))
        self.topics, self.lessons = {}, {}
        for line in out.stdout.splitlines():
            parts = line.split()
            if len(parts) == 4 and parts[0] == "topic":
                self.topics[parts[1]] = (int(parts[2]), int(parts[3]))
            elif len(parts) == 5 and parts[0] == "lesson":
                self.lessons.setdefault((parts[1], int(parts[2])), (int(parts[3]), int(parts[4])))
        if TOPIC not in self.topics:
            raise Failure("no click target for the topic %r in: %s" % (TOPIC, out.stdout[:500]))

    def lesson(self, code):
        try:
            return self.lessons[(TOPIC, code)]
        except KeyError:
            raise Failure("no lesson icon of code %d in the topic %r" % (code, TOPIC))


class Walk:
    """Steps shared by both scenarios."""

    def __init__(self, scene, program, shots):
        self.s = scene
        self.p = program
        self.shots = shots

    def shot(self, name):
        if self.shots:
            os.makedirs(self.shots, exist_ok=True)
            self.s.screenshot(os.path.join(self.shots, name + ".png"))

    def login(self, timeout=60):
        screen = self.s.wait_front("the login", *LOGIN, timeout=timeout)
        self.s.wait_drawn("the login", screen)
        log("login: 0x%x at %d,%d size %dx%d" % screen)
        return screen

    def new_learner(self, login, name, before_ok=None):
        """B_Nowy, the name typed, OK, the welcome information closed: the main
        menu. before_ok runs with the new-learner screen up."""
        self.s.click(login, *LOGIN_NEW)
        form = self.s.wait_front("the new-learner screen", *NEW_USER)
        self.s.click(form, *NEW_USER_EDIT)
        self.s.type_text(name)
        if before_ok:
            before_ok(form)
        self.s.click(form, *NEW_USER_OK)
        info = self.s.wait_front("the welcome information", *INFORMATION)
        self.s.click(info, *INFORMATION_CLOSE)
        menu = self.s.wait_front("the main menu", *FULL, timeout=60)
        self.s.wait_drawn("the main menu", menu)
        log("main menu: 0x%x" % menu[0])
        return menu

    def open_topic(self, menu):
        self.s.click(menu, *Targets.current.topics[TOPIC])
        topic = self.s.wait_front("the topic screen", *FULL, not_id=menu[0])
        log("topic screen: 0x%x" % topic[0])
        return topic

    def open_lesson(self, topic, code):
        self.s.click(topic, *Targets.current.lesson(code))
        lesson = self.s.wait_front("the lesson of code %d" % code, *FULL, not_id=topic[0])
        log("lesson %d: 0x%x" % (code, lesson[0]))
        return lesson

    def backdrop_click_keeps(self, where, screen):
        self.s.click_backdrop()
        self.p.check_running(where)
        self.s.check_one_client(where)
        self.s.check_shown(where + ", after a click on the backdrop", screen)
        log("%s: a click on the backdrop left it in front and drawn" % where)

    def message_box(self, lesson):
        """Any child window in front of the lesson that is not the lesson."""
        def probe():
            f = self.s.front()
            return f if f is not None and f[0] != lesson[0] else None
        return wait_until("a message box over the lesson", probe, 30)


# --- Scenario: window manager at 1280 x 800 --------------------------------------


def covered_scene_is_caught(scene, screen):
    """A black window over the scene must fail the check; else the check
    proves nothing."""
    d = scene.d
    cover = scene.root.create_window(
        screen[1], screen[2], screen[3], screen[4], 0, d.screen().root_depth,
        X.InputOutput, X.CopyFromParent, background_pixel=d.screen().black_pixel,
        override_redirect=True)
    cover.map()
    d.sync()
    time.sleep(0.3)
    caught = False
    try:
        scene.check_shown("covered scene", screen)
    except Failure:
        caught = True
    cover.destroy()
    d.sync()
    time.sleep(0.2)
    if not caught:
        raise Failure("the check of a drawn scene passed with a black window over the scene")
    log("self-check: a black window over the scene is seen as a hidden scene")


def window_manager_scenario(walk):
    s, p = walk.s, walk.p
    login = walk.login()
    s.check_one_client("login")
    s.check_shown("login", login)
    covered_scene_is_caught(s, login)
    walk.backdrop_click_keeps("login", login)

    def new_learner_checks(form):
        walk.backdrop_click_keeps("new-learner screen", form)
        # The keyboard focus stayed in the name box: the typing goes on there.
        s.type_text("ek")

    menu = walk.new_learner(login, "Ola", before_ok=new_learner_checks)
    users = os.path.join(p.home, ".local/share/Lumora_demo/usr.t")
    with open(users, "rb") as f:
        names = f.read()
    if b"Olaek" not in names:
        raise Failure("keys typed after a click on the backdrop did not reach the name box: "
                      "usr.t holds %r" % names[:200])
    log("keys typed after a click on the backdrop reached the name box")
    s.check_one_client("main menu")
    walk.backdrop_click_keeps("main menu", menu)
    topic = walk.open_topic(menu)
    walk.backdrop_click_keeps("topic screen", topic)
    lesson = walk.open_lesson(topic, 30)
    walk.backdrop_click_keeps("lesson", lesson)

    # Printing the word list without a printer: a question, then a message
    # saying where the file went.
    s.click(lesson, *PRESENTATION_PRINT)
    question = s.wait_front("the print question", *QUESTION)
    walk.backdrop_click_keeps("print question", question)
    s.click(question, *QUESTION_YES)
    box = walk.message_box(lesson)
    log("message box: 0x%x size %dx%d" % (box[0], box[3], box[4]))
    s.check_one_client("message box")
    walk.backdrop_click_keeps("message box over the lesson", box)
    s.key("Return")
    wait_until("the message box to close", lambda: s.front() and s.front()[0] == lesson[0], 15)
    pdfs = [os.path.join(dp, f) for dp, _, fs in os.walk(p.home) for f in fs
            if f.endswith(".pdf")]
    if not pdfs:
        raise Failure("the print message was shown but no PDF was written under %s" % p.home)
    log("word list written to %s" % pdfs[0])

    s.click(lesson, *PRESENTATION_EXIT)
    s.wait_gone("the lesson to close", lesson[0])
    s.check_shown("topic screen after the lesson", s.wait_front("the topic screen", *FULL))
    s.click(topic, *TOPIC_EXIT)
    s.wait_gone("the topic screen to close", topic[0])
    s.check_shown("main menu after the topic", s.wait_front("the main menu", *FULL))

    # The window manager's close button on the backdrop asks first.
    s.close_backdrop()
    question = s.wait_front("the exit question after a close by the window manager", *QUESTION)
    p.check_running("exit question")
    s.check_one_client("exit question")
    s.check_shown("exit question", question)
    s.click(question, *QUESTION_NO)
    s.wait_gone("the exit question to close", question[0])
    time.sleep(0.3)
    p.check_running("after answering no to the exit question")
    s.check_shown("main menu after no", menu)
    log("a close by the window manager asked, and no kept the program")

    s.close_backdrop()
    question = s.wait_front("the exit question, asked again", *QUESTION)
    s.click(question, *QUESTION_YES)
    wait_until("the program to end after yes", lambda: p.proc.poll() is not None, 30)
    if p.proc.returncode != 0:
        raise Failure("the program ended with code %d:\n%s" % (p.proc.returncode, p.output()))
    log("yes ended the program")


# --- Scenario: the lessons at the scaled positions ---------------------------------


def read_word_search(bindir):
    path = os.path.join(bindir, "Pseudo", TOPIC + "_wykreslanka.txt")
    with open(path, encoding="cp1250") as f:
        lines = [line.strip() for line in f if line.strip()]
    head = lines[0].split("=")
    rows, columns, count = int(head[1]), int(head[2]), int(head[3])
    words = head[4:4 + count]
    grid = lines[1:1 + rows]
    return grid, words, columns


def solve_word_search(grid, words, columns):
    """The two cells to click for every word, found across or down."""
    ends = []
    for word in words:
        found = None
        for r, line in enumerate(grid):
            c = line.find(word)
            if c >= 0:
                found = ((r, c), (r, c + len(word) - 1))
                break
        if found is None:
            for c in range(columns):
                column = "".join(line[c] for line in grid)
                r = column.find(word)
                if r >= 0:
                    found = ((r, c), (r + len(word) - 1, c))
                    break
        if found is None:
            raise Failure("the word %s is not in the word-search grid" % word)
        ends.append((word, found))
    return ends


def word_search(walk, topic, bindir):
    s = walk.s
    grid, words, columns = read_word_search(bindir)
    lesson = walk.open_lesson(topic, 40)
    walk.backdrop_click_keeps("word search", lesson)
    for word, ends in solve_word_search(grid, words, columns):
        for r, c in ends:
            s.click(lesson, WORD_GRID[0] + c * WORD_CELL[0] + WORD_CELL[0] // 2,
                    WORD_GRID[1] + r * WORD_CELL[1] + WORD_CELL[1] // 2)
        time.sleep(0.55)  # the found word's feedback lasts 400 ms
    box = walk.message_box(lesson)
    log("word search: every word found, message 0x%x" % box[0])
    s.key("Return")
    wait_until("the message to close", lambda: s.front() and s.front()[0] == lesson[0], 15)
    s.click(lesson, *LESSON_EXIT)
    s.wait_gone("the word search to close", lesson[0])


def blue_gaps(scene, lesson):
    """Where the typing lesson draws its gaps (blue underscores): the centre
    of every run of blue on each line, in logical coordinates, reading order."""
    ax, ay, aw, ah = Course.current.content_area(37)
    x0, y0 = scene.at(lesson, ax, ay)
    w, h = int(aw * scene.F), int(ah * scene.F)
    rgb = scene.pixels(x0, y0, w, h)
    rows = {}
    # Every other pixel across, and every other row at large factors: a gap's
    # line is at least F rows high and 20 F wide.
    for y in range(0, h, max(1, int(scene.F / 2))):
        base = y * w * 3
        xs = [x for x in range(0, w, 2)
              if rgb[base + 3 * x + 2] > 140
              and rgb[base + 3 * x + 2] - max(rgb[base + 3 * x], rgb[base + 3 * x + 1]) > 70]
        if len(xs) > 3:
            rows[y] = xs
    # A gap's underscores are a line a pixel or two high: one band per text line.
    bands, last = [], None
    for y in sorted(rows):
        if last is None or y > last + 3 * scene.F:
            bands.append([])
        bands[-1].append(y)
        last = y
    gaps = []
    for band in bands:
        xs = sorted(set(x for y in band for x in rows[y]))
        runs, start, prev = [], xs[0], xs[0]
        for x in xs[1:]:
            if x > prev + 6 * scene.F:
                runs.append((start, prev))
                start = x
            prev = x
        runs.append((start, prev))
        y = band[0]
        for a, b in runs:
            if b - a >= 20 * scene.F:
                gaps.append((ax + (a + b) / 2 / scene.F, ay + y / scene.F - 5))
    return gaps


def read_typing_answers(bindir):
    path = os.path.join(bindir, "wpisywania", TOPIC + ".fcs")
    with open(path, encoding="cp1250") as f:
        text = f.read()
    return re.findall(r"&([A-Za-z'-]+)", text)


def typing(walk, topic, bindir):
    s = walk.s
    answers = read_typing_answers(bindir)
    lesson = walk.open_lesson(topic, 37)
    time.sleep(0.5)
    walk.backdrop_click_keeps("typing lesson", lesson)
    seen = []

    def all_gaps():
        seen[:] = blue_gaps(s, lesson)
        return list(seen) if len(seen) == len(answers) else None

    try:
        gaps = wait_until("the typing gaps to be drawn", all_gaps, 10, 0.2)
    except Failure:
        raise Failure("the typing lesson shows %d gaps, its file has %d: %s"
                      % (len(seen), len(answers), seen))
    log("typing: %d gaps, the first at %.0f,%.0f" % (len(gaps), gaps[0][0], gaps[0][1]))
    s.click(lesson, *gaps[0])
    time.sleep(0.2)
    for i, word in enumerate(answers):
        s.type_text(word)
        s.key("Tab")
    walk.shot("lesson-typing")
    s.click(lesson, *LESSON_CHECK)
    time.sleep(0.3)
    s.click(lesson, *LESSON_EXIT)
    result = s.wait_front("the result box", *RESULT)
    s.check_shown("result box", result)
    s.click(result, *RESULT_CLOSE)
    s.wait_gone("the typing lesson to close", lesson[0])
    return 2 * len(answers)


def presentation(walk, topic):
    s = walk.s
    lesson = walk.open_lesson(topic, 30)
    time.sleep(1.0)  # the first page appears one picture at a time
    walk.backdrop_click_keeps("presentation", lesson)
    s.click(lesson, *PRESENTATION_EXIT)
    s.wait_gone("the presentation to close", lesson[0])


def points_row(rows, name, code):
    for row in rows:
        if row.get("Name") == name and row.get("Number") == code:
            return row
    raise Failure("no points record %s/%d in %s" % (name, code, rows))


def walk_scenario(walk, bindir):
    s, p = walk.s, walk.p
    login = walk.login()
    walk.shot("login")
    menu = walk.new_learner(login, "Jan")
    s.check_one_client("main menu")
    time.sleep(0.5)
    walk.shot("menu")
    walk.backdrop_click_keeps("main menu", menu)
    topic = walk.open_topic(menu)
    walk.backdrop_click_keeps("topic screen", topic)

    word_search(walk, topic, bindir)
    typing_points = typing(walk, topic, bindir)
    presentation(walk, topic)
    p.check_running("after the lessons")

    data = p.points()
    rows = data if isinstance(data, list) else data.get("records", data.get("rows", []))
    course = Course.current
    typed = points_row(rows, course.row(37)["Content"], 37)
    if typed.get("Points") != typing_points or not typed.get("Done"):
        raise Failure("the typing lesson's record is %s, expected %d points and done"
                      % (typed, typing_points))
    shown = points_row(rows, course.row(30)["Content"], 30)
    if shown.get("Points") != 0 or not shown.get("Done"):
        raise Failure("the presentation's record is %s, expected 0 points and done" % shown)
    searched = points_row(rows, course.row(40)["Content"], 40)
    if searched.get("Points") != 0 or searched.get("Done"):
        raise Failure("the word search, which gives no points, has the record %s" % searched)
    others = [r for r in rows if r is not typed and r is not shown
              and (r.get("Points") or r.get("Done"))]
    if others:
        raise Failure("records of lessons never opened have points or done marks: %s" % others)
    log("points: typing %d and done, presentation 0 and done, word search untouched"
        % typing_points)


# --- Main ------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bin", required=True, help="the build's bin folder with the course")
    parser.add_argument("--scenario", choices=("window-manager", "walk"), required=True)
    parser.add_argument("--size", default="1280x800", help="the display, WIDTHxHEIGHT")
    parser.add_argument("--factor", type=float, required=True,
                        help="the scale factor the program must choose for this display")
    parser.add_argument("--shots", help="save screenshots of the login, the menu and a lesson")
    parser.add_argument("--keep", action="store_true", help="keep the temporary home")
    args = parser.parse_args()

    width, height = (int(v) for v in args.size.lower().split("x"))
    bindir = os.path.abspath(args.bin)
    home = tempfile.mkdtemp(prefix="lumora-desktop-")
    desktop = Desktop(width, height, home)
    program = None
    started = time.monotonic()
    try:
        why = desktop.start()
        if why:
            print("SKIPPED: %s" % why)
            return SKIP
        log("display %s %dx%d, factor %.2f" % (desktop.name, width, height, args.factor))
        wm_env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                  "DISPLAY": desktop.name}
        desktop.start_window_manager(wm_env)
        Targets.current = Targets(bindir)
        Course.current = Course(bindir)
        program = Program(bindir, desktop, home)
        program.start()
        scene = Scene(desktop.d, args.factor)
        scene.program = program
        walk = Walk(scene, program, args.shots)
        if args.scenario == "window-manager":
            window_manager_scenario(walk)
        else:
            walk_scenario(walk, bindir)
        log("passed in %.1f s" % (time.monotonic() - started))
        return 0
    except (Failure, xerror.XError, OSError, subprocess.SubprocessError) as failure:
        print("FAILED: %s" % (failure if isinstance(failure, Failure) else repr(failure)))
        if program is not None and program.proc is not None:
            print("program output:\n%s" % program.output())
        if desktop.d is not None:
            try:
                path = os.path.join(home, "failure.png")
                Scene(desktop.d, args.factor).screenshot(path)
                args.keep = True
            except Exception:
                pass
        return 1
    finally:
        if program is not None:
            program.stop()
        desktop.stop()
        if args.keep:
            print("kept %s" % home)
        else:
            shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
