"""The journeys a person takes through plimso, each on a fresh private desktop.

Every journey drives the program with real mouse clicks and keys and reads it
through the accessibility tree, the screen's pixels and the files it writes.
"""
import os
import shutil
import struct
import subprocess
import time

from harness import Session, Skip, check, wait_until

TWIPS_PER_PIXEL = 15
FILE_MENU = "檔案(F)"
VIEW_MENU = "檢視(V)"
SHOTS = os.environ.get("PLIMSO_E2E_SHOTS")  # a folder to keep screenshots in, when set
VERSION = os.environ.get("PLIMSO_PROJECT_VERSION")  # what the build gives the program

# A frame of 1000 x 760 pixels at (20, 20): an editor (901 x 406 client) and the
# challenge window (937 x 588 client) both fit inside it with their title bars.
BIG_FRAME = (300, 300, 15000, 11400)
# A frame of 1900 x 760 pixels: an editor and the challenge window side by side.
WIDE_FRAME = (150, 150, 28500, 11400)

PATH_RED = (128, 0, 0)  # console colour 4
DOT_RED = (255, 0, 0)
DOT_GREEN = (0, 255, 0)
DOT_FILL_PIXELS = 116  # fill pixels of a dot picture: its disc less the outline and highlight


# --- helpers --------------------------------------------------------------------

def shot(s, name, acc=None):
    """Saves a screenshot for the documentation, cropped to `acc` when given."""
    if SHOTS:
        os.makedirs(SHOTS, exist_ok=True)
        s.screenshot(os.path.join(SHOTS, name + ".png"), s.extents(acc) if acc else None)


def run(app, body, placement=BIG_FRAME, arguments=None, in_place=False, screen_reader=False):
    """Runs `body` on a fresh desktop with plimso started; `arguments(session)`, when
    given, prepares what the command line names and returns its arguments."""
    s = Session(app, placement=placement, in_place=in_place, screen_reader=screen_reader)
    try:
        s.start(*(arguments(s) if arguments else ()))
        body(s)
    except BaseException:
        if s.running() and os.environ.get("PLIMSO_E2E_KEEP"):
            try:
                s.screenshot(os.path.join(s.work, "failure.png"))
                with open(os.path.join(s.work, "failure-tree.txt"), "w") as f:
                    f.write(s.dump())
            except Exception:
                pass
        output = s.program_output()
        if output.strip():
            print("plimso said:\n" + output)
        raise
    finally:
        s.close()


def frame(s, timeout=15):
    return wait_until(lambda: s.find("plimso", "frame"), timeout, what="the plimso frame")


def new_editor(s, number):
    frame(s)
    s.menu(FILE_MENU, "新增(N)")
    return s.child_window(f"Document {number}")


def control(s, window, name):
    return s.wait_for(name, root=window)


# A grid is a table named for what it is for; its views' object names (PicA,
# PicB) are not seen through AT-SPI.
GRID_NAMES = {"PicA": ("Your path", "Your attempt"), "PicB": ("Replay", "Pattern to repeat")}


def grid(s, window, surface):
    """The grid `surface` ("PicA" or "PicB") of a grid window."""
    names = GRID_NAMES[surface]

    def find():
        found = s.find_all(lambda a: a.getRoleName() == "table" and a.name in names, window)
        return found[0] if found else None
    return wait_until(find, 10, what=f"the grid {surface} ({' or '.join(names)})")


def dot(s, window, surface, index):
    """Dot `index` of a grid: its child of that index (row index // 9, column index % 9)."""
    return grid(s, window, surface).getChildAtIndex(index)


def dot_colour_count(s, acc, colour):
    return s.grab(s.extents(acc)).count(colour)


def wait_dot(s, window, surface, index, colour):
    """Waits until the dot shows its whole fill in this colour."""
    acc = dot(s, window, surface, index)
    wait_until(lambda: dot_colour_count(s, acc, colour) >= DOT_FILL_PIXELS, 5,
               what=f"dot {index} of {surface} to turn {colour}")


def click_dots(s, window, indices):
    """Clicks input dots one by one, each only once the previous one turned red."""
    for i in indices:
        s.click(dot(s, window, "PicA", i))
        wait_dot(s, window, "PicA", i, DOT_RED)


def segment_points(a, b, dots):
    """Points along the segment a-b that no dot picture covers."""
    (ax, ay), (bx, by) = a, b
    steps = max(abs(bx - ax), abs(by - ay))
    points = []
    for k in range(1, steps):
        x = round(ax + (bx - ax) * k / steps)
        y = round(ay + (by - ay) * k / steps)
        if not any(dx - 1 <= x <= dx + dw and dy - 1 <= y <= dy + dh for dx, dy, dw, dh in dots):
            points.append((x, y))
    return points


