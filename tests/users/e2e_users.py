#!/usr/bin/python3
"""Registers a user, logs in and out through the real norvadel program, as a user would.

Run inside a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 e2e_users.py PATH/TO/norvadel

The program keeps its files next to itself and the user's data under the documents folder, so it
is copied into a temporary folder and run there with HOME set to another temporary folder.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60
USER = "Maria Souza"
PASSWORD = "s3nh@ forte"


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it returns something true; fails the test after timeout seconds."""
    deadline = time.monotonic() + timeout
    context = GLib.MainContext.default()
    last_error = None
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        try:
            found = probe()
        except Exception as error:  # the tree changes under us while the program works
            found, last_error = None, error
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for %s (last error: %r)" % (what, last_error))


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


class Program:
    def __init__(self, app):
        self.app = app
        self.window = wait_for("the main window", lambda: find(app, pyatspi.ROLE_FRAME, "Norvadel"))

    def form(self, caption):
        """A side bar form by its caption; it need not be on screen (the side bar hides itself)."""
        return wait_for("the form " + caption, lambda: find(self.app, pyatspi.ROLE_FILLER, caption, False))

    def tab_selected(self, caption):
        """Whether the side bar's current tab is caption (a tab bar is named by its current tab)."""
        return find(self.app, pyatspi.ROLE_PAGE_TAB_LIST, caption, False) is not None

    def type_into(self, form, label, text):
        box = wait_for("the box " + label, lambda: find(form, pyatspi.ROLE_TEXT, label, False)
                       or find(form, pyatspi.ROLE_PASSWORD_TEXT, label, False))
        box.queryEditableText().setTextContents(text)

    def press(self, root, caption):
        button = wait_for("the button " + caption, lambda: find(root, pyatspi.ROLE_PUSH_BUTTON, caption, False))
        button.queryAction().doAction(0)

    def title(self, text):
        return wait_for("the welcome title " + repr(text), lambda: find(self.app, pyatspi.ROLE_LABEL, text, False))


def main():
    binary = os.path.realpath(sys.argv[1])
    work = tempfile.mkdtemp(prefix="norvadel-e2e-users-")
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
    # looks for them, or it may never appear on the bus.
    wait_for("the accessibility registry", lambda: pyatspi.Registry.getDesktop(0) is not None)
    process = subprocess.Popen([program], cwd=work, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    try:
        app = wait_for("the program on the accessibility bus", lambda: application(process.pid), 2 * TIMEOUT)
        ui = Program(app)
        ui.title("Obrix System BR - Apresentação")

        # A name that is not registered yet: "Logar" brings the registration tab forward, which
        # takes the name from the login form and keeps it locked.
        login = ui.form("Login")
        ui.type_into(login, "Nome de login *", USER)
        ui.type_into(login, "Senha *", PASSWORD)
        ui.press(login, "Logar")
        registration = ui.form("Registro de Login")
        wait_for("the registration tab in front", lambda: ui.tab_selected("Registro de usuário"))
        name = find(registration, pyatspi.ROLE_TEXT, "Nome de login *", False)
        assert text_of(name) == USER, text_of(name)
        assert not name.getState().contains(pyatspi.STATE_ENABLED)
        ui.type_into(registration, "Empresa *", "Loja da Maria")
        ui.type_into(registration, "e-Mail *", "maria@exemplo")
        ui.type_into(registration, "Senha *", PASSWORD)
        ui.type_into(registration, "Repita a Senha *", PASSWORD)
        ui.type_into(registration, "Resposta *", "Tubarão")
        ui.press(registration, "Registrar")
        results = find(registration, name="Resultados", showing=False)
        wait_for("the registration's success",
                 lambda: text_of(results) == "Processo de registro concluido com exito.")
        wait_for("the login tab in front", lambda: ui.tab_selected("Login"))

        # Log in.
        ui.type_into(login, "Senha *", PASSWORD)
        ui.press(login, "Logar")
        wait_for("the button Sair", lambda: find(login, pyatspi.ROLE_PUSH_BUTTON, "Sair", False))
        ui.title("Bem Vindo - " + USER)

        # Log out.
        ui.press(login, "Sair")
        wait_for("the button Logar", lambda: find(login, pyatspi.ROLE_PUSH_BUTTON, "Logar", False))
        ui.title("Obrix System BR - Apresentação")

        process.send_signal(signal.SIGTERM)
        process.wait(timeout=TIMEOUT)
        output = process.stdout.read().decode("utf-8", "replace")
        assert process.returncode == 0, "exit status %s\n%s" % (process.returncode, output)

        # What stays: the account, with its password enciphered, and the user's folder.
        accounts = [os.path.join(root, "Logins.inx") for root, _, files in os.walk(home) if "Logins.inx" in files]
        assert len(accounts) == 1, accounts
        with open(accounts[0], encoding="cp1252") as stored:
            text = stored.read()
        assert "<Header=%s>" % USER in text, text
        assert PASSWORD not in text and "Tubarão" not in text, text
        assert os.path.isdir(os.path.join(os.path.dirname(accounts[0]), USER))
        print("e2e_users: passed")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
