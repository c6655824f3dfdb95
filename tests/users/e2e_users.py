#!/usr/bin/python3
"""Registers a user, logs in and out through the real norvadel program, as a user would.

Run inside a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 e2e_users.py PATH/TO/norvadel
"""

import os
import signal
import sys

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from norvadel_atspi import Program, Run, find, text_of, wait_for  # noqa: E402

USER = "Maria Souza"
PASSWORD = "s3nh@ forte"


def main():
    with Run(sys.argv[1], "norvadel-e2e-users-") as run:
        home = run.home
        ui = Program(run.app)
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

        run.end(signal.SIGTERM)

        # What stays: the account, with its password enciphered, and the user's folder.
        accounts = [os.path.join(root, "Logins.inx") for root, _, files in os.walk(home) if "Logins.inx" in files]
        assert len(accounts) == 1, accounts
        with open(accounts[0], encoding="cp1252") as stored:
            text = stored.read()
        assert "<Header=%s>" % USER in text, text
        assert PASSWORD not in text and "Tubarão" not in text, text
        assert os.path.isdir(os.path.join(os.path.dirname(accounts[0]), USER))
        print("e2e_users: passed")


if __name__ == "__main__":
    main()
