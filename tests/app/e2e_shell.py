#!/usr/bin/python3
"""Drives the real norvadel program as a user would, through the accessibility bus.

Run inside a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 e2e_shell.py PATH/TO/norvadel

The program reads no arguments: it keeps its files next to itself and the user's data under the
documents folder. So the program is copied into a temporary folder and run there with HOME set to
another temporary folder.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

LOGIN_MESSAGE = ("Você não está logado. Por favor acesse o painel de utilidades e faça o login. "
                 "Obrigado!")
TIMEOUT = 60


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails the test after timeout seconds."""
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        # The bus's news (a new application, a changed tree) arrive through the main loop.
        while context.pending():
            context.iteration(False)
        try:
            found = probe()
        except Exception:  # the tree changes under us while the program starts
            found = None
        if found:
            return found
        time.sleep(0.2)
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    raise AssertionError("timed out waiting for %s (applications on the bus: %s)"
                         % (what, [(a.name, a.get_process_id()) for a in apps if a is not None]))


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


def find(root, role=None, name=None, showing=True):
    for node in descendants(root):
        try:
            if role is not None and node.getRole() != role:
                continue
            if name is not None and node.name != name:
                continue
            if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            return node
        except Exception:
            continue
    return None


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


def main():
    binary = os.path.realpath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="norvadel-e2e-")
    program_folder = os.path.join(work, "programa")
    home = os.path.join(work, "home")
    os.makedirs(program_folder)
    os.makedirs(home)
    program = os.path.join(program_folder, "norvadel")
    shutil.copy2(binary, program)

    env = dict(os.environ)
    env.update({"HOME": home, "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "QT_ACCESSIBILITY": "1",
                "XDG_CONFIG_HOME": os.path.join(home, ".config"), "LANG": "pt_BR.UTF-8"})
    env.pop("QT_QPA_PLATFORM", None)
    # The accessibility bus and its registry start on first use: have them up before the program
    # looks for them, or it may find no bus to register on.
    pyatspi.Registry.getDesktop(0).childCount
    process = None
    try:
        # Should the program still miss the bus, a second start finds it up (the first one,
        # killed, leaves its marker set; the orderly close below resets it).
        for attempt in range(2):
            with open(os.path.join(work, "saida.txt"), "ab") as output:
                process = subprocess.Popen([program], cwd=work, env=env, stdout=output, stderr=subprocess.STDOUT)
            try:
                app = wait_for("the program on the accessibility bus", lambda: application(process.pid),
                               timeout=30)
                break
            except AssertionError:
                process.kill()
                process.wait()
                if attempt == 1:
                    raise
        wait_for("the welcome screen", lambda: find(app, pyatspi.ROLE_LABEL, "Obrix System BR - Apresentação"))
        press = wait_for("the welcome screen's button",
                         lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Cadastrar Apostas"))
        press.queryAction().doAction(0)
        news = wait_for("the news area", lambda: find(app, name="Notícias"))
        wait_for("the login message in the news area", lambda: LOGIN_MESSAGE in text_of(news))

        # The side bar hides at the left edge and slides out when the mouse comes near it.
        window = wait_for("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "Norvadel"))
        x, y, width, height = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)

        def reveal():
            subprocess.run(["xdotool", "mousemove", str(x + 300), str(y + height // 2)], check=True)
            subprocess.run(["xdotool", "mousemove", str(x + 10), str(y + height // 2)], check=True)
            return find(app, pyatspi.ROLE_PAGE_TAB, "Configurações")

        wait_for("the side bar's tab Configurações", reveal)
        folder = wait_for("the documents folder in the basic settings",
                          lambda: find(app, pyatspi.ROLE_TEXT, "Pasta de arquivos"))
        documents = wait_for("the documents folder's text", lambda: text_of(folder))
        assert documents.startswith(home), documents

        # The desktop asks the program to end, as at logout.
        process.send_signal(signal.SIGTERM)
        process.wait(timeout=TIMEOUT)
        with open(os.path.join(work, "saida.txt"), encoding="utf-8", errors="replace") as saida:
            output = saida.read()
        assert process.returncode == 0, "exit status %s\n%s" % (process.returncode, output)

        with open(os.path.join(program_folder, "Crash.ini"), encoding="utf-8") as crash:
            marker = crash.read()
        assert re.search(r"^Crashed=0\r?$", marker, re.M), marker
        with open(os.path.join(program_folder, "Log.log"), encoding="utf-8") as log:
            lines = log.read().splitlines()
        entry = re.compile(r"^\d\d:\d\d:\d\d-OK=Inicialização de aplicativo$")
        assert re.match(r"^\[\d+/\d+/\d{4}\]$", lines[0]), lines
        assert entry.match(lines[1]) and entry.match(lines[2]), lines
        assert lines[3:5] == ["Inicialização do procedimento", "Tratamento de Crash"], lines
        assert os.path.isdir(os.path.join(documents, "Obrix", "Norvadel")), documents
        print("e2e_shell: passed")
    finally:
        if process is not None and process.poll() is None:
            process.kill()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
