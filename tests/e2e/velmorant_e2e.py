#!/usr/bin/env python3
"""End-to-end checks of the real velmorant executable under a private Xvfb.

Usage: velmorant_e2e.py --exe PATH CASE

Every case starts its own X server (Xvfb -displayfd picks a free display), so
synthetic input never reaches another test's window, and its own
$XDG_RUNTIME_DIR, so the single-instance guard of one test never meets
another's. Every wait is bounded, and everything started is killed at the end.
Software OpenGL (LIBGL_ALWAYS_SOFTWARE=1) is forced.
"""
import argparse
import ctypes
import os
import select
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

EXE = None
SCREEN = (640, 360)
# A key or button event must end the run within this many seconds.
EXIT_LIMIT = float(os.environ.get("VELMORANT_E2E_EXIT_LIMIT", "1.5"))
WINDOW_WAIT = 20.0  # seconds for the first window to appear (slow software GL)
TITLE = "Velmorant"


def die_with_parent():
    """Runs in each child before exec: SIGKILL it when this script dies, so a test
    killed by its runner leaves no X server or screensaver behind."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


class Session:
    """One Xvfb, one runtime dir, and the processes started against them."""

    def __init__(self, size=SCREEN, display=True, xvfb_args=()):
        self.size = size
        self.xvfb_args = list(xvfb_args)
        self.tmp = tempfile.mkdtemp(prefix="velmorant-e2e-")
        os.chmod(self.tmp, 0o700)
        self.env = dict(os.environ)
        self.env["XDG_RUNTIME_DIR"] = self.tmp
        self.env["LIBGL_ALWAYS_SOFTWARE"] = "1"
        self.env.pop("DISPLAY", None)
        self.xvfb = None
        self.procs = []
        if display:
            self._start_xvfb()

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        w, h = self.size
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "%dx%dx24" % (w, h),
             "-nolisten", "tcp", "-noreset"] + self.xvfb_args,
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=die_with_parent)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            left = deadline - time.monotonic()
            ready, _, _ = select.select([read_fd], [], [], max(left, 0))
            if not ready:
                os.close(read_fd)
                raise Failure("Xvfb did not report a display within 15 s")
            chunk = os.read(read_fd, 32)
            if not chunk:
                os.close(read_fd)
                raise Failure("Xvfb exited before reporting a display")
            number += chunk
        os.close(read_fd)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def close(self):
        for proc in self.procs + ([self.xvfb] if self.xvfb else []):
            if proc.poll() is None:
                proc.kill()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    pass
        shutil.rmtree(self.tmp, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # -- the screensaver ---------------------------------------------------

    def launch(self, *args, env=None):
        """Starts velmorant; its output goes to files read by output()."""
        n = len(self.procs)
        out = open(os.path.join(self.tmp, "out%d" % n), "wb")
        err = open(os.path.join(self.tmp, "err%d" % n), "wb")
        proc = subprocess.Popen([EXE] + list(args), env=env or self.env,
                                stdin=subprocess.DEVNULL, stdout=out, stderr=err,
                                preexec_fn=die_with_parent)
        out.close()
        err.close()
        proc.index = n
        self.procs.append(proc)
        return proc

    def output(self, proc):
        def read(name):
            with open(os.path.join(self.tmp, "%s%d" % (name, proc.index)), "rb") as f:
                return f.read().decode(errors="replace")
        return read("out"), read("err")

    def run(self, *args, env=None, timeout=20):
        """Runs velmorant to its end; returns (code, stdout, stderr)."""
        proc = self.launch(*args, env=env)
        try:
            code = proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("velmorant %s still running after %ds" % (" ".join(args), timeout))
        out, err = self.output(proc)
        return code, out, err

    # -- X helpers ---------------------------------------------------------

    def x(self, *cmd, timeout=10):
        result = subprocess.run(list(cmd), env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, timeout=timeout)
        return result.returncode, result.stdout.decode(errors="replace")

    def xdotool(self, *args):
        code, _ = self.x("xdotool", *args)
        check(code == 0, "xdotool %s failed" % " ".join(args))

    def windows(self):
        """Ids of the top-level windows titled like the screensaver."""
        code, out = self.x("xdotool", "search", "--name", "^%s$" % TITLE)
        return out.split() if code == 0 else []

    def wait_for_windows(self, count, proc_alive=()):
        deadline = time.monotonic() + WINDOW_WAIT
        while time.monotonic() < deadline:
            for proc in proc_alive:
                if proc.poll() is not None:
                    out, err = self.output(proc)
                    raise Failure("velmorant ended (code %s) before its window appeared;"
                                  " stderr: %r" % (proc.returncode, err))
            if len(self.windows()) >= count:
                return self.windows()
            time.sleep(0.1)
        raise Failure("expected %d velmorant window(s) within %ds, saw %d"
                      % (count, WINDOW_WAIT, len(self.windows())))

    def geometry(self, window):
        code, out = self.x("xwininfo", "-id", window)
        check(code == 0, "xwininfo failed")
        fields = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            fields[key] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]), fields.get("Map State"))

    def screenshot(self):
        """The root window as (width, height, rgb bytes)."""
        path = os.path.join(self.tmp, "shot.ppm")
        code, _ = self.x("import", "-window", "root", "-depth", "8", path, timeout=30)
        check(code == 0, "screenshot failed")
        return read_ppm(path)

    def started(self, *args):
        """Launches velmorant and waits until its window is up and shows a drawn frame
        (shader compilation on a busy machine can take a while), then a little longer."""
        before = set(self.windows())
        proc = self.launch(*args)
        self.wait_for_windows(len(before) + 1, proc_alive=[proc])
        (window,) = set(self.windows()) - before
        x, y, w, _, _ = self.geometry(window)
        deadline = time.monotonic() + WINDOW_WAIT
        while sum(pixel(self.screenshot(), x + w // 2, y)) <= 30:
            check(proc.poll() is None, "velmorant ended (code %s) before drawing; stderr: %r"
                  % (proc.returncode, self.output(proc)[1]))
            check(time.monotonic() < deadline, "no frame drawn within %ds" % WINDOW_WAIT)
            time.sleep(0.2)
        time.sleep(0.5)  # a few more frames
        check(proc.poll() is None, "velmorant ended by itself")
        return proc

    def expect_exit_within(self, proc, limit, what):
        start = time.monotonic()
        try:
            code = proc.wait(timeout=limit)
        except subprocess.TimeoutExpired:
            raise Failure("%s: still running %.1fs later" % (what, limit))
        elapsed = time.monotonic() - start
        check(code == 0, "%s: exit code %d; stderr: %r" % (what, code, self.output(proc)[1]))
        return elapsed

    def still_running(self, proc, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            check(proc.poll() is None, "%s: velmorant ended (code %s)" % (what, proc.returncode))
            time.sleep(0.1)

    def end_with_key(self, proc):
        self.xdotool("key", "space")
        return self.expect_exit_within(proc, EXIT_LIMIT + 5, "ending with a key press")


def request_close(display, window):
    """Asks `window` to close the way a window manager does: a WM_DELETE_WINDOW client
    message, spoken in raw X11 protocol (no client tool in the dependencies sends one)."""
    number = display.lstrip(":").split(".")[0]
    conn = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    conn.settimeout(10)
    conn.connect("/tmp/.X11-unix/X" + number)
    try:
        def receive(n):
            data = b""
            while len(data) < n:
                chunk = conn.recv(n - len(data))
                check(chunk, "X server closed the connection")
                data += chunk
            return data
        conn.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))  # little-endian, no auth
        head = receive(8)
        check(head[0] == 1, "X server refused the connection")
        receive(struct.unpack("<H", head[6:8])[0] * 4)

        def intern(name):
            raw = name.encode()
            padded = raw + b"\0" * (-len(raw) % 4)
            conn.sendall(struct.pack("<BBHHxx", 16, 0, 2 + len(padded) // 4, len(raw)) + padded)
            reply = receive(32)
            check(reply[0] == 1, "InternAtom %s failed" % name)
            return struct.unpack("<I", reply[8:12])[0]

        protocols, delete = intern("WM_PROTOCOLS"), intern("WM_DELETE_WINDOW")
        target = int(window)
        event = struct.pack("<BBHII5I", 33, 32, 0, target, protocols, delete, 0, 0, 0, 0)
        conn.sendall(struct.pack("<BBHII", 25, 0, 11, target, 0) + event)
        intern("WM_PROTOCOLS")  # a round trip: the event has been handled by the server
    finally:
        conn.close()


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:  # magic, width, height, maxval; comments allowed
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    check(fields[0] == b"P6" and fields[3] == b"255", "unexpected screenshot format")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos:pos + width * height * 3]
    check(len(pixels) == width * height * 3, "truncated screenshot")
    return width, height, pixels


def pixel(shot, x, y):
    width, _, pixels = shot
    i = (y * width + x) * 3
    return tuple(pixels[i:i + 3])


# -- cases ---------------------------------------------------------------------


def case_fullscreen_draws_ocean():
    """Opens full screen at the virtual screen's size and draws sky, haze and sea."""
    for size in ((640, 360), (500, 420)):
        with Session(size=size) as s:
            proc = s.started()
            (window,) = s.windows()
            x, y, w, h, state = s.geometry(window)
            check((x, y, w, h) == (0, 0) + size,
                  "window at %s, screen %s" % ((x, y, w, h), size))
            check(state == "IsViewable", "window not mapped: %s" % state)
            shot = s.screenshot()
            W, H, _ = shot
            check((W, H) == size, "screenshot size %s" % ((W, H),))
            sky = (0.338 * 255, 0.581 * 255, 0.841 * 255)
            top = pixel(shot, W // 2, 0)
            check(all(abs(a - b) <= 8 for a, b in zip(top, sky)),
                  "top-centre pixel %s, expected about %s" % (top, tuple(round(c) for c in sky)))
            # The haze at the horizon: the brightest pixel of the middle rows is near white.
            middle = [pixel(shot, px, py) for py in range(H * 2 // 5, H * 3 // 5)
                      for px in range(0, W, 8)]
            brightest = max(middle, key=sum)
            check(min(brightest) >= 200, "middle rows' brightest pixel %s" % (brightest,))
            # The lower part is sea: never black, blue dominates red.
            for py in (H * 3 // 4, H - 1):
                for px in (0, W // 4, W // 2, W - 1):
                    r, g, b = pixel(shot, px, py)
                    check(r + g + b > 30, "black sea pixel at %d,%d" % (px, py))
                    check(b > r, "sea pixel at %d,%d is %s" % (px, py, (r, g, b)))
            s.end_with_key(proc)


def icon_rows_from_table():
    """The icon table of app/window_icon_data.cpp (column by column) as row-order ARGB."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "app",
                        "window_icon_data.cpp")
    with open(path) as f:
        body = f.read().split("{", 1)[1].split("}", 1)[0]
    data = [int(v) for v in body.replace(",", " ").split()]
    check(len(data) == 64 * 64 * 4, "icon table has %d bytes" % len(data))
    argb = []
    for y in range(64):
        for x in range(64):
            r, g, b, a = data[(x * 64 + y) * 4:(x * 64 + y) * 4 + 4]
            argb.append(a << 24 | r << 16 | g << 8 | b)
    return argb


def case_resized_window_redraws_at_new_size():
    """A new window size reaches the drawing: the horizon haze moves to the middle of the
    resized window, and the sky still starts at its top."""
    with Session() as s:
        proc = s.started()
        (window,) = s.windows()
        s.xdotool("windowsize", window, "320", "180")
        sky = (0.338 * 255, 0.581 * 255, 0.841 * 255)
        # Polls until a frame at the new size shows; a slow machine may need several frames.
        deadline = time.monotonic() + WINDOW_WAIT
        while True:
            geometry = s.geometry(window)
            top = middle = None
            if geometry[2:4] == (320, 180):
                shot = s.screenshot()
                top = pixel(shot, 160, 0)
                middle = max((pixel(shot, x, y) for y in range(72, 108)
                              for x in range(0, 320, 4)), key=sum)
                if all(abs(a - b) <= 8 for a, b in zip(top, sky)) and min(middle) >= 200:
                    break
            check(time.monotonic() < deadline,
                  "no frame at the new size within %ds: geometry %s, top-centre pixel %s, "
                  "brightest middle pixel %s" % (WINDOW_WAIT, geometry, top, middle))
            time.sleep(0.2)
        s.xdotool("mousemove", "100", "100")  # keys go to the window under the pointer
        s.end_with_key(proc)


def case_window_icon_and_title():
    """The window is titled "Velmorant" and carries the 64 x 64 icon in row order."""
    with Session() as s:
        proc = s.started()
        (window,) = s.windows()
        code, out = s.x("xprop", "-id", window, "-notype", "32c", "_NET_WM_ICON")
        check(code == 0 and "=" in out, "no icon property: %r" % out[:200])
        values = [int(v) for v in out.split("=", 1)[1].replace(",", " ").split()]
        check(values[:2] == [64, 64], "icon size %s" % values[:2])
        expected = icon_rows_from_table()
        check(len(values) == 2 + len(expected), "icon has %d values" % (len(values) - 2))
        wrong = [i for i, (a, b) in enumerate(zip(values[2:], expected)) if a != b]
        check(not wrong, "%d icon pixels differ, first at row %d column %d"
              % (len(wrong), wrong[0] // 64, wrong[0] % 64) if wrong else "")
        s.end_with_key(proc)


def case_input_ends_run():
    """Every key event and every mouse-button event ends the run at once with code 0."""
    # (what, xdotool before launch or None, xdotool after the window is up, cleanup).
    # A key held down before the start would auto-repeat into the window (a repeat, which
    # ends the run too), so the X server's auto-repeat is pushed beyond the test.
    cases = [
        ("key press", None, ("keydown", "x"), ("keyup", "x")),
        ("Escape press", None, ("keydown", "Escape"), ("keyup", "Escape")),
        # A key held before the start: its release is the first event the window gets.
        # GLFW drops releases of keys it never saw pressed unless it has no key code for
        # them, so the key is one it leaves unnamed.
        ("key release", ("keydown", "XF86AudioMute"), ("keyup", "XF86AudioMute"), None),
        ("left click", None, ("click", "1"), None),
        ("right button press", None, ("mousedown", "3"), ("mouseup", "3")),
        ("button release", ("mousedown", "2"), ("mouseup", "2"), None),
    ]
    times = []
    for what, before, action, cleanup in cases:
        with Session(xvfb_args=("-ardelay", "60000")) as s:
            if before:
                s.xdotool(*before)
            try:
                proc = s.started()
            except Failure as failure:
                raise Failure("%s: %s" % (what, failure))
            s.xdotool(*action)
            elapsed = s.expect_exit_within(proc, EXIT_LIMIT, what)
            out, err = s.output(proc)
            check(err == "", "%s: unexpected stderr %r" % (what, err))
            times.append("%s %.2fs" % (what, elapsed))
            if cleanup:
                s.xdotool(*cleanup)
    print("exit after event: " + ", ".join(times))


def case_close_request_ends_loop():
    """A close request sets the window's close flag: the loop ends and the process
    returns 0 from its entry point."""
    for args in ((), ("/s",)):
        with Session() as s:
            proc = s.started(*args)
            (window,) = s.windows()
            request_close(s.env["DISPLAY"], window)
            s.expect_exit_within(proc, EXIT_LIMIT, "close request %r" % (args,))
            check(s.output(proc)[1] == "", "unexpected stderr %r" % s.output(proc)[1])


def case_motion_and_wheel_keep_running():
    """Mouse motion and the wheel do not end the run."""
    with Session() as s:
        proc = s.started()
        for action in (("mousemove", "10", "10"), ("mousemove", "600", "300"),
                       ("mousemove_relative", "--", "-40", "-25"),
                       ("click", "4"), ("click", "5"), ("click", "6"), ("click", "7"),
                       ("click", "--repeat", "5", "--delay", "50", "4")):
            s.xdotool(*action)
            s.still_running(proc, 0.3, " ".join(action))
        s.still_running(proc, 1.5, "after motion and wheel")
        check(len(s.windows()) == 1, "window count changed")
        s.end_with_key(proc)


def case_second_guarded_launch_exits():
    """While a guarded run is alive, another guarded launch exits 0 at once, silently."""
    for first in ((), ("/x",)):
        for second in ((), ("/p", "1234"), ("/S",)):
            with Session() as s:
                proc = s.started(*first)
                start = time.monotonic()
                code, out, err = s.run(*second, timeout=10)
                elapsed = time.monotonic() - start
                what = "%r after %r" % (second, first)
                check(code == 0, "%s: exit code %d" % (what, code))
                check(out == "" and err == "", "%s: printed %r %r" % (what, out, err))
                check(elapsed < 3, "%s: took %.1fs" % (what, elapsed))
                check(len(s.windows()) == 1, "%s: window count %d" % (what, len(s.windows())))
                check(proc.poll() is None, "%s: the first run ended" % what)
                s.end_with_key(proc)


def case_fullscreen_never_blocked():
    """/s neither takes nor respects the guard: such launches always run."""
    for first, second in (("/s", "/s"), ("", "/s"), ("/s", "")):
        with Session() as s:
            a = s.started(*filter(None, [first]))
            b = s.started(*filter(None, [second]))
            what = "%r then %r" % (first, second)
            check(len(s.windows()) == 2, "%s: window count %d" % (what, len(s.windows())))
            check(a.poll() is None and b.poll() is None, "%s: a run ended" % what)
            for proc in (a, b):
                proc.send_signal(signal.SIGTERM)
                proc.wait(timeout=5)


def case_configure_prints_about():
    """/c shows the About text (three lines on standard output) and exits 0, with or
    without a display and while a guarded run is alive; it opens no window."""
    with Session(display=False) as s:
        code, out, err = s.run("/c")
        check(code == 0, "exit code %d" % code)
        lines = out.splitlines()
        check(len(lines) == 3 and all(line.strip() for line in lines),
              "expected three lines, got %r" % out)
        check(err == "", "unexpected stderr %r" % err)
        about = out
    with Session() as s:
        proc = s.started()
        for args in (("/c",), ("/c:5678",)):
            code, out, err = s.run(*args)
            check((code, out, err) == (0, about, ""), "%r: %r %r %r" % (args, code, out, err))
            check(len(s.windows()) == 1, "%r opened a window" % (args,))
        s.end_with_key(proc)


def case_preview_fails_cleanly():
    """/p on Linux has no host window to draw into: the window failure path, exit 0."""
    for args in (("/p", "1234"), ("/p:1234",), ("/p",)):
        with Session() as s:
            code, out, err = s.run(*args)
            check(code == 0, "%r: exit code %d" % (args, code))
            check(err == "Debug: Failed to open window\n", "%r: stderr %r" % (args, err))
            check(s.windows() == [], "%r: a window exists" % (args,))


def case_no_display():
    """Without an X display: GLFW's errors, the two Debug lines, exit 0."""
    cases = [("DISPLAY unset", None), ("display without a server", ":999"),
             ("malformed display", "nonsense")]
    with Session(display=False) as s:
        for what, display in cases:
            env = dict(s.env)
            if display is not None:
                env["DISPLAY"] = display
            for args in ((), ("/s",)):
                code, out, err = s.run(*args, env=env)
                lines = err.splitlines()
                label = "%s %r" % (what, args)
                check(code == 0, "%s: exit code %d" % (label, code))
                check(len(lines) >= 3, "%s: stderr %r" % (label, err))
                check(lines[0].startswith("Error: ") and len(lines[0]) > 7,
                      "%s: first line %r" % (label, lines[0]))
                check(lines[1] == "Debug: Failed to initialize GLFW", "%s: %r" % (label, lines[1]))
                check(lines[-1] == "Debug: Failed to open window", "%s: %r" % (label, lines[-1]))
                check(all(line.startswith("Error: ") for line in lines[2:-1]),
                      "%s: stray lines %r" % (label, lines))


CASES = {name[len("case_"):]: fn for name, fn in globals().items() if name.startswith("case_")}


def main():
    global EXE
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("case", choices=sorted(CASES))
    args = parser.parse_args()
    EXE = os.path.abspath(args.exe)
    missing = [tool for tool in ("Xvfb", "xdotool", "xwininfo", "import")
               if shutil.which(tool) is None]
    if missing:
        print("FAIL %s: missing tools %s (scripts/install-deps.sh installs them)"
              % (args.case, " ".join(missing)))
        return 1
    try:
        CASES[args.case]()
    except Failure as failure:
        print("FAIL %s: %s" % (args.case, failure))
        return 1
    print("PASS %s" % args.case)
    return 0


if __name__ == "__main__":
    sys.exit(main())
