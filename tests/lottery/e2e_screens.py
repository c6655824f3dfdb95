#!/usr/bin/python3
"""Stores a group of bets and imports the contests through the real norvadel program, as a player
would, then starts it again and finds both kept.

Run inside a display and a session bus of its own:
    xvfb-run -a dbus-run-session -- /usr/bin/python3 e2e_screens.py PATH/TO/norvadel

When NORVADEL_SCREENSHOTS names a folder, pictures of both screens with their data are written
there (bet-groups.png, contest-results.png); the display must then be 1280x900.
"""

import os
import shutil
import signal
import stat
import subprocess
import sys
import tempfile

import pyatspi

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
from norvadel_atspi import Program, Run, find, text_of, wait_for  # noqa: E402

USER = "Paulo Lima"
PASSWORD = "c0nc@rso 48"
HISTORY = os.path.realpath(os.path.join(HERE, "..", "data", "megasena-history.tsv"))
HISTORY_CONTESTS = 3047
GROUP = "Bolão da firma"
# Two bets typed number by number, the third typed as a line of the text box.
TYPED_BETS = [["05", "12", "23", "34", "45", "56"], ["01", "02", "03", "04", "05", "06", "07"]]
LINE_BET = "10;20;30;40;50;60"
BETS = [";".join(bet) for bet in TYPED_BETS] + [LINE_BET]
# The contest typed by hand after the import.
CONTEST = ("03048", ["03", "17", "22", "38", "41", "59"], "1.500.000,00", "2")
IMPORT_TIMEOUT = 180


def screenshot(name):
    folder = os.environ.get("NORVADEL_SCREENSHOTS")
    if folder:
        subprocess.run(["import", "-window", "root", os.path.join(folder, name)], check=True)


