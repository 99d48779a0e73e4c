#!/usr/bin/python3
"""Start-up, first sound, memory and screen figures of Lumora, each beside its floor, in one run.

Everything is timed by the X server's own events on a private Xvfb, in interleaved rounds, each
program with a fresh HOME (one learner, "Ania", in its user list), a private XDG_RUNTIME_DIR, its
own D-Bus session and SDL's dummy sound driver, so a busy machine slows every program alike;
compare the medians as ratios. Nothing polls the screen: one X connection listens for window maps
(SubstructureNotify on the root and on every top-level window, where the program's screens are
child windows) and for drawing (DAMAGE on the root); clicks and keys are sent with XTEST.

  backdrop, login    fork -> the 1st / 2nd window mapped (the backdrop, then the login inside it);
                     floor: bench_empty_window, fork -> its window mapped
  login drawn        fork -> the first drawing inside the login window; floor: the same for the
                     empty window
  first sound        the login mapped -> the time in "lumora: first sound at <CLOCK_MONOTONIC ns>",
                     which the program writes to stderr when LUMORA_TRACE_SOUND is set
  memory, libraries  VmRSS and the distinct shared objects in /proc/PID/maps when the login is
                     mapped and 300 ms after the first sound (1 s after the login when there is no
                     trace); floor: the empty window when it is mapped
  topic, lessons     an XTEST click -> the new 800 x 600 window mapped and first drawn into: on
                     the main menu a topic picture, on the topic screen each kind's lesson icon
                     (each in a fresh run); floor: bench_click_floor_window, a click on its button
                     -> its new 800 x 600 window mapped and drawn into

usage: startup_figures.py [--rounds N] [--warmup W] [--build DIR] [--lumora PROGRAM]
                          [--screen WxH] [--no-clicks] [--codes 30,35,...]
  --build    the build folder with bin/ (default: build beside this script's folder)
  --lumora   the program to measure (default: BUILD/bin/lumora), e.g. another version's build;
             the floors and the click targets always come from BUILD
  --screen   the X screen's size (default 1024x768); the program draws its screens at the largest
             quarter factor that fits, and the floors are drawn at the same factor, so every window
             is compared with one of the same device size
Needs: Xvfb, dbus-daemon and the Debian package python3-xlib (run it with /usr/bin/python3).
"""
import argparse, collections, math, os, re, select, shutil, signal, statistics, subprocess, sys
import tempfile, time
from Xlib import X, XK, display as xdisplay
from Xlib.ext import damage, xtest

KINDS = {1: 'sentences 1', 2: 'sentences 2', 3: 'sentences 3', 4: 'sentences 4',
         9: 'gap filling', 30: 'vocabulary', 31: 'picture choice', 32: 'typing drill',
         35: 'multiple choice', 36: 'drag and drop', 37: 'typing', 38: 'definitions',
         39: 'true/false', 40: 'word search', 41: 'reveal game', 42: 'crossword'}
SOUND_LINE = re.compile(rb'lumora: first sound at (\d+)')

here = os.path.dirname(os.path.abspath(__file__))
ap = argparse.ArgumentParser()
ap.add_argument('--rounds', type=int, default=15)
ap.add_argument('--warmup', type=int, default=1)
ap.add_argument('--build', default=os.path.join(os.path.dirname(here), 'build'))
ap.add_argument('--lumora')
ap.add_argument('--screen', default='1024x768')
ap.add_argument('--no-clicks', action='store_true')
ap.add_argument('--codes', help='lesson codes to click (default: every code the course lists)')
ap.add_argument('--verbose', action='store_true', help='print when each clicked window was mapped')
args = ap.parse_args()
screen_w, screen_h = map(int, args.screen.split('x'))
# The factor the program chooses: the largest quarter at which 800 x 600 fits.
SCALE = max(1.0, math.floor(min(screen_w / 800, screen_h / 600) * 4) / 4)
SCREEN_W, SCREEN_H = round(800 * SCALE), round(600 * SCALE)
bin_dir = os.path.join(os.path.abspath(args.build), 'bin')
lumora = os.path.abspath(args.lumora or os.path.join(bin_dir, 'lumora'))
empty = os.path.join(bin_dir, 'bench_empty_window')
floor = os.path.join(bin_dir, 'bench_click_floor_window')
targets_tool = os.path.join(bin_dir, 'bench_topic_click_targets')

