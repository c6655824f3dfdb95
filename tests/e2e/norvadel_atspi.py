"""What the end-to-end tests share: starting the real norvadel program in temporary folders and
finding its controls through the accessibility bus.

The program reads no arguments: it keeps its files next to itself and the user's data under the
documents folder. So it is copied into a temporary program folder and run there with HOME set to
another temporary folder. Run the tests inside a display and a session bus of their own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 SCRIPT PATH/TO/norvadel
"""

import os
import shutil
import subprocess
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails the test after timeout seconds."""
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    last_error = None
    while time.monotonic() < deadline:
        # The bus's news (a new application, a changed tree) arrive through the main loop.
        while context.pending():
            context.iteration(False)
        try:
            found = probe()
        except Exception as error:  # the tree changes under us while the program works
            found, last_error = None, error
        if found:
            return found
        time.sleep(0.2)
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    raise AssertionError("timed out waiting for %s (last error: %r; applications on the bus: %s)"
                         % (what, last_error, [(a.name, a.get_process_id()) for a in apps if a is not None]))


def descendants(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from descendants(child, depth + 1)


def find(root, role=None, name=None, showing=True, description=None):
    for node in descendants(root):
        try:
            if role is not None and node.getRole() != role:
                continue
            if name is not None and node.name != name:
                continue
            if description is not None and node.description != description:
                continue
            if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            return node
        except Exception:
            continue
    return None


class Program:
    """The running program as a user meets it: its main window, forms, boxes, buttons and titles,
    found by role and visible text."""

    def __init__(self, app):
        self.app = app
        self.window = wait_for("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "Norvadel"))

    def form(self, caption):
        """A form by its caption; it need not be on screen (the side bar hides itself)."""
        return wait_for("the form " + caption, lambda: find(self.app, pyatspi.ROLE_FILLER, caption, False))

    def tab_selected(self, caption):
        """Whether the side bar's current tab is caption (a tab bar is named by its current tab)."""
        return find(self.app, pyatspi.ROLE_PAGE_TAB_LIST, caption, False) is not None

    def box(self, root, label, role=pyatspi.ROLE_TEXT):
        return wait_for("the box " + label, lambda: find(root, role, label, False))

    def type_into(self, root, label, text, role=pyatspi.ROLE_TEXT):
        box = wait_for("the box " + label, lambda: find(root, role, label, False)
                       or find(root, pyatspi.ROLE_PASSWORD_TEXT, label, False))
        box.queryEditableText().setTextContents(text)
        if box.getRole() != pyatspi.ROLE_PASSWORD_TEXT:  # a password box shows no text
            wait_for("%r in the box %s" % (text, label), lambda: text_of(box) == text)

    def button(self, root, caption, description=None):
        return wait_for("the button " + caption,
                        lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, caption, False, description))

    def press(self, root, caption, description=None):
        self.button(root, caption, description).queryAction().doAction(0)

    def title(self, text):
        return wait_for("the title " + repr(text), lambda: find(self.app, pyatspi.ROLE_LABEL, text, False))


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


class Run:
    """One run of the program in temporary folders; use it as a context manager.

    work, when given, is the folder of an earlier run (its work): the program starts again on the
    program folder and home it left, as a user starts it again on the same computer. That folder
    then belongs to the caller, who removes it."""

    def __init__(self, binary, prefix, work=None):
        self.owns_work = work is None
        self.work = tempfile.mkdtemp(prefix=prefix) if work is None else work
        self.program_folder = os.path.join(self.work, "programa")
        self.home = os.path.join(self.work, "home")
        self.output_path = os.path.join(self.work, "saida.txt")
        os.makedirs(self.program_folder, exist_ok=True)
        os.makedirs(self.home, exist_ok=True)
        self.program = os.path.join(self.program_folder, "norvadel")
        if not os.path.exists(self.program):
            shutil.copy2(os.path.realpath(binary), self.program)
        self.env = dict(os.environ)
        self.env.update({"HOME": self.home, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                         "XDG_CONFIG_HOME": os.path.join(self.home, ".config"), "LANG": "pt_BR.UTF-8"})
        self.env.pop("QT_QPA_PLATFORM", None)
        self.process = None
        self.app = None

    def __enter__(self):
        # The accessibility bus and its registry start on first use: have them up before the
        # program looks for them, or it may find no bus to register on.
        wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0) is not None)
        # Should the program still miss the bus, a second start finds it up (the first one,
        # killed, leaves its run marker set; an orderly close resets it).
        for attempt in range(2):
            with open(self.output_path, "ab") as output:
                self.process = subprocess.Popen([self.program], cwd=self.work, env=self.env, stdout=output,
                                                stderr=subprocess.STDOUT)
            try:
                self.app = wait_for("the program on the accessibility bus",
                                    lambda: application(self.process.pid), timeout=30)
                return self
            except AssertionError:
                self.process.kill()
                self.process.wait()
                if attempt == 1:
                    raise
        return self

    def end(self, sig):
        """Asks the program to end with sig, as a desktop does at logout; checks it ends in order."""
        self.process.send_signal(sig)
        self.process.wait(timeout=TIMEOUT)
        assert self.process.returncode == 0, "exit status %s\n%s" % (self.process.returncode, self.output())

    def output(self):
        with open(self.output_path, encoding="utf-8", errors="replace") as output:
            return output.read()

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        if self.owns_work:
            shutil.rmtree(self.work, ignore_errors=True)
        return False