class Player(Program):
    """The shared driver, with the clicks, messages and screens of these two screens."""

    def click(self, node, left=None):
        """A click of the mouse on node, in its middle or left pixels from its left edge: a link
        and the check box of an item offer no action of their own."""
        x, y, width, height = wait_for("%s laid out on screen" % node.name, lambda: laid_out(node))
        at = x + (width // 2 if left is None else left)
        subprocess.run(["xdotool", "mousemove", str(at), str(y + height // 2), "click", "1"], check=True)

    def mark(self, item):
        """Marks a list item by a click on its check box, at its left edge."""
        _, _, _, height = wait_for("%s laid out on screen" % item.name, lambda: laid_out(item))
        self.click(item, height // 2)

    def message(self, text):
        """Waits for the message box that says text and closes it with its OK button."""
        label = wait_for("the message " + repr(text), lambda: find(self.app, pyatspi.ROLE_LABEL, text))
        box = label
        while box is not None and box.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
            box = box.parent
        assert box is not None, "the message %r is not in a message box" % text
        self.press(box, "OK")
        wait_for("the message %r closed" % text, lambda: find(self.app, pyatspi.ROLE_LABEL, text) is None)

    def log_in(self, register):
        login = self.form("Login")
        self.type_into(login, "Nome de login *", USER)
        self.type_into(login, "Senha *", PASSWORD)
        self.press(login, "Logar")
        if register:
            registration = self.form("Registro de Login")
            wait_for("the registration tab in front", lambda: self.tab_selected("Registro de usuário"))
            self.type_into(registration, "Empresa *", "Lotérica do Paulo")
            self.type_into(registration, "e-Mail *", "paulo@exemplo")
            self.type_into(registration, "Senha *", PASSWORD)
            self.type_into(registration, "Repita a Senha *", PASSWORD)
            self.type_into(registration, "Resposta *", "Rex")
            self.press(registration, "Registrar")
            results = find(registration, name="Resultados", showing=False)
            wait_for("the registration's success",
                     lambda: text_of(results) == "Processo de registro concluido com exito.")
            wait_for("the login tab in front", lambda: self.tab_selected("Login"))
            self.type_into(login, "Senha *", PASSWORD)
            self.press(login, "Logar")
        wait_for("the button Sair", lambda: find(login, pyatspi.ROLE_PUSH_BUTTON, "Sair", False))
        self.title("Bem Vindo - " + USER)

    def open_screen(self, button, caption):
        """Presses button of the welcome screen, which may be behind another screen; returns the
        screen it opens, in front."""
        self.title("Bem Vindo - " + USER)
        self.press(self.app, button)
        return wait_for("the screen " + caption, lambda: find(self.app, pyatspi.ROLE_FILLER, caption))


def laid_out(node):
    """The extents of node once it has them, inside those of its parent (a list lays its items out
    after it shows them)."""
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    px, py, pwidth, pheight = node.parent.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    inside = (width > 0 and height > 0 and px <= x and py <= y
              and x + width <= px + pwidth and y + height <= py + pheight)
    return (x, y, width, height) if inside else None


def list_items(node):
    items = []
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and child.getRole() == pyatspi.ROLE_LIST_ITEM:
            items.append(child)
    return items


def item_named(node, name):
    return next((item for item in list_items(node) if item.name == name), None)


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def cell(table, row, column):
    return table.queryTable().getAccessibleAt(row, column).name


def main():
    work = tempfile.mkdtemp(prefix="norvadel-e2e-screens-")
    try:
        first_run(sys.argv[1], work)
        second_run(sys.argv[1], work)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("e2e_screens: passed")


def first_run(binary, work):
    with Run(binary, "norvadel-e2e-screens-", work) as run:
        ui = Player(run.app)
        ui.title("Obrix System BR - Apresentação")
        ui.log_in(register=True)

        # The bet groups screen: two bets typed box by box, a third as a line of the text box.
        screen = ui.open_screen("Cadastrar Apostas", "Cadastro de apostas")
        memo = ui.box(screen, "Apostas (uma por linha, Nros Separados por Ponto e Virgula)")
        for count, bet in enumerate(TYPED_BETS, 1):
            for i, number in enumerate(bet, 1):
                ui.type_into(screen, "Número %d" % i, number)
            ui.press(screen, "Inserir", "Inserir a aposta digitada")
            wait_for("the bet %s in the text box" % ";".join(bet),
                     lambda: text_of(memo).splitlines() == BETS[:count])
            assert text_of(ui.box(screen, "Número 1")) == "", "the boxes are not cleared"
        # The text box as the user leaves it: the inserted lines and, below them, the line typed.
        memo.queryEditableText().setTextContents(text_of(memo) + "\n" + LINE_BET)
        wait_for("three bets in the text box", lambda: text_of(memo).splitlines() == BETS)

        # Stored as a group, which is then marked.
        ui.type_into(screen, "Nome do Grupo", GROUP)
        ui.press(screen, "Inserir", "Gravar as apostas como grupo")
        groups = wait_for("the list of groups", lambda: find(screen, pyatspi.ROLE_LIST, "Grupos disponíveis"))
        group = wait_for("the group in the list", lambda: item_named(groups, GROUP))
        wait_for("the text box emptied", lambda: text_of(memo) == "")
        ui.mark(group)
        wait_for("the group marked", lambda: checked(item_named(groups, GROUP)))
        ui.click(wait_for("the link Salvar marcas",
                          lambda: find(screen, pyatspi.ROLE_LABEL, "Salvar marcas")))
        ui.message("Salvo!")

        # Its bets, shown by a click on the group.
        ui.click(item_named(groups, GROUP))
        bets = wait_for("the list of the group's bets", lambda: find(screen, pyatspi.ROLE_LIST, "Apostas do Grupo"))
        wait_for("the group's three bets", lambda: [item.name for item in list_items(bets)] == BETS)
        screenshot("bet-groups.png")

        # The contest results screen: the whole history from the file, then one contest by hand.
        results = ui.open_screen("Lançar concursos", "Lançamento de resultados")
        grid = wait_for("the contests", lambda: find(results, pyatspi.ROLE_TABLE, "Concursos"))
        assert grid.queryTable().nRows == 1, grid.queryTable().nRows  # the empty bottom row
        ui.press(results, "Carregar do arquivo")
        dialog = wait_for("the file dialog",
                          lambda: find(run.app, pyatspi.ROLE_DIALOG, "Arquivo separado por tabulação"))
        file_name = wait_for("the file dialog's name box",
                             lambda: find(dialog, pyatspi.ROLE_TEXT, "Nome do arquivo:")
                             or find(dialog, pyatspi.ROLE_TEXT, "File name:"))
        file_name.queryEditableText().setTextContents(HISTORY)
        wait_for("the file name typed", lambda: text_of(file_name) == HISTORY)
        open_button = wait_for("the file dialog's button Abrir",
                               lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Abrir")
                               or find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Open"))
        open_button.queryAction().doAction(0)
        load = ui.button(results, "Carregar do arquivo")
        wait_for("the history imported", lambda: grid.queryTable().nRows == HISTORY_CONTESTS + 1
                 and load.getState().contains(pyatspi.STATE_ENABLED), timeout=IMPORT_TIMEOUT)
        assert cell(grid, 0, 0) == "03047", cell(grid, 0, 0)
        assert cell(grid, 0, 1) == "04;18;22;26;31;58", cell(grid, 0, 1)
        assert cell(grid, HISTORY_CONTESTS - 1, 0) == "00001", cell(grid, HISTORY_CONTESTS - 1, 0)
        imported = find(results, name="Arquivo importado")
        assert text_of(imported).splitlines()[1] == "1\t04\t05\t30\t33\t41\t52\t0\tR$0,00"

        # The next number follows the last contest imported.
        number = ui.box(results, "Concurso", pyatspi.ROLE_SPIN_BUTTON)
        wait_for("the next contest number", lambda: number.queryValue().currentValue == 3048)
        for i, drawn in enumerate(CONTEST[1], 1):
            ui.type_into(results, "Resultado %d" % i, drawn)
        ui.type_into(results, "Valor pago", "1500000")
        ui.box(results, "Ganhadores", pyatspi.ROLE_SPIN_BUTTON).queryValue().currentValue = int(CONTEST[3])
        ui.press(results, "Adicionar")
        wait_for("the contest added on top", lambda: grid.queryTable().nRows == HISTORY_CONTESTS + 2
                 and load.getState().contains(pyatspi.STATE_ENABLED))
        row = [cell(grid, 0, column) for column in range(5)]
        assert row == [CONTEST[0], ";".join(CONTEST[1]), CONTEST[2], CONTEST[3], "Novo"], row
        wait_for("the next number after it", lambda: number.queryValue().currentValue == 3049)
        screenshot("contest-results.png")

        # The desktop asks the program to end, as at logout: the close sequence runs.
        run.end(signal.SIGTERM)


def second_run(binary, work):
    with Run(binary, "norvadel-e2e-screens-", work) as run:
        ui = Player(run.app)
        ui.title("Obrix System BR - Apresentação")
        ui.log_in(register=False)

        # The group, marked, with its three bets.
        screen = ui.open_screen("Cadastrar Apostas", "Cadastro de apostas")
        groups = wait_for("the list of groups", lambda: find(screen, pyatspi.ROLE_LIST, "Grupos disponíveis"))
        group = wait_for("the group kept", lambda: item_named(groups, GROUP))
        assert [item.name for item in list_items(groups)] == [GROUP]
        assert checked(group), "the group is no longer marked"
        ui.click(group)
        bets = wait_for("the list of the group's bets", lambda: find(screen, pyatspi.ROLE_LIST, "Apostas do Grupo"))
        wait_for("the group's three bets", lambda: [item.name for item in list_items(bets)] == BETS)

        # The contests, newest first, none of them new any more.
        results = ui.open_screen("Lançar concursos", "Lançamento de resultados")
        grid = wait_for("the contests", lambda: find(results, pyatspi.ROLE_TABLE, "Concursos"))
        contests = HISTORY_CONTESTS + 1
        wait_for("the contests kept", lambda: grid.queryTable().nRows == contests + 1)
        row = [cell(grid, 0, column) for column in range(5)]
        assert row == [CONTEST[0], ";".join(CONTEST[1]), CONTEST[2], CONTEST[3], ""], row
        for r in range(contests):
            number = cell(grid, r, 0)
            assert number == "%05d" % (contests - r), "row %d: %r" % (r, number)
            assert cell(grid, r, 4) != "Novo", "row %d says Novo" % r
        run.end(signal.SIGTERM)

        # On disk: the user's bets, for the user alone, and the contests up to the one typed.
        found = [os.path.join(root, "Apostas.inx") for root, _, files in os.walk(run.home) if "Apostas.inx" in files]
        assert len(found) == 1, found
        mode = stat.S_IMODE(os.stat(found[0]).st_mode)
        assert mode == 0o600, oct(mode)
        found = [os.path.join(root, "Concursos.inx") for root, _, files in os.walk(run.home)
                 if "Concursos.inx" in files]
        assert len(found) == 1, found
        with open(found[0], "rb") as stored:
            contests_file = stored.read()
        assert b"<Header=03048>" in contests_file, contests_file[:400]


if __name__ == "__main__":
    main()