work = tempfile.mkdtemp(prefix='startup-figures-')
run_dir = os.path.join(work, 'run'); os.makedirs(run_dir, mode=0o700)
env = {k: v for k, v in os.environ.items()
       if k not in ('WAYLAND_DISPLAY', 'SESSION_MANAGER', 'DBUS_SESSION_BUS_ADDRESS', 'XDG_DATA_HOME',
                    'LUMORA_DATA')}
env.update(XDG_RUNTIME_DIR=run_dir, QT_QPA_PLATFORM='xcb', SDL_AUDIODRIVER='dummy')
# The floors are drawn at the program's factor.
FLOOR_SCALING = dict(QT_ENABLE_HIGHDPI_SCALING='0', QT_FONT_DPI='96')
if SCALE != 1:
    FLOOR_SCALING['QT_SCALE_FACTOR'] = '%g' % SCALE


def now():
    return time.monotonic_ns()   # CLOCK_MONOTONIC, as the program's trace


def ms(ns):
    return ns / 1e6


# ---------------------------------------------------------------- the X server and its events
for n in range(150, 250):   # a free display number
    if not os.path.exists('/tmp/.X%d-lock' % n) and not os.path.exists('/tmp/.X11-unix/X%d' % n):
        break
xvfb = subprocess.Popen(['Xvfb', ':%d' % n, '-screen', '0', '%dx%dx24' % (screen_w, screen_h), '-nolisten', 'tcp',
                         '-noreset'], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
for _ in range(100):
    if os.path.exists('/tmp/.X11-unix/X%d' % n): break
    time.sleep(0.1)
time.sleep(0.3)
env['DISPLAY'] = ':%d' % n
dbus = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--nopidfile',
                         '--address=unix:path=%s/bus' % work, '--print-address=1'],
                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
env['DBUS_SESSION_BUS_ADDRESS'] = dbus.stdout.readline().decode().strip()
disp = xdisplay.Display(env['DISPLAY'])
root = disp.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
disp.damage_query_version()
damage_id = root.damage_create(damage.DamageReportRawRectangles)
damage_event = disp.extension_event.DamageNotify
disp.sync()


class Events:
    """Window maps and drawing, each with the time it was read."""

    def __init__(self):
        self.maps = []      # (ns, window)
        self.draws = []     # (ns, x, y, w, h) on the root

    def drain(self):
        while disp.pending_events():
            ev = disp.next_event()
            t = now()
            if ev.type == X.CreateNotify and ev.parent == root:
                # The program's screens are child windows of its backdrop.
                ev.window.change_attributes(event_mask=X.SubstructureNotifyMask)
            elif ev.type == X.MapNotify:
                self.maps.append((t, ev.window))
            elif ev.type == damage_event:
                a = ev.area
                self.draws.append((t, a.x, a.y, a.width, a.height))

    def wait(self, until_ns, extra_fds=()):
        """Reads events until until_ns or until one of extra_fds is readable."""
        self.drain()
        left = (until_ns - now()) / 1e9
        if left > 0:
            r, _, _ = select.select([disp.fileno()] + list(extra_fds), [], [], min(left, 0.05))
            self.drain()
            return r
        return []

    def clear(self):
        disp.sync()
        self.drain()
        self.maps.clear(); self.draws.clear()


events = Events()


def geometry(window):
    """The window's place on the root and its size."""
    try:
        g = window.get_geometry()
        at = window.translate_coords(root, 0, 0)
        return -at.x, -at.y, g.width, g.height
    except Exception:
        return None


def screen_map_after(t0, deadline, skip=()):
    """The first 800 x 600 window mapped after t0: (ns, window, geometry), or None."""
    while now() < deadline:
        for t, w in events.maps:
            if t >= t0 and w.id not in skip:
                g = geometry(w)
                if g and g[2] == SCREEN_W and g[3] == SCREEN_H:
                    return t, w, g
        events.wait(deadline)
    return None