def check_path(s, window, surface, indices, colour=PATH_RED, ringed=None):
    """Checks that lines of `colour` join the centres of the given dots on a surface;
    the keyboard's ring around dot `ringed`, when given, may cover them."""
    pic = grid(s, window, surface)
    image = s.grab(s.extents(pic))
    dots = [s.extents(pic.getChildAtIndex(k)) for k in range(pic.childCount)]
    if ringed is not None:
        x, y, w, h = s.extents(pic.getChildAtIndex(ringed))
        dots.append((x - 3, y - 3, w + 6, h + 6))
    for i, j in zip(indices, indices[1:]):
        a = s.centre(pic.getChildAtIndex(i))
        b = s.centre(pic.getChildAtIndex(j))
        points = segment_points(a, b, dots)
        check(points, f"the segment {i}-{j} lies wholly under dots")
        missing = [p for p in points if not any(
            image.at(p[0] + dx, p[1] + dy) == colour for dx in (-1, 0, 1) for dy in (-1, 0, 1))]
        check(not missing, f"{surface}: the line between dots {i} and {j} is missing at "
              f"{missing[:5]} of {len(points)} points")


def eventually(checker, *args, timeout=5):
    """Retries a check that raises until it passes (the window may still be painting)."""
    def passes():
        checker(*args)
        return True
    wait_until(passes, timeout, what=f"{checker.__name__}{args[2:]}")


def path_pixels(s, window, surface):
    pic = grid(s, window, surface)
    return s.grab(s.extents(pic)).count(PATH_RED)


def answer_prompt(s, text=None):
    """Answers the Test prompt: the default answer when `text` is None, else `text`."""
    box = s.wait_top_window("INPUT", "dialog")
    check("Please Input a Filename :" in s.labels(box), f"the prompt says {s.labels(box)}")
    field = s.wait_for(role="text", root=box)
    check(s.text_of(field) == "Default.txt", f"the default answer is {s.text_of(field)!r}")
    if text is not None:
        s.click(field)
        s.key("ctrl+a")
        s.type_text(text)
        wait_until(lambda: s.text_of(field) == text, 5, what=f"the answer {text!r} to be typed")
    s.press_button(box, "OK")


def cancel_prompt(s):
    s.press_button(s.wait_top_window("INPUT", "dialog"), "Cancel")


def file_dialog(s, title, path):
    """Types a full path into the file dialog titled `title` and accepts it with Return."""
    box = s.wait_top_window(title, "dialog")
    field = s.wait_for("File name:", "text", root=box)
    s.click(field)
    s.key("ctrl+a")
    s.type_text(path)
    wait_until(lambda: s.text_of(field) == path, 5, what="the path to be typed")
    s.key("Return")
    return box


def write_pattern(path, values):
    lines = [str(v) for v in values] + [""] * (64 - len(values))
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode())


def pattern_bytes(numbers):
    return b"".join(b"%d\r\n" % n for n in numbers) + b"\r\n" * (64 - len(numbers))


def open_challenge(s, path):
    frame(s)
    s.menu(FILE_MENU, "開啟(O)...")
    file_dialog(s, "開啟", path)
    s.wait_gone("開啟", "dialog")
    return s.child_window(path)


def summit(s, window):
    s.click(control(s, window, "Summit"))


def verdict(s, text, button):
    """Waits for the verdict box, checks its title and buttons, and answers it."""
    box = s.message_box(text)
    check(box.name == "plimso", f"the verdict box is titled {box.name!r}")
    buttons = sorted(b.name for b in s.find_all(lambda a: a.getRoleName() == "push button", box))
    wanted = ["OK"] if button == "OK" else ["No", "Yes"]
    check(buttons == wanted, f"the box {text!r} offers {buttons}")
    s.press_button(box, button)


def wait_stable(s, acc, settle=0.15, timeout=5):
    """Waits until a window's pixels stop changing: it has been painted in full."""
    previous = [None]

    def same():
        data = s.grab(s.extents(acc)).data
        if data == previous[0]:
            return True
        previous[0] = data
        time.sleep(settle)
        return False
    wait_until(same, timeout, interval=0, what=f"{acc.name!r} to be painted")


# --- start-up and placement ---------------------------------------------------------

