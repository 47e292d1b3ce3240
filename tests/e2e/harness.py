"""End-to-end harness: runs the real plimso on a private Xvfb server with its own
session bus and accessibility bus, drives it with real X input (xdotool) and
reads it through the accessibility tree (AT-SPI, pyatspi), the screen's pixels
and the files it writes.

A journey is a function taking the path of the plimso executable. Run one with
    PLIMSO_PROJECT_VERSION=VERSION dbus-run-session -- /usr/bin/python3 run.py --app PATH --journey NAME
where VERSION is the one the build gives the program (CTest sets it).
Exit codes: 0 passed, 1 failed, 77 skipped (no X server or a needed tool).

A session may run a real screen reader beside plimso: Orca, speaking through
speech-dispatcher into ALSA's null device; what it says is read from
speech-dispatcher's log.

PLIMSO_E2E_KEEP=1 keeps each journey's temporary folder (with a screenshot and
an accessibility tree dump on failure); PLIMSO_E2E_SHOTS=/absolute/folder makes
the journeys that show something worth seeing save cropped PNGs there.
"""
import html
import os
import random
import re
import select
import shutil
import signal
import subprocess
import tempfile
import time

SKIP = 77
SCREEN = (1920, 1200)
# Tools a journey cannot do without; a machine lacking one skips every journey.
NEEDED_TOOLS = ("Xvfb", "xdotool", "import", "/usr/libexec/at-spi-bus-launcher")


class Skip(Exception):
    pass


class JourneyFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise JourneyFailure(message)


def missing_tool():
    """The first needed tool that is not installed, or None."""
    for tool in NEEDED_TOOLS:
        if not (os.access(tool, os.X_OK) if os.path.isabs(tool) else shutil.which(tool)):
            return tool
    return None


def wait_until(predicate, timeout=10.0, interval=0.05, what="condition"):
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = predicate()
            if value:
                return value
        except Exception as e:  # the tree changes under us while windows come and go
            last_error = e
        if time.monotonic() >= deadline:
            break
        time.sleep(interval)
    raise JourneyFailure(f"timed out after {timeout}s waiting for {what}"
                         + (f" (last error: {last_error!r})" if last_error else ""))