def drawn_after(shown, click_ns, deadline):
    """The first drawing inside the window shown (ns, window, geometry) after it was mapped."""
    t0, _, (x, y, w, h) = shown
    while now() < deadline:
        for t, dx, dy, dw, dh in events.draws:
            if t >= t0 and dx < x + w and dx + dw > x and dy < y + h and dy + dh > y:
                if args.verbose:
                    print('  click -> mapped %.1f ms, -> drawn %.1f ms (%d x %d at %d, %d)'
                          % (ms(t0 - click_ns), ms(t - click_ns), dw, dh, dx, dy), file=sys.stderr)
                return t
        events.wait(deadline)
    return None


def settle(quiet_ms=400, cap_ms=6000):
    """Waits until nothing has been drawn for quiet_ms (at most cap_ms)."""
    start = now(); last = start
    while now() - start < cap_ms * 10**6:
        seen = len(events.draws)
        events.wait(now() + 50 * 10**6)
        if len(events.draws) != seen:
            last = now()
        elif now() - last >= quiet_ms * 10**6:
            return


def click(x, y):
    xtest.fake_input(disp, X.MotionNotify, x=x, y=y)
    disp.sync()
    settle(150, 1000)
    t0 = now()
    xtest.fake_input(disp, X.ButtonPress, 1)
    xtest.fake_input(disp, X.ButtonRelease, 1)
    disp.flush()
    return t0


def press_return():
    code = disp.keysym_to_keycode(XK.string_to_keysym('Return'))
    xtest.fake_input(disp, X.KeyPress, code)
    xtest.fake_input(disp, X.KeyRelease, code)
    disp.flush()


# ---------------------------------------------------------------- processes
def fresh_home():
    home = tempfile.mkdtemp(dir=work)
    data = os.path.join(home, '.local', 'share', 'Lumora_demo'); os.makedirs(data)
    open(os.path.join(data, 'usr.t'), 'wb').write(b'1=Ania\r\n')
    # The settings file the first start wrote, as in any home with a learner
    open(os.path.join(data, 'ini_hdd.t'), 'wb').write(b'anim_menu=0\r\nsample=1\r\nautoplay=0\r\n')
    return home


def start(cmd, trace=False, floor=False):
    e = dict(env, HOME=fresh_home())
    if floor:
        e.update(FLOOR_SCALING)
    if trace:
        e['LUMORA_TRACE_SOUND'] = '1'
    events.clear()
    t0 = now()
    p = subprocess.Popen(cmd, env=e, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                         stderr=subprocess.PIPE, start_new_session=True)
    os.set_blocking(p.stderr.fileno(), False)
    return p, t0


def stop(p):
    try:
        os.killpg(p.pid, signal.SIGTERM); p.wait(3)
    except (OSError, subprocess.TimeoutExpired):
        try:
            os.killpg(p.pid, signal.SIGKILL); p.wait()
        except OSError:
            pass
    p.stderr.close()


def memory(pid):
    """(VmRSS in MiB, distinct shared objects mapped), or (None, None)."""
    try:
        rss = next(int(l.split()[1]) for l in open('/proc/%d/status' % pid) if l.startswith('VmRSS:'))
        libs = set()
        for line in open('/proc/%d/maps' % pid):
            parts = line.split()
            if len(parts) >= 6 and re.search(r'\.so(\.|$)', os.path.basename(parts[5])):
                libs.add(parts[5])
        return rss / 1024, len(libs)
    except (OSError, StopIteration):
        return None, None


def drawn_inside(mapped, deadline):
    """When a window mapped ((ns, window)) was first drawn into: a drawing that lies inside it, so
    that a larger window painted behind it (the backdrop) does not count."""
    g = geometry(mapped[1])
    if not g:
        return None
    x, y, w, h = g
    while now() < deadline:
        for t, dx, dy, dw, dh in events.draws:
            if t >= mapped[0] and dx >= x and dy >= y and dx + dw <= x + w and dy + dh <= y + h:
                return t
        events.wait(deadline)
    return None


def nth_map(p, t0, want, deadline):
    while p.poll() is None and now() < deadline:
        if len([m for m in events.maps if m[0] >= t0]) >= want:
            return [m for m in events.maps if m[0] >= t0][want - 1]
        events.wait(deadline)
    return None