def check_splash_texts(s, splash):
    """The splash shows its string-table texts, the version and the title."""
    texts = set(s.labels(splash))
    for text in ("版權", "公司行號", "警告", "平台", "公司產品", "plimso", "授權給"):
        check(text in texts, f"the splash does not show {text!r}: {sorted(texts)}")


def splash_window(s):
    return next((w for w in s.windows() if s.find(f"Version {VERSION}", "label", root=w)), None)


def journey_startup(app):
    def body(s):
        # Watch the program's windows on the screen from the start: the splash
        # must come first, alone, and stay for at least a second before the
        # frame replaces it.
        polls = []  # (time, {window id: geometry}) for every look at the screen
        splash_id = frame_id = None
        splash_shot = not SHOTS
        deadline = time.monotonic() + 15
        while frame_id is None and time.monotonic() < deadline:
            shown = s.x_windows()
            polls.append((time.monotonic(), shown))
            check(len(shown) <= 1, f"more than one window on the screen at once: {shown}")
            if shown and splash_id is None:
                splash_id, geometry = next(iter(shown.items()))
                splash = wait_until(lambda: splash_window(s), 5, what="the splash's texts")
                check(s.extents(splash) == geometry,
                      f"the first window {geometry} is not the splash {s.extents(splash)}")
                check_splash_texts(s, splash)
            elif shown and next(iter(shown)) != splash_id:
                frame_id = next(iter(shown))
            elif shown and not splash_shot and polls[-1][0] - polls[0][0] > 0.4:
                shot(s, "splash", splash_window(s))
                splash_shot = True
        check(splash_id is not None, "no window came up")
        check(frame_id is not None, "the splash was never replaced")

        # The splash came between the last look without it and the first look
        # with it; the frame likewise. Fail only what is sure to be too short.
        looks = [t for t, shown in polls]
        splash_at = next(i for i, (t, shown) in enumerate(polls) if splash_id in shown)
        longest = looks[-1] - looks[splash_at - 1] if splash_at else looks[-1] - s.started_at
        check(longest >= 1.0, f"the splash was on the screen for less than {longest:.3f}s")

        f = frame(s)
        check(s.extents(f) == polls[-1][1][frame_id], "the second window is not the frame")
        check(splash_window(s) is None, "the splash is still up beside the frame")
        x, y, w, h = s.extents(f)
        corner, side = round(1000 / TWIPS_PER_PIXEL), round(6500 / TWIPS_PER_PIXEL)
        check((x, y) == (corner, corner), f"first-run position is {(x, y)}")
        check((w, h) == (side, side), f"first-run size is {(w, h)}")
        for name in ("檔案(F)", "檢視(V)", "說明(H)"):
            s.wait_for(name, "menu item")
        for key in ("開新檔案", "開啟舊檔", "儲存", "列印", "線條樣式", "屬性", "繪圖"):
            s.wait_for(key, "push button")
        s.wait_for("狀態", "label")
        if SHOTS:
            wait_stable(s, f)
            shot(s, "frame", f)
    run(app, body, placement=None)


def journey_placement(app):
    """A stored placement is restored; the frame's placement is stored on File > Exit."""
    def body(s):
        f = frame(s)
        x, y, w, h = s.extents(f)
        check((x, y, w, h) == (100, 80, 500, 400), f"restored placement is {(x, y, w, h)}")
        # Move the frame as a window manager would, to left 2250 and top 1350 twips.
        (window,) = s.x_windows()
        s.xdotool("windowmove", "--sync", window, 150, 90)
        wait_until(lambda: s.extents(f)[:2] == (150, 90), 5, what="the frame to move")
        s.menu(FILE_MENU, "結束(X)")
        check(s.wait_exit() == 0, "plimso did not end cleanly")
        stored = s.stored_settings()
        check(stored == {"MainLeft": "2250", "MainTop": "1350", "MainWidth": "7500",
                         "MainHeight": "6000"}, f"stored placement on exit: {stored}")
    run(app, body, placement=(1500, 1200, 7500, 6000))


def journey_exit_without_stderr(app):
    """Started with stderr closed (`plimso 2>&-`), the line saying that the placement
    cannot be saved goes nowhere, not into the display's connection: Exit ends."""
    s = Session(app, placement=BIG_FRAME)
    try:
        os.mkdir(s.settings_file + ".lock")  # the line is then written at Exit
        s.start(closed_stderr=True)
        frame(s)
        s.menu(FILE_MENU, "結束(X)")
        check(s.wait_exit(20) == 0, "plimso did not end cleanly")
    finally:
        s.close()


# --- the editor ---------------------------------------------------------------------

