#!/usr/bin/env python3
"""The main window on a real X server (Xvfb, openbox), driven with xdotool as a person would,
through the SCENARIOS. Copies of the program run from a copy of the build's bin folder with their
own settings file; what they did is read where a person sees it: the settings saved at close,
the pages and the windows. Every wait polls with a time limit.

    window_test.py BIN_FOLDER   exit status 0 when every scenario passes, 77 without the tools
"""

import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20.0
TOOLS = ("Xvfb", "openbox", "xdotool", "xprop")
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


def output(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def xdo(*args):
    return output("xdotool", *args).split()


def focused():
    """The window with the keyboard focus: once the server has moved the focus there, the
    program sees a key only after it has seen its window activated."""
    return next(iter(xdo("getwindowfocus")), None)


def expect(what, seen, wanted):
    if seen != wanted:
        raise AssertionError("%s: %r, expected %r" % (what, seen, wanted))


class Program:
    """One running copy of the program with its own settings file, and its windows in the order
    they took the focus: the last one has it."""

    running = []

    def __init__(self, desk, settings, main_window=True):
        self.settings = os.path.join(desk.home, "Pictavue.ini")
        pathlib.Path(self.settings).write_text(settings, encoding="utf-8", newline="\r\n")
        self.process = subprocess.Popen(
            (os.path.join(desk.home, "bin", "pictavue"), "--settings", self.settings),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        Program.running.append(self)
        self.main = main_window and poll(
            "the main window", lambda: focused() in self.windows() and focused())
        self.stack = [self.main] if main_window else []

    def windows(self):
        return xdo("search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--class",
                   "Pictavue")

    def do(self, *steps):
        """A text is keys to press. ("type", text) types the text. ("open", what[, count]) waits
        until the program shows count windows (one more than it has open) and the newest has the
        focus: a client numbers its windows in the order it makes them. ("close", keys) presses
        the keys and waits until the newest window is gone and the one below has the focus."""
        for step in steps:
            if isinstance(step, str):
                xdo("key", "--delay", "40", *step.split())
            elif step[0] == "type":
                xdo("type", "--delay", "5", step[1])
            elif step[0] == "open":
                count = step[2] if len(step) > 2 else len(self.stack) + 1
                newest = max(poll(step[1], lambda: len(self.windows()) == count and
                                  self.windows()), key=int)
                poll(step[1] + " to take the focus", lambda: focused() == newest)
                self.stack.append(newest)
            else:
                window = self.stack.pop()
                self.do(step[1])
                poll("a window to close", lambda: window not in self.windows())
                if self.stack:
                    poll("the window below to have the focus", lambda: focused() == self.stack[-1])

    def close(self):
        """Esc on the main window: the window closes and saves. Returns the saved keys."""
        poll("the main window to have the focus", lambda: focused() == self.main)
        self.do("Escape")
        poll("the program to end", lambda: self.process.poll() is not None)
        with open(self.settings, encoding="utf-8") as file:
            return dict(line.split("=", 1) for line in file.read().splitlines() if "=" in line)


class Desk:
    """The X server, its window manager and the folders of one test run."""

    def __init__(self, bin_folder):
        self.home = tempfile.mkdtemp(prefix="pictavue-x11-")
        self.pictures, self.empty, self.out = map(self.folder, ("pictures", "empty", "out"))
        for name in RUNTIME_FILES:
            shutil.copy2(os.path.join(bin_folder, name), self.folder("bin"))
        for index in range(3):
            pathlib.Path(self.pictures, "p%d.gif" % index).write_bytes(b"GIF89a\x28\x00\x1e\x00")
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
        self.window_manager = subprocess.Popen(("openbox", "--sm-disable"),
                                               stdout=subprocess.DEVNULL)
        try:
            poll("the window manager", lambda: "window id" in output(
                "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), timeout=3 * TIMEOUT)
        except AssertionError:
            self.close()
            raise
        xdo("mousemove", "0", "0")  # no control under the pointer: no hover, no tooltip window

    def folder(self, name):
        path = os.path.join(self.home, name)
        os.makedirs(path, exist_ok=True)
        return path

    def settings(self, **sections):
        """A settings file: the search folder of the pictures, pages into out/, the page opened
        by /bin/true; sections gives other keys, OutFile={"FileName": "con"}."""
        values = {"SearchDir": {"DirHistry1": self.pictures},
                  "OutFile": {"DirName": self.out, "Browser": "1", "BrowserPath": "/bin/true"}}
        for section, keys in sections.items():
            values.setdefault(section, {}).update(keys)
        return "".join("[%s]\n" % section + "".join("%s=%s\n" % item for item in keys.items())
                       for section, keys in values.items())

    def start(self, **sections):
        return Program(self, self.settings(**sections))

    def close(self):
        for process in (self.window_manager, self.server):
            process.terminate()
            process.wait()
        shutil.rmtree(self.home, ignore_errors=True)


def expect_saved(saved, **wanted):
    expect("saved", {key: saved.get(key) for key in wanted}, wanted)


# A failed check selects the whole text of the control it points at, also when that control has
# the focus already: what is typed after the message replaces it. Each answer is the next
# mistake, so a text left in place would carry into the values saved at the end.
def select_after_message(desk):
    pathlib.Path(desk.out, "b001.htm").write_bytes(b"old")
    program = desk.start(PageFormat={"IPP": "-1", "IppFree": "0", "ClientPull": "1", "Delay": "0"},
                         OutFile={"FileName": "a\tb"})
    program.do("alt+f End")
    # a control character, a reserved name, a forbidden character, 0 pictures a page (cmbIPP),
    # an interval of 0 (txtDelay on tab 3), a path too long, the overwrite question answered No
    for answer in ("con", "a:b", "n" * 240, "30", "5", "b", "c"):
        program.do("Return", ("open", "a message box"), ("close", "Return"), ("type", answer))
    expect_saved(program.close(), FileName="c", IppFree="30", Delay="5")


# Frame access keys go to the control after the frame in tab order, wherever the focus was;
# then a run from the keyboard alone, into the search folder.
def access_keys_and_a_run(desk):
    program = desk.start(SearchDir={"DirHistry1": desk.empty})
    program.do("alt+f Tab Tab alt+d Down alt+e alt+l ctrl+a", ("type", desk.pictures), "Return")
    page = os.path.join(desk.pictures, "Pictavue001.htm")
    poll("the page", lambda: os.path.exists(page))
    expect_saved(program.close(), OutputDir="1", EMF="1", DirHistry1=desk.pictures,
                 DirHistry2=desk.empty)
    os.remove(page)


# Ctrl+Shift+Tab wraps to the last tab, Ctrl+Tab back to the first; each focuses the tab's first
# control, text boxes with their text selected. Enter in the title is a new line. The two
# settings dialogs open with their text selected and store what OK leaves in them, trimmed, and
# nothing on Esc; the file chooser answers the program chosen in it, and speaks the window's
# language. A focused button takes Enter.
def tabs_dialogs_and_qt_texts(desk):
    program = desk.start()
    program.do("alt+f Tab Tab")  # to Command6(0), the output folder's button
    for text, key in ((" /srv/new out ", "Return"), ("x", "Escape")):
        program.do("Return", ("open", "the output-folder dialog"), ("type", text), ("close", key))
    program.do("ctrl+shift+Tab space ctrl+Tab", ("type", "y"), "ctrl+Tab", ("type", "a"),
               "Return", ("type", "b"), "ctrl+Tab ctrl+Tab Tab Tab Tab space",  # Command6(1)
               ("open", "the browser dialog"), "alt+r", ("open", "the file chooser"))
    title = output("xdotool", "getwindowname", program.stack[-1]).strip()
    program.do(("type", "/bin/sh"), ("close", "Return"),
               "alt+b", ("close", "Return"))  # the path, so that Enter is OK's
    expect_saved(program.close(), SameSize="1", FileName="y", Title="a\\nb",
                 DirName="/srv/new out", BrowserPath="/bin/sh")
    expect("pages", os.listdir(desk.out), [])
    expect("file chooser's title", title, "開く")


# The folder chooser's folder goes into the search-folder box. After the no-pictures message the
# main window has the keyboard again. A run of a page a picture takes seconds: time enough to
# see its window and cancel it with Esc.
def no_pictures_then_cancel(desk):
    many = desk.folder("many")
    for index in range(12000):
        os.link(os.path.join(desk.pictures, "p0.gif"), os.path.join(many, "%05d.gif" % index))
    program = desk.start(PageFormat={"IPP": "-1", "IppFree": "1"})
    program.do("alt+r", ("open", "the folder chooser"))
    expect("folder chooser's title", output("xdotool", "getwindowname", program.stack[-1]).strip(),
           "検索するフォルダを選択してください。")
    program.do(("type", desk.empty), ("close", "Return"), "alt+l Return",
               ("open", "the no-pictures message", 3), ("close", "Return"), "alt+l ctrl+a",
               ("type", many), "Return", ("open", "the progress window"), ("close", "Escape"))
    expect_saved(program.close(), DirHistry1=desk.pictures, DirHistry2="")
    expect("last page", os.path.exists(os.path.join(desk.out, "Pictavue12000.htm")), False)
    shutil.rmtree(many)


# A second copy tells the user and brings the first to the front; a copy that died holds
# nothing.
def second_copy(desk):
    first = desk.start()
    xdo("windowminimize", first.main)
    poll("the first copy minimised", lambda: first.main not in first.windows())
    second = Program(desk, desk.settings(), main_window=False)
    second.do(("open", "the already-running message"), "Return")
    poll("the second copy to end", lambda: second.process.poll() is not None)
    poll("the first copy in front", lambda: focused() == first.main)
    first.process.kill()
    first.process.wait()
    desk.start().close()


SCENARIOS = (select_after_message, access_keys_and_a_run, tabs_dialogs_and_qt_texts,
             no_pictures_then_cancel, second_copy)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skipped: " + " ".join(missing) + " missing")
        sys.exit(77)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    desk = Desk(sys.argv[1])
    failures = 0
    try:
        for scenario in SCENARIOS:
            shutil.rmtree(desk.out)
            desk.folder("out")
            started = time.monotonic()
            try:
                scenario(desk)
                print("ok   %-34s %5.1f s" % (scenario.__name__, time.monotonic() - started))
            except AssertionError as error:
                failures += 1
                print("FAIL %-34s %s" % (scenario.__name__, error))
            finally:
                for program in Program.running:
                    if program.process.poll() is None:
                        program.process.kill()
                        program.process.wait()
    finally:
        desk.close()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
