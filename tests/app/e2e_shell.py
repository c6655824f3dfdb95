#!/usr/bin/python3
"""Drives the real norvadel program as a user would, through the accessibility bus.

Run inside a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 e2e_shell.py PATH/TO/norvadel
"""

import os
import re
import signal
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from norvadel_atspi import Run, find, text_of, wait_for  # noqa: E402

LOGIN_MESSAGE = ("Você não está logado. Por favor acesse o painel de utilidades e faça o login. "
                 "Obrigado!")


def main():
    with Run(sys.argv[1], "norvadel-e2e-") as run:
        app, home = run.app, run.home
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

        # The desktop asks the program to end, as at logout: the close sequence runs.
        run.end(signal.SIGTERM)

        with open(os.path.join(run.program_folder, "Crash.ini"), encoding="utf-8") as crash:
            marker = crash.read()
        assert re.search(r"^Crashed=0\r?$", marker, re.M), marker
        with open(os.path.join(run.program_folder, "Log.log"), encoding="utf-8") as log:
            lines = log.read().splitlines()
        entry = re.compile(r"^\d\d:\d\d:\d\d-OK=Inicialização de aplicativo$")
        assert re.match(r"^\[\d+/\d+/\d{4}\]$", lines[0]), lines
        assert entry.match(lines[1]) and entry.match(lines[2]), lines
        assert lines[3:5] == ["Inicialização do procedimento", "Tratamento de Crash"], lines
        assert os.path.isdir(os.path.join(documents, "Obrix", "Norvadel")), documents
        print("e2e_shell: passed")


if __name__ == "__main__":
    main()