def journey_editor_test(app):
    def body(s):
        doc = new_editor(s, 1)
        click_dots(s, doc, [0, 9, 18])
        eventually(check_path, s, doc, "PicA", [0, 9, 18])
        check(path_pixels(s, doc, "PicB") == 0, "PicB shows a path before any Test")

        s.click(control(s, doc, "Test"))
        answer_prompt(s)  # the default answer, Default.txt
        path = os.path.join(s.app_dir, "Default.txt")
        wait_until(lambda: os.path.exists(path), what="Default.txt next to the program")
        data = open(path, "rb").read()
        check(data == b"1\r\n10\r\n19\r\n" + b"\r\n" * 61, f"Default.txt holds {data!r}")
        check(len(data) == 133, f"Default.txt has {len(data)} bytes")
        for i in (0, 9, 18):
            wait_dot(s, doc, "PicB", i, DOT_RED)
        eventually(check_path, s, doc, "PicB", [0, 9, 18])
        check(dot_colour_count(s, dot(s, doc, "PicB", 1), DOT_GREEN) >= DOT_FILL_PIXELS,
              "a dot outside the path turned red on PicB")

        # Cancel writes nothing.
        before = sorted(os.listdir(s.app_dir))
        s.click(control(s, doc, "Test"))
        cancel_prompt(s)
        check(sorted(os.listdir(s.app_dir)) == before, "Test cancelled wrote a file")

        # Recording goes on after a Test; the next Test writes the longer path.
        click_dots(s, doc, [20, 30, 40, 32])
        s.click(control(s, doc, "Test"))
        answer_prompt(s, "second.txt")
        second = os.path.join(s.app_dir, "second.txt")
        wait_until(lambda: os.path.exists(second) and os.path.getsize(second) > 0,
                   what="second.txt")
        data = open(second, "rb").read()
        check(data == pattern_bytes([1, 10, 19, 21, 31, 41, 33]), f"second.txt holds {data!r}")
        for i in (20, 30, 40, 32):
            wait_dot(s, doc, "PicB", i, DOT_RED)
        eventually(check_path, s, doc, "PicB", [0, 9, 18, 20, 30, 40, 32])
        eventually(check_path, s, doc, "PicA", [0, 9, 18, 20, 30, 40, 32])
        if SHOTS:
            wait_stable(s, doc)
            shot(s, "editor", doc)
    run(app, body)


def journey_keyboard_drawing(app):
    """A pattern drawn and saved with the keyboard alone."""
    def body(s):
        frame(s)
        # Focus the frame as a window manager does when a window opens.
        (window,) = s.x_windows()
        s.xdotool("windowfocus", "--sync", window)
        s.key("ctrl+n")
        doc = s.child_window("Document 1")
        # The editor opens on PicB; three Tabs lead past Refresh and Test to PicA,
        # whose ring starts on dot 0.
        s.key("Tab", "Tab", "Tab")
        s.key("Right", "Right", "Down", "space")        # dot 11
        s.key("Down", "Down", "Return")                 # dot 29
        s.key("Left", "Left", "space")                  # dot 27
        s.key("Up", "space", "BackSpace")               # dot 18, taken back
        for i in (11, 29, 27):
            wait_dot(s, doc, "PicA", i, DOT_RED)
        wait_dot(s, doc, "PicA", 18, DOT_GREEN)
        s.key("shift+Tab")                              # to Test; the ring goes with the focus
        eventually(check_path, s, doc, "PicA", [11, 29, 27])
        s.key("space")
        s.wait_top_window("INPUT", "dialog")
        s.key("Return")                                 # the default answer, Default.txt
        path = os.path.join(s.app_dir, "Default.txt")
        wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, what="Default.txt")
        data = open(path, "rb").read()
        check(data == pattern_bytes([12, 30, 28]), f"Default.txt holds {data!r}")
    run(app, body)


def journey_keyboard_open(app):
    """Open by keyboard alone: once the dialog has gone, the frame is active and the
    challenge's right grid has the focus, and the keys reach it (Tab moves it)."""
    def body(s):
        frame(s)
        path = os.path.join(s.work, "pattern.txt")
        write_pattern(path, [1, 10, 19])
        s.xdotool("windowfocus", "--sync", *s.x_windows())
        s.key("ctrl+o")
        field = s.wait_for("File name:", "text", root=s.wait_top_window("開啟", "dialog"))
        wait_until(lambda: s.has_state(field, s.atspi.STATE_FOCUSED), what="the name field")
        s.type_text(path)
        wait_until(lambda: s.text_of(field) == path, what="the path to be typed")
        s.key("Return")
        win = s.child_window(path)
        # The grid's focus shows the frame active: a window that is not has no focus.
        for key, name in ((None, "PicB"), ("Tab", "Summit")):
            if key:
                s.key(key)
            acc = grid(s, win, name) if name in GRID_NAMES else control(s, win, name)
            wait_until(lambda: s.has_state(acc, s.atspi.STATE_FOCUSED), what=f"{name}'s focus")
    run(app, body)


