#!/usr/bin/env python3
"""The main window on a real X server, used as a person uses it.

Starts Xvfb on a free display with openbox as window manager, runs copies of the program from a
copy of the build's bin folder, each with its own settings file, drives them with xdotool and
reads the outcome where a person would: the settings file written at close, the pages written,
the windows on the screen and what they show. Every wait polls with a time limit.

    window_test.py BIN_FOLDER      exit status 0 when every case passes, 77 without Xvfb
"""

import os
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20.0
TOOLS = ("Xvfb", "openbox", "xdotool", "xwd", "xprop")
RUNTIME_FILES = ("pictavue", "pictavue_window.so", "ifjpeg.spi", "ifpng.spi", "ifwmf.spi",
                 "pictavue.hlp")


def poll(what, check, timeout=TIMEOUT):
    end = time.monotonic() + timeout
    while True:
        value = check()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def xdo(*args):
    return subprocess.run(("xdotool",) + args, capture_output=True, text=True).stdout.split()


def geometry(window):
    shell = dict(line.split("=") for line in xdo("getwindowgeometry", "--shell", window))
    return int(shell["X"]), int(shell["Y"]), int(shell["WIDTH"]), int(shell["HEIGHT"])


def window_name(window):
    return subprocess.run(("xdotool", "getwindowname", window), capture_output=True,
                          text=True).stdout.strip()


def outer_top(window):
    """The top of the window with the window manager's title bar."""
    extents = subprocess.run(("xprop", "-id", window, "_NET_FRAME_EXTENTS"), capture_output=True,
                             text=True).stdout.split("=")[-1].split(",")
    return geometry(window)[1] - int(extents[2])


def screenshot(window):
    """The window's pixels, as xwd writes them, one bytes object a row."""
    data = subprocess.run(("xwd", "-silent", "-nobdrs", "-id", window), capture_output=True,
                          check=True).stdout
    height, line = struct.unpack(">25I", data[:100])[5:13:7]
    start = len(data) - height * line  # the pixels close the file
    return [data[start + y * line:start + (y + 1) * line] for y in range(height)]


def settled_screenshot(window):
    """The window's pixels once they have stayed the same for most of a second: the keys sent
    before have been handled, and no caret blinks (it changes every half second)."""
    since = [time.monotonic(), screenshot(window)]

    def settled():
        shot = screenshot(window)
        if shot != since[1]:
            since[:] = [time.monotonic(), shot]
        return time.monotonic() - since[0] >= 0.7 and shot

    return poll("the window to settle", settled)