class Xvfb:
    """A private X server on a display number of its own.

    Numbers are picked at random well above the usual :0 so that servers of
    other test runs on the machine do not interfere; a server that does not
    come up, or cannot be reached, is replaced by one on another number.
    """

    def __init__(self, width, height, attempts=5):
        exe = shutil.which("Xvfb")
        if not exe:
            raise Skip("Xvfb is not installed")
        self.proc = None
        for _ in range(attempts):
            number = random.randrange(100, 900)
            if self._start(exe, number, width, height) and self._reachable():
                return
            self.stop()
        raise Skip("Xvfb could not be started")

    def _start(self, exe, number, width, height):
        r, w = os.pipe()
        self.proc = subprocess.Popen(
            # -noreset: by default the server resets whenever its last client
            # leaves, and refuses connections while it does.
            [exe, f":{number}", "-displayfd", str(w), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        # The server writes its display number once it accepts connections.
        reported = b""
        deadline = time.monotonic() + 15
        while not reported.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or not select.select([r], [], [], remaining)[0]:
                break
            chunk = os.read(r, 16)
            if not chunk:
                break
            reported += chunk
        os.close(r)
        self.display = ":" + reported.decode().strip()
        return reported.strip() == str(number).encode()

    def _reachable(self):
        probe = subprocess.run(["xdotool", "getdisplaygeometry"],
                               env=dict(os.environ, DISPLAY=self.display),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return probe.returncode == 0

    def stop(self):
        if self.proc and self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()


class ScreenReader:
    """Orca with a settings folder of its own, speaking through a speech-dispatcher of
    its own into ALSA's null device; every message queued is in speech-dispatcher's log."""

    def __init__(self, work, env):
        for tool in ("orca", "speech-dispatcher"):
            if not shutil.which(tool):
                raise Skip(f"{tool} is not installed")
        logs, config = os.path.join(work, "speech"), os.path.join(work, "speech-dispatcher")
        self.log = os.path.join(logs, "speech-dispatcher.log")
        os.makedirs(logs)
        with open(os.path.join(env["HOME"], ".asoundrc"), "w") as f:
            f.write("pcm.!default { type null }\n")
        shutil.copytree("/etc/speech-dispatcher", config)  # but ALSA: no PulseAudio runs
        with open(os.path.join(config, "speechd.conf"), "a") as f:
            f.write('\nAudioOutputMethod "alsa"\n')
        quiet = dict(env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs = [subprocess.Popen(["speech-dispatcher", "-s", "-t", "0", "-l", "5",
                                        "-L", logs, "-C", config], **quiet)]
        try:  # Orca must find this one, not start one of its own
            socket = os.path.join(env["XDG_RUNTIME_DIR"], "speech-dispatcher", "speechd.sock")
            wait_until(lambda: os.path.exists(socket), 30, what="speech-dispatcher")
            self.procs.append(subprocess.Popen(
                self._alone() + ["orca", "-u", os.path.join(work, "orca")], **quiet))
            wait_until(self.said, 60, what="Orca's first words")
        except BaseException:
            self.stop()
            raise

    @staticmethod
    def _alone():
        """A process namespace of its own, where one can be made: Orca refuses to start
        while any other Orca of the same user runs on the machine."""
        pid = ["--pid", "--fork", "--mount-proc", "--kill-child"]
        for prefix in (["unshare"] + pid, ["unshare", "--user", "--map-root-user"] + pid):
            if shutil.which("unshare") and subprocess.run(
                    prefix + ["true"], stderr=subprocess.DEVNULL).returncode == 0:
                return prefix
        return []

    def said(self):
        """Every message queued for speech so far, in order, without markup or a final
        full stop."""
        with open(self.log, encoding="utf-8", errors="replace") as f:
            text = f.read()
        return [html.unescape(re.sub(r"<[^>]*>", "", m)).strip().rstrip(".")
                for m in re.findall(r"Queueing message \|(.*?)\| with priority", text, re.S)]

    def wait_said(self, text, since=0):
        """Waits for the message `text` from position `since` on; returns the position
        after it."""
        def heard():
            said = self.said()[since:]
            return since + said.index(text) + 1 if text in said else None
        try:
            return wait_until(heard, 30, interval=0.2, what=f"Orca to say {text!r}")
        except JourneyFailure as e:
            raise JourneyFailure(f"{e}; it said {self.said()[since:]}") from None

    def stop(self):
        for proc in self.procs:
            proc.kill()
            proc.wait()


class Image:
    """An RGB grab of a screen rectangle."""

    def __init__(self, x, y, width, height, data):
        self.x, self.y, self.width, self.height, self.data = x, y, width, height, data

    def at(self, x, y):
        """The colour at screen position (x, y)."""
        i = ((y - self.y) * self.width + (x - self.x)) * 3
        return tuple(self.data[i:i + 3])

    def count(self, colour):
        """How many pixels have this colour."""
        r, g, b = colour
        d = self.data
        return sum(1 for i in range(0, len(d), 3) if d[i] == r and d[i + 1] == g and d[i + 2] == b)


class Session:
    """One private desktop with plimso in it.

    `placement` (left, top, width, height in twips) is stored in the settings
    before the start, so that a journey gets a frame big enough for its windows.
    The program runs from a copy in a folder of its own, or where it is when
    `in_place` (an installed program, say).
    """

    def __init__(self, app_path, placement=None, in_place=False, screen_reader=False):
        if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
            raise Skip("no session bus: run under dbus-run-session")
        tool = missing_tool()
        if tool:
            raise Skip(f"{tool} is not installed")
        self.work = tempfile.mkdtemp(prefix="plimso-e2e-")
        self.proc = self.bus = self.x = self.log = self.screen_reader = None
        self.started_at = None
        if in_place:
            self.app = os.path.abspath(app_path)
            self.app_dir = os.path.dirname(self.app)
        else:
            # plimso writes pattern files next to its executable: give it a folder of its own.
            self.app_dir = os.path.join(self.work, "app")
            os.makedirs(self.app_dir)
            self.app = os.path.join(self.app_dir, "plimso")
            shutil.copy2(app_path, self.app)
        self.home = os.path.join(self.work, "home")
        self.config = os.path.join(self.home, ".config")
        # Where plimso writes pattern files when its own folder takes none.
        self.data_home = os.path.join(self.home, ".local", "share")
        self.settings_file = os.path.join(self.config, "plimso", "plimso.conf")
        os.makedirs(os.path.dirname(self.settings_file), exist_ok=True)
        if placement:
            self.store_placement(*placement)
        try:
            self._start_desktop()
            if screen_reader:
                self.screen_reader = ScreenReader(self.work, self.env)
        except BaseException:
            self.close()
            raise

    def _start_desktop(self):
        self.x = Xvfb(*SCREEN)
        self.env = dict(os.environ)
        self.env.update({
            "DISPLAY": self.x.display,
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": self.data_home,
            "XDG_RUNTIME_DIR": self._runtime_dir(),
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "NO_AT_BRIDGE": "0",
            "LANG": "C.UTF-8",
        })
        # The C locale throughout: LC_ALL, LC_MESSAGES or LANGUAGE would pick
        # the texts' language over LANG.
        for var in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
                    "QT_FONT_DPI", "QT_STYLE_OVERRIDE", "QT_QPA_PLATFORMTHEME",
                    "LC_ALL", "LC_MESSAGES", "LANGUAGE"):
            self.env.pop(var, None)
        os.environ["DISPLAY"] = self.x.display
        self.bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                    env=self.env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
        wait_until(self._a11y_bus_up, 10, what="the accessibility bus")
        import pyatspi  # imported late: it connects to the accessibility bus on import
        self.atspi = pyatspi

    @staticmethod
    def _a11y_bus_up():
        from gi.repository import Gio, GLib
        bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                              "org.freedesktop.DBus", "NameHasOwner",
                              GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, 1000, None)
        return reply.unpack()[0]

    def _runtime_dir(self):
        d = os.path.join(self.work, "runtime")
        os.makedirs(d, mode=0o700, exist_ok=True)
        return d

    # --- settings -------------------------------------------------------------
    def store_placement(self, left, top, width, height):
        with open(self.settings_file, "w") as c:
            c.write(f"[Settings]\nMainLeft={left}\nMainTop={top}\n"
                    f"MainWidth={width}\nMainHeight={height}\n")

    def stored_settings(self):
        """The Settings section of plimso's settings file, as a dict."""
        values, section = {}, None
        with open(self.settings_file) as f:
            for line in f:
                line = line.strip()
                if line.startswith("["):
                    section = line.strip("[]")
                elif "=" in line and section == "Settings":
                    key, value = line.split("=", 1)
                    values[key.strip()] = value.strip()
        return values

    # --- the program -------------------------------------------------------
    def start(self, *arguments, closed_stderr=False):
        """Starts plimso with these command-line arguments, in the home folder;
        with `closed_stderr`, with descriptor 2 closed (`plimso 2>&-`)."""
        self.started_at = time.monotonic()
        self.log = open(os.path.join(self.work, "plimso.log"), "w")
        self.proc = subprocess.Popen([self.app, *arguments], env=self.env, cwd=self.home,
                                     stdout=self.log, stderr=subprocess.STDOUT,
                                     preexec_fn=(lambda: os.close(2)) if closed_stderr else None)
        return self

    def running(self):
        return self.proc is not None and self.proc.poll() is None

    def wait_exit(self, timeout=10):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise JourneyFailure("plimso did not end")

    def program_output(self):
        try:
            with open(os.path.join(self.work, "plimso.log")) as f:
                return f.read()
        except OSError:
            return ""

    def close(self):
        if self.proc and self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        if self.screen_reader:
            self.screen_reader.stop()
        if self.bus and self.bus.poll() is None:
            self.bus.terminate()
            try:
                self.bus.wait(5)
            except subprocess.TimeoutExpired:
                self.bus.kill()
        if self.x:
            self.x.stop()
        if self.log:
            self.log.close()
        if os.environ.get("PLIMSO_E2E_KEEP"):
            print("kept", self.work)
        else:
            shutil.rmtree(self.work, ignore_errors=True)

    # --- reading through AT-SPI -------------------------------------------
    def application(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.proc.pid:
                    return app
            except Exception:
                continue
        return None

    def windows(self):
        """plimso's top-level windows: the frame, the splash, dialogs."""
        app = self.application()
        if app is None:
            return []
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def find_all(self, predicate, root=None, limit=3000):
        roots = [root] if root is not None else self.windows()
        found, stack, seen = [], list(reversed(roots)), 0
        while stack and seen < limit:
            acc = stack.pop()
            if acc is None:
                continue
            seen += 1
            try:
                if predicate(acc):
                    found.append(acc)
                stack.extend(acc.getChildAtIndex(i) for i in reversed(range(acc.childCount)))
            except Exception:
                continue
        return found

    def has_state(self, acc, state):
        return acc.getState().contains(state)

    def find(self, name=None, role=None, root=None, showing=True):
        def match(acc):
            if name is not None and acc.name != name:
                return False
            if role is not None and acc.getRoleName() != role:
                return False
            if showing and not self.has_state(acc, self.atspi.STATE_SHOWING):
                return False
            return True
        hits = self.find_all(match, root)
        return hits[0] if hits else None

    def wait_for(self, name=None, role=None, root=None, timeout=10, showing=True):
        return wait_until(lambda: self.find(name, role, root, showing), timeout,
                          what=f"{role or 'object'} {name!r}")

    def wait_gone(self, name=None, role=None, timeout=10, showing=True):
        wait_until(lambda: self.find(name, role, showing=showing) is None, timeout,
                   what=f"{role or 'object'} {name!r} to go away")

    def child_window(self, caption, timeout=10):
        """The frame's child window with this caption.

        A child window that does not fit the frame's client area is reported
        off screen, so its showing state is not required here.
        """
        return self.wait_for(caption, "frame", timeout=timeout, showing=False)

    def child_window_gone(self, caption, timeout=10):
        self.wait_gone(caption, "frame", timeout=timeout, showing=False)

    def top_window(self, name, role=None):
        for w in self.windows():
            try:
                if w.name == name and (role is None or w.getRoleName() == role) \
                        and self.has_state(w, self.atspi.STATE_SHOWING):
                    return w
            except Exception:
                pass
        return None

    def wait_top_window(self, name, role=None, timeout=10):
        return wait_until(lambda: self.top_window(name, role), timeout,
                          what=f"the window {name!r}")

    @staticmethod
    def extents(acc):
        import pyatspi
        e = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    @staticmethod
    def centre(acc):
        x, y, w, h = Session.extents(acc)
        return x + w // 2, y + h // 2

    def text_of(self, acc):
        try:
            t = acc.queryText()
            return t.getText(0, t.characterCount)
        except Exception:
            return acc.name

    def dump(self, root=None, max_depth=12, max_lines=1500):
        """The accessibility tree as text, for finding one's way when lost.

        Some views report themselves among their own descendants: depth and
        size are bounded.
        """
        lines = []

        def walk(acc, depth):
            if len(lines) >= max_lines:
                return
            try:
                states = [s.value_nick for s in acc.getState().getStates()]
                lines.append("  " * depth + f"[{acc.getRoleName()}] {acc.name!r} "
                             f"{self.extents(acc)} {','.join(states)}")
                if depth < max_depth:
                    for i in range(acc.childCount):
                        walk(acc.getChildAtIndex(i), depth + 1)
            except Exception as e:
                lines.append("  " * depth + f"(unreadable: {e!r})")

        for acc in ([root] if root is not None else self.windows()):
            walk(acc, 0)
        return "\n".join(lines)

    # --- real input ---------------------------------------------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool", *map(str, args)], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def click_at(self, x, y):
        self.xdotool("mousemove", "--sync", x, y, "click", 1)

    def click(self, acc):
        """Clicks the centre of an object, which must lie inside every one of its containers
        (a child window can extend beyond the frame's client area, where clicks miss it)."""
        x, y, w, h = self.extents(acc)
        check(w > 0 and h > 0, f"{acc.name!r} has no area on screen")
        cx, cy = x + w // 2, y + h // 2
        parent = acc.parent
        while parent is not None and parent.getRoleName() != "application":
            px, py, pw, ph = self.extents(parent)
            # A menu's entries pop up outside the menu bar: only real containers clip.
            if pw > 0 and ph > 0 and parent.getRoleName() not in ("menu item", "menu bar"):
                check(px <= cx < px + pw and py <= cy < py + ph,
                      f"{acc.name!r} at {(cx, cy)} lies outside its container "
                      f"[{parent.getRoleName()}] {parent.name!r} at {(px, py, pw, ph)}")
            parent = parent.parent
        self.click_at(cx, cy)

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.xdotool("type", "--delay", 10, text)

    def menu(self, *path):
        """Opens a menu path by clicking, e.g. menu("檔案(F)", "開啟(O)...")."""
        item = self.wait_for(path[0], "menu item")
        self.click(item)
        for name in path[1:]:
            item = self.wait_for(name, "menu item")
            self.click(item)

    # --- the screen ---------------------------------------------------------
    def x_windows(self):
        """plimso's mapped top-level X windows, as {window id: (x, y, width, height)}.

        Cheaper and more immediate than the accessibility tree, whose view of
        windows coming and going lags behind the screen by some milliseconds.
        """
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "plimso",
                              "getwindowgeometry", "%@"], env=self.env,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True).stdout
        windows, current = {}, None
        for line in out.splitlines():
            words = line.replace(",", " ").replace("x", " ").split()
            if line.startswith("Window "):
                current = int(words[1])
            elif words and words[0] == "Position:":
                windows[current] = (int(words[1]), int(words[2]))
            elif words and words[0] == "Geometry:":
                windows[current] += (int(words[1]), int(words[2]))
        return windows

    def screenshot(self, path, extents=None):
        """Saves the screen, or the rectangle (x, y, width, height) of it, as a PNG."""
        args = ["import", "-display", self.x.display, "-window", "root"]
        if extents:
            x, y, w, h = extents
            args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage"]
        subprocess.run(args + ["-strip", path], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def grab(self, extents):
        """The pixels of a screen rectangle (x, y, width, height)."""
        x, y, w, h = extents
        data = subprocess.run(
            ["import", "-display", self.x.display, "-window", "root",
             "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
            env=self.env, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
        check(len(data) == w * h * 3, f"screen grab of {extents} gave {len(data)} bytes")
        return Image(x, y, w, h, data)

    # --- message boxes and dialogs ----------------------------------------
    def labels(self, root):
        return [self.text_of(a) for a in self.find_all(lambda a: a.getRoleName() == "label", root)]

    def message_box(self, text=None, timeout=10):
        """The open message box (a dialog or alert), optionally one showing this text."""
        def find_box():
            for w in self.windows():
                try:
                    if w.getRoleName() not in ("dialog", "alert"):
                        continue
                    if not self.has_state(w, self.atspi.STATE_SHOWING):
                        continue
                    if text is None or any(text in label for label in self.labels(w)):
                        return w
                except Exception:
                    continue
            return None
        return wait_until(find_box, timeout, what=f"a message box saying {text!r}")

    def press_button(self, box, name):
        """Clicks a button of a dialog and waits for the dialog to close."""
        title, role = box.name, box.getRoleName()
        self.click(self.wait_for(name, "push button", root=box))
        wait_until(lambda: self.top_window(title, role) is None, 10,
                   what=f"the box {title!r} to close after {name}")