def journey_screen_reader_drawing(app):
    """A pattern drawn through the dots' accessible Press action, as a screen reader does."""
    def body(s):
        doc = new_editor(s, 1)
        for i in (4, 13, 22, 13):
            cell = dot(s, doc, "PicA", i)
            check(cell.getRoleName() == "check box", f"dot {i} is a {cell.getRoleName()}")
            action = cell.queryAction()
            check([action.getName(k) for k in range(action.nActions)] == ["Press"],
                  f"dot {i} offers {[action.getName(k) for k in range(action.nActions)]}")
            action.doAction(0)
            wait_until(lambda: s.has_state(cell, s.atspi.STATE_CHECKED), 5,
                       what=f"dot {i} to be checked")
        eventually(check_path, s, doc, "PicA", [4, 13, 22, 13])
        check(not s.has_state(dot(s, doc, "PicA", 5), s.atspi.STATE_CHECKED),
              "a dot outside the path is checked")
        s.click(control(s, doc, "Test"))
        answer_prompt(s)
        path = os.path.join(s.app_dir, "Default.txt")
        wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 0, what="Default.txt")
        data = open(path, "rb").read()
        check(data == pattern_bytes([5, 14, 23, 14]), f"Default.txt holds {data!r}")
    run(app, body)


def journey_screen_reader_speaks(app):
    """Orca, keyboard only: the grid entered, the first Space's new state, where a move
    lands, a dot's step in the path, and the file Test wrote are spoken."""
    def body(s):
        frame(s)
        s.xdotool("windowfocus", "--sync", *s.x_windows())  # no window manager gives it
        s.key("ctrl+n")
        # Keys, then what Orca says: the editor opens on its replay grid; Tab goes key by
        # key, as a listener does; the first Space after Tab lands on the dot in focus.
        heard = 0
        for keys, said in (("", "Replay"), ("", "row 1 column 1 check box not checked"),
                           ("Tab", "Refresh push button"), ("Tab", "Test push button"),
                           ("Tab", "Your path"), ("", "row 1 column 1 check box not checked"),
                           ("space", "checked"),
                           ("Right Down", "row 2 column 2 check box not checked"),
                           ("space", "checked"),
                           ("Up Left", "row 1 column 1 check box checked"), ("", "step 1 of 2"),
                           ("shift+Tab", "Test push button")):
            if keys:
                s.key(*keys.split())
            heard = s.screen_reader.wait_said(said, heard)
        s.key("space")
        s.wait_top_window("INPUT", "dialog")
        s.key("Return")  # the default answer, Default.txt
        s.screen_reader.wait_said(
            f"notification The pattern file Default.txt was written in {s.app_dir}", heard)
        data = open(os.path.join(s.app_dir, "Default.txt"), "rb").read()
        check(data == pattern_bytes([1, 11]), f"Default.txt holds {data!r}")
    run(app, body, screen_reader=True)


def journey_read_only_program_folder(app):
    """An installed plimso whose folder takes no files (under /usr, or a read-only mount)
    writes Test's file into the user's data folder, creating it.

    Not one of the e2e journeys: tests/install/check_read_only_bin.py runs it on an
    installed plimso whose bin/ is mounted read-only."""
    def body(s):
        check(not os.access(s.app_dir, os.W_OK), f"{s.app_dir} takes files: this journey "
              "needs a program folder that does not")
        folder = os.path.join(s.data_home, "plimso")
        check(not os.path.exists(folder), f"{folder} exists before any Test")
        doc = new_editor(s, 1)
        click_dots(s, doc, [0, 9, 18])
        s.click(control(s, doc, "Test"))
        answer_prompt(s)  # the default answer, Default.txt
        path = os.path.join(folder, "Default.txt")
        wait_until(lambda: os.path.exists(path) and os.path.getsize(path) == 133,
                   what=f"{path} to be written")
        data = open(path, "rb").read()
        check(data == pattern_bytes([1, 10, 19]), f"Default.txt holds {data!r}")
        for i in (0, 9, 18):
            wait_dot(s, doc, "PicB", i, DOT_RED)
        check(os.listdir(s.app_dir) == ["plimso"], f"{s.app_dir} holds {os.listdir(s.app_dir)}")
    run(app, body, in_place=True)