# ---------------------------------------------------------------- one measurement each
def run_empty(res):
    p, t0 = start([empty], floor=True)
    m = nth_map(p, t0, 1, t0 + 30 * 10**9)
    if m:
        res['empty'].append(ms(m[0] - t0))
        rss, libs = memory(p.pid)
        res['empty rss'].append(rss); res['empty libs'].append(libs)
        drawn = drawn_inside(m, m[0] + 10**9)
        res['empty drawn'].append(ms(drawn - t0) if drawn else None)
    stop(p)


def run_startup(res):
    p, t0 = start([lumora], trace=True)
    deadline = t0 + 30 * 10**9
    backdrop = nth_map(p, t0, 1, deadline)
    login = nth_map(p, t0, 2, deadline)
    if backdrop:
        res['backdrop'].append(ms(backdrop[0] - t0))
    if not login:
        stop(p); return
    res['login'].append(ms(login[0] - t0))
    rss, libs = memory(p.pid)
    res['rss login'].append(rss); res['libs login'].append(libs)
    # Read after the memory, so a drawing meanwhile may be timed up to a millisecond late.
    drawn = drawn_inside(login, login[0] + 10**9)
    res['login drawn'].append(ms(drawn - t0) if drawn else None)
    err = b''; sound = None
    end = login[0] + 3 * 10**9
    while sound is None and now() < end and p.poll() is None:
        if events.wait(end, [p.stderr.fileno()]):
            try:
                err += p.stderr.read() or b''
            except BlockingIOError:
                pass
            m = SOUND_LINE.search(err)
            if m:
                sound = int(m.group(1))
    if sound is not None:
        res['sound'].append(ms(sound - login[0]))
        sample_at = max(now(), sound) + 300 * 10**6
    else:
        sample_at = login[0] + 10**9
    while now() < sample_at:
        events.wait(sample_at)
    rss, libs = memory(p.pid)
    res['rss sound'].append(rss); res['libs sound'].append(libs)
    stop(p)