class Program:
    """One running copy of the program with its own settings file."""

    running = []

    def __init__(self, home, settings, args=(), main_window=True):
        self.settings = os.path.join(home, "Pictavue.ini")
        with open(self.settings, "w", encoding="utf-8", newline="\r\n") as file:
            file.write(settings)
        self.process = subprocess.Popen(
            (os.path.join(home, "bin", "pictavue"), "--settings", self.settings) + tuple(args),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        Program.running.append(self)
        # The first window it made: a command-line run may show its first question at once.
        self.main = min(poll("the main window", lambda: self.active() in self.windows() and
                             self.windows()), key=int) if main_window else None

    def windows(self):
        return xdo("search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--class",
                   "Pictavue")

    @staticmethod
    def active():
        """The window with the keyboard focus: once the server has moved the focus there, the
        program sees a key only after it has seen its window activated."""
        active = xdo("getwindowfocus")
        return active[0] if active else None

    def wait_window(self, count, what):
        """The newest window once this copy shows count of them, when it has the focus; a client
        numbers its windows in the order it makes them."""
        newest = max(poll(what, lambda: len(self.windows()) == count and self.windows()), key=int)
        self.wait_active(newest, what + " to take the focus")
        return newest

    def wait_active(self, window, what):
        poll(what, lambda: self.active() == window)

    def wait_main_active(self):
        self.wait_active(self.main, "the main window to be active again")

    def keys(self, *keys):
        xdo("key", "--delay", "40", *keys)

    def type(self, text):
        xdo("type", "--delay", "5", text)

    def answer_box(self, count, *keys):
        """Waits for a message box, the count-th window, answers it, and waits for the main
        window."""
        self.dismiss(self.wait_window(count, "a message box"), *keys)
        self.wait_main_active()

    def dismiss(self, window, *keys):
        self.keys(*keys)
        poll("a window to close", lambda: window not in self.windows())

    def close(self):
        """Esc on the main window: the window closes and saves. Returns the saved keys."""
        self.wait_main_active()
        self.keys("Escape")
        return self.wait_end()

    def wait_end(self):
        try:
            poll("the program to end", lambda: self.process.poll() is not None)
        except AssertionError as error:
            raise AssertionError("%s; its windows %s, the focus on %s" %
                                 (error, self.windows(), self.active())) from None
        with open(self.settings, encoding="utf-8") as file:
            return dict(line.split("=", 1) for line in file.read().splitlines() if "=" in line)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class Desk:
    """The X server, its window manager and the folders of one test run."""

    def __init__(self, bin_folder):
        self.home = tempfile.mkdtemp(prefix="pictavue-x11-")
        self.pictures = self.folder("pictures")
        self.empty = self.folder("empty")
        self.out = self.folder("out")
        os.mkdir(os.path.join(self.home, "bin"))
        for name in RUNTIME_FILES:
            shutil.copy2(os.path.join(bin_folder, name), os.path.join(self.home, "bin"))
        for index in range(3):
            self.write(os.path.join(self.pictures, "p%d.gif" % index), b"GIF89a\x28\x00\x1e\x00")
        runtime = self.folder("runtime")
        os.chmod(runtime, 0o700)
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            # -noreset: a server that resets when its last client leaves refuses the next one
            # for a moment.
            ("Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten",
             "tcp", "-noreset"), pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as display:
            number = display.readline().strip()
        if not number:
            raise AssertionError("Xvfb did not start")
        os.environ.update(DISPLAY=":" + number, QT_QPA_PLATFORM="xcb", HOME=self.home,
                          XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=self.folder("config"),
                          LANG="C.UTF-8", LC_ALL="C.UTF-8")
        os.environ.pop("QT_QPA_PLATFORMTHEME", None)
        self.window_manager = None
        try:
            log = open(os.path.join(self.home, "openbox.log"), "w")
            self.window_manager = subprocess.Popen(("openbox", "--sm-disable"),
                                                   stdout=log, stderr=log)
            poll("the window manager", lambda: "window id" in subprocess.run(
                ("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), capture_output=True,
                text=True).stdout, timeout=3 * TIMEOUT)
        except AssertionError:
            with open(os.path.join(self.home, "openbox.log")) as log:
                sys.stderr.write("openbox %s: %s" % (self.window_manager.poll(), log.read()))
            self.close()
            raise
        xdo("mousemove", "0", "0")  # no control under the pointer is drawn as hovered

    def folder(self, name):
        path = os.path.join(self.home, name)
        os.makedirs(path, exist_ok=True)
        return path

    @staticmethod
    def write(path, data):
        with open(path, "wb") as file:
            file.write(data)

    def settings(self, **sections):
        """A settings file: the search folder of the pictures, pages into out/, the page opened
        by /bin/true; sections gives other keys, {"OutFile": {"FileName": "con"}}."""
        values = {"SearchDir": {"DirHistry1": self.pictures},
                  "OutFile": {"DirName": self.out, "Browser": "1", "BrowserPath": "/bin/true"}}
        for section, keys in sections.items():
            values.setdefault(section, {}).update(keys)
        return "".join("[%s]\n" % section + "".join("%s=%s\n" % item for item in keys.items())
                       for section, keys in values.items())

    def start(self, args=(), **sections):
        return Program(self.home, self.settings(**sections), args)

    def close(self):
        for process in (self.window_manager, self.server):
            if process is not None:
                process.terminate()
                process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def expect(what, seen, wanted):
    if seen != wanted:
        raise AssertionError("%s: %r, expected %r" % (what, seen, wanted))


# A failed check selects the whole text of the control it points at, also when that control has
# the focus already: what is typed after the message replaces it. Each answer is the next
# mistake, so a text left in place would carry into the values saved at the end.
def test_select_after_message(desk):
    desk.write(os.path.join(desk.out, "b001.htm"), b"old")
    program = desk.start(PageFormat={"IPP": "-1", "IppFree": "0", "ClientPull": "1", "Delay": "0"},
                         OutFile={"FileName": "a\tb"})
    program.keys("alt+f", "End")
    # a control character, a reserved name, a forbidden character, 0 pictures a page (cmbIPP),
    # an interval of 0 (txtDelay on tab 3), a path too long, the overwrite question answered No
    for answer in ("con", "a:b", "n" * 240, "30", "5", "b", "c"):
        program.keys("Return")
        program.answer_box(2, "Return")
        program.type(answer)
    saved = program.close()
    expect("answers", (saved["FileName"], saved["IppFree"], saved["Delay"]), ("c", "30", "5"))


# Frame access keys go to the control after the frame in tab order, wherever the focus was;
# then a run from the keyboard alone, into the search folder.
def test_access_keys_and_a_run(desk):
    program = desk.start(SearchDir={"DirHistry1": desk.empty})
    program.keys("alt+f", "Tab", "Tab", "alt+d", "Down", "alt+e", "alt+l", "ctrl+a")
    program.type(desk.pictures)
    program.keys("Return")
    page = os.path.join(desk.pictures, "Pictavue001.htm")
    poll("the page", lambda: os.path.exists(page))
    saved = program.close()
    expect("output folder", saved["OutputDir"], "1")
    expect("EMF", saved["EMF"], "1")
    expect("history", (saved["DirHistry1"], saved["DirHistry2"]), (desk.pictures, desk.empty))
    os.remove(page)


# Ctrl+Shift+Tab wraps to the last tab, Ctrl+Tab back to the first; each focuses the tab's first
# control, text boxes with their text selected. Enter in the title is a new line. The two
# settings dialogs store what OK leaves in them, trimmed, and nothing on Esc; the file chooser
# answers the program chosen in it, and speaks the window's language.
def test_tabs_dialogs_and_qt_texts(desk):
    program = desk.start()
    program.keys("alt+f", "Tab", "Tab")  # to Command6(0), the output folder's button
    for text, key in ((" /srv/new out ", "Return"), ("x", "Escape")):
        program.keys("Return")  # a focused button takes Enter
        dialog = program.wait_window(2, "the output-folder dialog")
        program.keys("ctrl+a")
        program.type(text)
        program.dismiss(dialog, key)
        program.wait_main_active()
    program.keys("ctrl+shift+Tab", "space", "ctrl+Tab")
    program.type("y")
    program.keys("ctrl+Tab")
    program.type("a")
    program.keys("Return")
    program.type("b")
    program.keys("ctrl+Tab", "ctrl+Tab", "Tab", "Tab", "Tab", "space")  # Command6(1) on tab 4
    dialog = program.wait_window(2, "the browser dialog")
    program.keys("alt+r")
    chooser = program.wait_window(3, "the file chooser")
    title = window_name(chooser)
    program.type("/bin/sh")
    program.dismiss(chooser, "Return")
    program.wait_active(dialog, "the browser dialog again")
    program.keys("alt+b")  # the path, so that Enter is OK's
    program.dismiss(dialog, "Return")
    saved = program.close()
    expect("tabs", (saved["SameSize"], saved["FileName"]), ("1", "y"))
    expect("title", saved["Title"], "a\\nb")
    expect("dialogs", (saved["DirName"], saved["BrowserPath"]), ("/srv/new out", "/bin/sh"))
    expect("pages", os.listdir(desk.out), [])
    expect("file chooser's title", title, "開く")


# The folder chooser's folder goes into the search-folder box. After the no-pictures message the
# main window has the keyboard again. A run of a page a picture takes seconds: time enough to
# see its window and cancel it with Esc.
def test_no_pictures_then_cancel(desk):
    many = desk.folder("many")
    for index in range(12000):
        os.link(os.path.join(desk.pictures, "p0.gif"), os.path.join(many, "%05d.gif" % index))
    program = desk.start(PageFormat={"IPP": "-1", "IppFree": "1"})
    program.keys("alt+r")  # the folder chooser picks the empty folder
    chooser = program.wait_window(2, "the folder chooser")
    expect("folder chooser's title", window_name(chooser), "検索するフォルダを選択してください。")
    program.type(desk.empty)
    program.dismiss(chooser, "Return")
    program.wait_main_active()
    program.keys("alt+l", "Return")
    program.answer_box(3, "Return")
    program.keys("alt+l", "ctrl+a")
    program.type(many)
    program.keys("Return")
    program.dismiss(program.wait_window(2, "the progress window"), "Escape")
    saved = program.close()
    expect("last page", os.path.exists(os.path.join(desk.out, "Pictavue12000.htm")), False)
    expect("history", (saved["DirHistry1"], saved["DirHistry2"]), (desk.pictures, ""))
    shutil.rmtree(many)


# The command-line run shows its folder in the search-folder box while it asks its questions,
# as Create does for the folder at the top of the history.
def test_command_line_run_shows_its_folder(desk):
    desk.write(os.path.join(desk.out, "Pictavue001.htm"), b"old")
    above_question = []
    for args, history in (((), desk.pictures), ((desk.pictures,), desk.empty)):
        program = desk.start(args, SearchDir={"DirHistry1": history})
        if not args:
            program.keys("Return")
        box = program.wait_window(2, "the overwrite question")
        above_question.append(
            (settled_screenshot(program.main), outer_top(box) - geometry(program.main)[1]))
        program.keys("Return")
        if not args:
            program.close()
    program.wait_end()
    rows = min(top for _, top in above_question)
    expect("search-folder box", above_question[0][0][:rows] == above_question[1][0][:rows], True)


# A second copy tells the user and brings the first to the front; a copy that died holds
# nothing.
def test_second_copy(desk):
    first = desk.start()
    xdo("windowminimize", first.main)
    poll("the first copy minimised", lambda: first.main not in first.windows())
    second = Program(desk.home, desk.settings(), main_window=False)
    second.wait_window(1, "the already-running message")
    second.keys("Return")
    second.wait_end()
    poll("the first copy in front", lambda: first.active() == first.main)
    first.kill()
    desk.start().close()


# Every setting read at start is shown and written back at close, what the keyboard changed
# too, and the window looks the same after a restart.
def test_settings_survive_a_restart(desk):
    program = desk.start(
        SearchDir=dict(DirHistry2=desk.empty, SubDir="0", GIF="0", JPEG="1", PNG="1", BMP="1",
                       EMF="1", SameSize="2"),
        PageFormat=dict(Width="False", Height="True", Pixel="5", BGColor="0", AutoSize="0",
                        ClientPull="1", Delay="7", Separator="0", FolderName="0", PathName="1",
                        IPP="-1", IppFree="30", FrameMenu="1", Title="a\\nb", Name="山田 太郎",
                        Email="me@example.org", NotThumbnail="1", AltNewLine="1"),
        OutFile=dict(FileName="ギャラリー", OutputDir="1", AutoOpenMode="1"))
    program.keys("alt+s", "alt+j", "alt+y", "alt+m", "alt+n", "ctrl+a", "4", "0")
    looks, files = [], []
    for restart in (False, True):
        if restart:
            program = Program(desk.home, files[0])
        program.keys("alt+l", "Tab")
        looks.append(settled_screenshot(program.main))
        saved = program.close()
        with open(program.settings, encoding="utf-8") as file:
            files.append(file.read())
    expect("changed", [saved[key] for key in ("SubDir", "JPEG", "Width", "FrameMenu", "IppFree")],
           ["1", "0", "True", "0", "40"])
    expect("the file after a restart", files[0] == files[1], True)
    expect("the window after a restart", looks[0] == looks[1], True)
    for key, value in (("SameSize", "2"), ("Pixel", "5"), ("Title", "a\\nb"),
                       ("Email", "me@example.org"), ("AutoOpenMode", "1")):
        expect(key, saved[key], value)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skipped: " + " ".join(missing) + " missing")
        sys.exit(77)
    tests = [value for name, value in globals().items() if name.startswith("test_")]
    chosen = os.environ.get("PICTAVUE_X11_TESTS", "").split(",")
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    desk = Desk(sys.argv[1])
    failures = 0
    try:
        for test in tests:
            if chosen != [""] and test.__name__[5:] not in chosen:
                continue
            shutil.rmtree(desk.out)
            desk.folder("out")
            started = time.monotonic()
            try:
                test(desk)
                print("ok   %-32s %5.1f s" % (test.__name__[5:], time.monotonic() - started))
            except AssertionError as error:
                failures += 1
                print("FAIL %-32s %s" % (test.__name__[5:], error))
            finally:
                for process in Program.running:
                    process.kill()
    finally:
        desk.close()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