def journey_toolbar(app):
    """The toolbar's New button opens Document 1; Ctrl+N opens the next one."""
    def body(s):
        frame(s)
        s.click(s.wait_for("開新檔案", "push button"))
        s.child_window("Document 1")
        check(s.find("Document 2", "frame", showing=False) is None, "one click opened two windows")
        s.key("ctrl+n")
        s.child_window("Document 2")
        check(s.find("Document 1", "frame", showing=False) is not None, "Document 1 went away")
    run(app, body)


def journey_view_toolbar(app):
    """View > Toolbar hides the toolbar and clears its check mark; again shows it."""
    def body(s):
        frame(s)
        s.wait_for("開新檔案", "push button")

        def item_checked():
            item = s.find("工具列(T)", "menu item", showing=False)
            return s.has_state(item, s.atspi.STATE_CHECKED)
        check(item_checked(), "View > Toolbar starts without its check mark")
        s.menu(VIEW_MENU, "工具列(T)")
        s.wait_gone(role="tool bar")
        check(not item_checked(), "View > Toolbar keeps its check mark with the toolbar hidden")
        check(s.find(role="status bar") is not None, "the status bar went away with the toolbar")
        s.menu(VIEW_MENU, "工具列(T)")
        s.wait_for("開新檔案", "push button")
        check(item_checked(), "View > Toolbar has no check mark with the toolbar shown")
    run(app, body)


# --- the challenge ------------------------------------------------------------------

def journey_challenge_good(app):
    """The whole story: record 0, 9, 18, Test, open the file, redraw it backwards."""
    def body(s):
        doc = new_editor(s, 1)
        click_dots(s, doc, [0, 9, 18])
        s.click(control(s, doc, "Test"))
        answer_prompt(s)
        path = os.path.join(s.app_dir, "Default.txt")
        wait_until(lambda: os.path.exists(path), what="Default.txt")
        win = open_challenge(s, path)
        for i in (0, 9, 18):
            wait_dot(s, win, "PicB", i, DOT_RED)
        # Opened by Return in the dialog: the ring shows on the focused grid.
        eventually(check_path, s, win, "PicB", [0, 9, 18], PATH_RED, 0)
        check(path_pixels(s, win, "PicA") == 0, "the challenge starts with a path on PicA")
        click_dots(s, win, [18, 9, 0])
        summit(s, win)
        verdict(s, "You are good", "OK")
        s.child_window_gone(path)
        check(s.find("Document 1", "frame", showing=False) is not None,
              "the editor closed with the challenge")
        check(s.running(), "plimso ended")
    run(app, body, placement=WIDE_FRAME)


def journey_challenge_retry(app):
    def body(s):
        # Open cancelled: nothing opens.
        frame(s)
        s.menu(FILE_MENU, "開啟(O)...")
        s.press_button(s.wait_top_window("開啟", "dialog"), "Cancel")
        check(s.find(role="frame", root=s.wait_for(role="layered pane"), showing=False) is None,
              "a cancelled Open opened a window")

        path = os.path.join(s.work, "pattern.txt")
        write_pattern(path, [1, 2, 3])
        win = open_challenge(s, path)
        click_dots(s, win, [1, 2])  # dots 2 and 3: only the first stored segment counts
        summit(s, win)
        verdict(s, "Sorry ! Please Try It Again", "Yes")
        win = s.child_window(path)
        # A new attempt: no line on PicA, every input dot green, the stored pattern kept.
        wait_until(lambda: path_pixels(s, win, "PicA") == 0, 5, what="PicA to be cleared")
        for i in (1, 2):
            wait_dot(s, win, "PicA", i, DOT_GREEN)
        check(s.grab(s.extents(grid(s, win, "PicA"))).count(DOT_RED) == 0,
              "a red dot is left on PicA")
        eventually(check_path, s, win, "PicB", [0, 1, 2])
        click_dots(s, win, [0, 1, 2])
        summit(s, win)
        verdict(s, "You are good", "OK")
        s.child_window_gone(path)
    run(app, body)