def run_floor_click(res):
    p, t0 = start([floor], floor=True)
    first = nth_map(p, t0, 1, t0 + 30 * 10**9)
    if first:
        settle()
        g = geometry(first[1])
        c0 = click(g[0] + g[2] // 2, g[1] + g[3] // 2)
        shown = screen_map_after(c0, c0 + 10 * 10**9, skip={first[1].id})
        if shown:
            drawn = drawn_after(shown, c0, c0 + 10 * 10**9)
            if drawn:
                res['floor click'].append(ms(drawn - c0))
    stop(p)


def run_lesson_click(res, topic, code, targets):
    """Logs in, clicks the topic on the main menu, then the lesson's icon."""
    p, t0 = start([lumora])
    deadline = t0 + 30 * 10**9
    login = nth_map(p, t0, 2, deadline)
    if not login:
        stop(p); return
    settle(300)
    r0 = now()
    press_return()
    menu = screen_map_after(r0, r0 + 10 * 10**9, skip={login[1].id})
    if not menu:
        stop(p); return
    settle()
    mx, my, _, _ = menu[2]
    tx, ty = targets['topic'][topic]
    c0 = click(mx + round(tx * SCALE), my + round(ty * SCALE))
    shown = screen_map_after(c0, c0 + 10 * 10**9, skip={menu[1].id})
    drawn = shown and drawn_after(shown, c0, c0 + 10 * 10**9)
    if not drawn:
        stop(p); return
    res['topic click'].append(ms(drawn - c0))
    settle()
    sx, sy, _, _ = shown[2]
    lx, ly = targets['lesson'][(topic, code)]
    c1 = click(sx + round(lx * SCALE), sy + round(ly * SCALE))
    lesson = screen_map_after(c1, c1 + 10 * 10**9, skip={menu[1].id, shown[1].id})
    drawn = lesson and drawn_after(lesson, c1, c1 + 10 * 10**9)
    if drawn:
        res['lesson %d' % code].append(ms(drawn - c1))
    stop(p)


def click_targets():
    course = os.path.dirname(lumora)
    if not os.path.exists(os.path.join(course, 'ini.t')):
        course = bin_dir
    out = subprocess.run([targets_tool, course], env=dict(env, QT_QPA_PLATFORM='offscreen'),
                         capture_output=True, text=True, check=True).stdout
    targets = {'topic': {}, 'lesson': {}}
    first_topic = {}
    for line in out.splitlines():
        f = line.split()
        if f[0] == 'topic':
            targets['topic'][f[1]] = (int(f[2]), int(f[3]))
        elif f[0] == 'lesson':
            code = int(f[2])
            targets['lesson'].setdefault((f[1], code), (int(f[3]), int(f[4])))
            first_topic.setdefault(code, f[1])
    return targets, first_topic


# ---------------------------------------------------------------- the rounds
res = collections.defaultdict(list)
try:
    plan = [('empty', run_empty), ('lumora', run_startup)]
    if not args.no_clicks:
        targets, first_topic = click_targets()
        codes = sorted(first_topic)
        if args.codes:
            codes = [c for c in map(int, args.codes.split(',')) if c in first_topic]
        # The floor runs before every lesson run, so it meets the same load.
        for code in codes:
            plan.append(('floor', run_floor_click))
            plan.append(('lesson %d' % code,
                         lambda r, c=code: run_lesson_click(r, first_topic[c], c, targets)))
    for r in range(args.warmup + args.rounds):
        round_res = collections.defaultdict(list)
        for name, run in plan:
            try:
                run(round_res)
            except OSError as e:   # a program that cannot start counts as no figure
                print('%s: %s' % (name, e), file=sys.stderr)
        if r >= args.warmup:
            for k, v in round_res.items():
                res[k].extend(v)
        print('round %d: %s' % (r, ' '.join('%s=%s' % (k, '/'.join('%.0f' % x for x in v if x is not None))
                                            for k, v in round_res.items())), file=sys.stderr)
finally:
    for proc in (dbus, xvfb):
        proc.terminate()
    shutil.rmtree(work, ignore_errors=True)


# ---------------------------------------------------------------- the table
def med(key):
    v = [x for x in res.get(key, []) if x is not None]
    return statistics.median(v) if v else None


def row(name, value, unit, floor_value=None, floor_name='', target=''):
    fmt = (lambda x: '%.1f %s' % (x, unit)) if unit != '' else (lambda x: '%d' % x)
    v = fmt(value) if value is not None else 'no data'
    f = fmt(floor_value) if floor_value is not None else ''
    ratio = 'x%.2f' % (value / floor_value) if value is not None and floor_value else ''
    print('%-44s %10s   %-10s %-14s %6s   %s' % (name, v, f, floor_name, ratio, target))


print('command: %s' % ' '.join([os.path.basename(sys.argv[0])] + sys.argv[1:]))
print('program: %s; medians of %d rounds (%d warm-up); screen %dx%d, scale %g'
      % (lumora, args.rounds, args.warmup, screen_w, screen_h, SCALE))
print('%-44s %10s   %-25s %6s   %s' % ('figure', 'lumora', 'floor', 'ratio', 'target'))
row('backdrop (first window)', med('backdrop'), 'ms', med('empty'), 'empty window', '<= x1.10')
row('login window', med('login'), 'ms', med('empty'), 'empty window', '')
row('login window drawn', med('login drawn'), 'ms', med('empty drawn'), 'empty drawn', '<= x1.50')
if res.get('sound'):
    row('first sound after the login', med('sound'), 'ms', None, '', '<= 100 ms')
else:
    row('first sound after the login', None, 'ms', None, 'no trace', '<= 100 ms')
after = 'after first sound' if res.get('sound') else '1 s after login (no trace)'
row('resident memory at login', med('rss login'), 'MiB', med('empty rss'), 'empty window',
    '<= 40 MiB' if SCALE == 1 else '<= 60 MiB at 3.5')
row('resident memory ' + after, med('rss sound'), 'MiB', med('empty rss'), 'empty window', '<= 50 MiB')
row('shared libraries at login', med('libs login'), '', med('empty libs'), 'empty window', '<= 100')
row('shared libraries ' + after, med('libs sound'), '', med('empty libs'), 'empty window', '<= 100')
if not args.no_clicks:
    row('topic screen (click -> painted)', med('topic click'), 'ms', med('floor click'), 'click floor',
        '<= x1.30')
    for code in codes:
        row('lesson %d %s' % (code, KINDS.get(code, '')), med('lesson %d' % code), 'ms',
            med('floor click'), 'click floor', '<= x1.30')