def journey_challenge_no(app):
    def body(s):
        path = os.path.join(s.work, "pattern.txt")
        stored = [0, 10, 20, 30, 40, 41, 42, 33, 24]
        write_pattern(path, [i + 1 for i in stored])
        win = open_challenge(s, path)
        for i in stored:
            wait_dot(s, win, "PicB", i, DOT_RED)
        eventually(check_path, s, win, "PicB", stored)
        click_dots(s, win, [24, 33, 42, 41])  # the pattern backwards, so far so good
        if SHOTS:
            wait_stable(s, win)
            shot(s, "challenge", win)
        click_dots(s, win, [4])  # a segment the pattern does not have
        summit(s, win)
        verdict(s, "Sorry ! Please Try It Again", "No")
        s.child_window_gone(path)
        check(s.running(), "plimso ended")
        # The stored pattern stays: opening again shows the window again.
        win = open_challenge(s, path)
        wait_dot(s, win, "PicB", 24, DOT_RED)
    run(app, body)


def journey_bad_pattern_files(app):
    def body(s):
        good = os.path.join(s.work, "good.txt")
        write_pattern(good, [5, 6, 7])
        open_challenge(s, good)
        cases = {
            "letters.txt": b"1\r\nabc\r\n",
            "range.txt": b"1\r\n64\r\n",
            "long.txt": b"1\r\n" * 65,
        }
        for name, content in cases.items():
            path = os.path.join(s.work, name)
            with open(path, "wb") as f:
                f.write(content)
            s.menu(FILE_MENU, "開啟(O)...")
            file_dialog(s, "開啟", path)
            box = s.message_box(path)
            check(box.name == "plimso", f"the message on {name} is titled {box.name!r}")
            s.press_button(box, "OK")
            check(s.running(), f"plimso ended on {name}")
            check(s.find(good, "frame", showing=False) is not None,
                  f"the challenge lost its caption after {name}")
            check(s.find(path, "frame", showing=False) is None, f"a window is captioned {name}")

        # A missing file: Qt's open dialog refuses it itself; should it let it
        # through, plimso must name it in a message instead.
        missing = os.path.join(s.work, "missing.txt")
        s.menu(FILE_MENU, "開啟(O)...")
        dialog = file_dialog(s, "開啟", missing)
        box = s.message_box("missing.txt")
        refused_by_dialog = box.name == "開啟"
        s.press_button(box, "OK")
        if refused_by_dialog:
            s.press_button(dialog, "Cancel")
        s.wait_gone("開啟", "dialog")
        check(s.running(), "plimso ended on a missing file")
        check(s.find(good, "frame", showing=False) is not None,
              "the challenge lost its caption after a missing file")

        # None of the refused files touched the stored pattern.
        win = s.child_window(good)
        click_dots(s, win, [4, 5, 6])
        summit(s, win)
        verdict(s, "You are good", "OK")
        s.child_window_gone(good)
    run(app, body)


# --- the command line ---------------------------------------------------------------

def journey_file_argument(app):
    """`plimso pattern.txt` starts as usual and opens the file as the challenge, captioned
    with its full path although it was named relative to the working folder."""
    def arguments(s):
        write_pattern(os.path.join(s.home, "pattern.txt"), [1, 10, 19])
        return ["pattern.txt"]

    def body(s):
        win = s.child_window(os.path.join(s.home, "pattern.txt"), timeout=15)
        for i in (0, 9, 18):
            wait_dot(s, win, "PicB", i, DOT_RED)
        eventually(check_path, s, win, "PicB", [0, 9, 18])
        click_dots(s, win, [0, 9, 18])
        summit(s, win)
        verdict(s, "You are good", "OK")
    run(app, body, arguments=arguments)


def journey_bad_file_argument(app):
    """A file on the command line that is not a pattern gets File > Open's message, with its
    full path; the frame then goes on with nothing opened."""
    def arguments(s):
        with open(os.path.join(s.home, "letters.txt"), "wb") as f:
            f.write(b"1\r\nabc\r\n")
        return ["letters.txt"]

    def body(s):
        path = os.path.join(s.home, "letters.txt")
        box = s.message_box(f'"{path}"', timeout=15)
        check(box.name == "plimso", f"the message is titled {box.name!r}")
        check(any("line 2" in label for label in s.labels(box)),
              f"the message does not name the faulty line: {s.labels(box)}")
        s.press_button(box, "OK")
        check(s.running(), "plimso ended on a bad file")
        check(s.find(path, "frame", showing=False) is None, "a window is captioned with the file")
        new_editor(s, 1)  # the frame takes commands
    run(app, body, arguments=arguments)


# --- save and print -----------------------------------------------------------------

def read_bmp(path):
    """(width, height, pixel(x, y) -> (r, g, b)) of an uncompressed 24- or 32-bit BMP."""
    data = open(path, "rb").read()
    check(data[:2] == b"BM", "not a BMP file")
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    bpp, compression = struct.unpack_from("<HI", data, 28)
    check(bpp in (24, 32) and compression in (0, 3), f"a {bpp}-bit BMP, compression {compression}")
    check(len(data) >= offset + ((width * bpp // 8 + 3) & ~3) * abs(height), "the BMP is cut short")
    stride = (width * bpp // 8 + 3) & ~3
    bottom_up = height > 0
    height = abs(height)

    def pixel(x, y):
        row = height - 1 - y if bottom_up else y
        i = offset + row * stride + x * bpp // 8
        b, g, r = data[i:i + 3]
        return r, g, b
    return width, height, pixel


def journey_save_bitmap(app):
    def body(s):
        doc = new_editor(s, 1)
        path_dots = [0, 10, 20, 29]
        click_dots(s, doc, path_dots)
        path = os.path.join(s.work, "grid.bmp")
        s.menu(FILE_MENU, "儲存(S)")
        file_dialog(s, "儲存檔案", path)
        s.wait_gone("儲存檔案", "dialog")
        wait_until(lambda: os.path.exists(path) and os.path.getsize(path) > 54, what="the bitmap")
        width, height, pixel = read_bmp(path)
        pic = grid(s, doc, "PicA")
        px, py, pw, ph = s.extents(pic)
        check((width, height) == (pw, ph), f"the bitmap is {width}x{height}, PicA {pw}x{ph}")

        def centre_in_bitmap(i):
            x, y = s.centre(pic.getChildAtIndex(i))
            return x - px, y - py
        for i in path_dots:
            x, y = centre_in_bitmap(i)
            check(pixel(x, y) == DOT_RED, f"dot {i} is {pixel(x, y)} in the bitmap, not red")
        for i in (1, 62):
            x, y = centre_in_bitmap(i)
            check(pixel(x, y) == DOT_GREEN, f"dot {i} is {pixel(x, y)} in the bitmap, not green")
        dots = [s.extents(pic.getChildAtIndex(k)) for k in range(pic.childCount)]
        dots = [(x - px, y - py, w, h) for x, y, w, h in dots]
        for i, j in zip(path_dots, path_dots[1:]):
            points = segment_points(centre_in_bitmap(i), centre_in_bitmap(j), dots)
            missing = [p for p in points if not any(
                0 <= p[0] + dx < width and 0 <= p[1] + dy < height
                and pixel(p[0] + dx, p[1] + dy) == PATH_RED
                for dx in (-1, 0, 1) for dy in (-1, 0, 1))]
            check(points and not missing, f"the bitmap lacks the line {i}-{j} at {missing[:5]}")
    run(app, body)


def journey_print_dialog(app):
    """Print does nothing without a child window; with one it shows the dialog 列印, whose
    Cancel prints nothing and whose "Print to File (PDF)" writes the window to a PDF."""
    if not shutil.which("pdftotext"):
        raise Skip("pdftotext (poppler-utils) is not installed, so the PDF cannot be read")

    def body(s):
        frame(s)
        s.menu(FILE_MENU, "列印(P)...")
        # Nothing to wait for but the absence of a dialog: give it a moment.
        time.sleep(0.5)
        check(s.top_window("列印") is None, "Print without a child window showed a dialog")
        new_editor(s, 1)
        s.menu(FILE_MENU, "列印(P)...")
        s.press_button(s.wait_top_window("列印", "dialog"), "Cancel")
        pdf = os.path.join(s.work, "grid.pdf")
        s.menu(FILE_MENU, "列印(P)...")
        box = s.wait_top_window("列印", "dialog")
        s.click(s.wait_for(role="combo box", root=box))
        s.click(s.wait_for("Print to File (PDF)", "list item"))
        field = s.wait_for("Output file:", "text", root=box)
        s.click(field)
        s.key("ctrl+a")
        s.type_text(pdf)
        wait_until(lambda: s.text_of(field) == pdf, 5, what="the file name to be typed")
        s.press_button(box, "Print")
        wait_until(lambda: os.path.exists(pdf), what="the PDF")
        text = subprocess.run(["pdftotext", pdf, "-"], stdout=subprocess.PIPE, text=True).stdout
        check("Document 1" in text, f"the PDF reads {text!r}")
        check(s.running(), "plimso ended after printing")
        s.menu(FILE_MENU, "新增(N)")  # the frame still takes commands
        s.child_window("Document 2")
    run(app, body)
