#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quartelo 4 contributors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# An AT-SPI client, as a screen reader is one: it starts the real game,
# reads the start window, presses "Nouvelle Partie" and then plays a whole
# game between two people through the column buttons' Press action. After
# every move it reads the 42 cell names through the board's table, the
# header names and the status line and compares them with the moves played;
# at the end it reads the end box, closes it by its button's action, checks
# the four winning cells and quits through "Quitter". It also checks that
# the game sent name-change and description-change events over the bus.
# Needs an X display and the AT-SPI bus (see session_atspi.sh).
#
# The texts it expects (status line, end box, cell and header names) come
# from the test library's quartelo4_textes_attendus, where they are spelled
# for every test.
#
#   client_atspi.py <quartelo4 executable> <folder holding images/> <quartelo4_textes_attendus>

import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DELAI = 30.0  # seconds allowed for anything to appear

# Red fills the bottom row from column 2 to column 5; yellow answers on top
# of red and in column 6.
COUPS = [3, 3, 4, 4, 2, 6, 5]
GAGNANTS = {(2, 1), (3, 1), (4, 1), (5, 1)}  # (column, row counted from the bottom)

# What a cell holds, as the board as text of the test library codes it:
# empty, red, yellow; in capitals, a winning token.
CODES = {0: ".", 1: "r", 2: "j"}

# The expected texts, read by lire_textes() from the test library.
TEXTES = {}
# Cell name -> (column, row counted from the bottom, code).
CASES = {}


class Echec(Exception):
    pass


def lire_textes(outil):
    TEXTES.update(json.loads(subprocess.run([outil], check=True, capture_output=True).stdout))
    for cle, nom in TEXTES["case"].items():
        colonne, rangee, code = cle.split()
        CASES[nom] = (int(colonne), int(rangee), code)


def nom_de_case(colonne, rangee, code):
    return TEXTES["case"]["%d %d %s" % (colonne, rangee, code)]


def gagnant(nom):
    """True for the name of a winning cell."""
    return nom in CASES and CASES[nom][2].isupper()


def verifier(condition, message):
    if not condition:
        raise Echec(message)


def pomper():
    """Lets the GLib loop deliver the events received so far."""
    contexte = GLib.MainContext.default()
    while contexte.pending():
        contexte.iteration(False)


def attendre(lire, attendu=None, message="", delai=DELAI):
    """Polls lire() until it returns `attendu` (or anything true when None)."""
    fin = time.monotonic() + delai
    valeur = None
    while time.monotonic() < fin:
        pomper()
        try:
            valeur = lire()
        except GLib.Error:
            valeur = None
        if (attendu is None and valeur) or (attendu is not None and valeur == attendu):
            return valeur
        time.sleep(0.05)
    raise Echec("%s: got %r, expected %r" % (message, valeur, attendu))


def enfants(objet):
    for i in range(objet.childCount):
        enfant = objet.getChildAtIndex(i)
        if enfant is not None:
            yield enfant


def descendants(objet):
    pile = [objet]
    while pile:
        courant = pile.pop(0)
        yield courant
        pile.extend(enfants(courant))


def trouver(racine, role, nom=None):
    """The descendants of `racine` with that role (and name)."""
    return [o for o in descendants(racine)
            if o.getRole() == role and (nom is None or o.name == nom)]


def unique(racine, role, nom):
    trouves = trouver(racine, role, nom)
    verifier(len(trouves) == 1, "%d objects %r named %r" % (len(trouves), role, nom))
    return trouves[0]


def presser(objet):
    """The Press action, as a screen reader or a switch activates a button."""
    actions = objet.queryAction()
    noms = [actions.getName(i) for i in range(actions.nActions)]
    verifier("Press" in noms, "%r has no Press action: %r" % (objet.name, noms))
    actions.doAction(noms.index("Press"))


def application(processus):
    bureau = pyatspi.Registry.getDesktop(0)
    for app in enfants(bureau):
        if app.get_process_id() == processus.pid:
            return app
    return None


def montre(objet):
    return objet.getState().contains(pyatspi.STATE_SHOWING)


class Partie:
    """The board as the moves played make it; rows counted from the bottom."""

    def __init__(self):
        self.cases = {(c, r): 0 for c in range(7) for r in range(1, 7)}
        self.joueur = 1

    def jouer(self, colonne):
        rangee = min(r for r in range(1, 7) if self.cases[(colonne, r)] == 0)
        self.cases[(colonne, rangee)] = self.joueur
        self.joueur = 3 - self.joueur

    def noms(self, gagnants=frozenset()):
        return sorted(nom_de_case(c, r, CODES[v].upper() if (c, r) in gagnants else CODES[v])
                      for (c, r), v in self.cases.items())


def noms_des_cases(plateau):
    """The 42 cell names, read through the board's table, top row first.
    Each must stand at the place in the table its name says."""
    table = plateau.queryTable()
    noms = []
    for ligne in range(1, 7):
        for colonne in range(7):
            nom = table.getAccessibleAt(ligne, colonne).name
            verifier(nom in CASES, "cell name out of form: %r" % nom)
            verifier(CASES[nom][:2] == (colonne, 7 - ligne),
                     "%r at row %d, column %d of the table" % (nom, ligne, colonne))
            noms.append(nom)
    return sorted(noms)


def noms_des_en_tetes(plateau):
    table = plateau.queryTable()
    return [table.getAccessibleAt(0, colonne).name for colonne in range(7)]


def en_tetes_attendus(colonne, joueur):
    return [TEXTES["en_tete"]["%d %d" % (c, joueur if c == colonne else 0)] for c in range(7)]


def principal(programme, dossier, outil_textes):
    lire_textes(outil_textes)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    processus = subprocess.Popen([programme], cwd=dossier, env=env)
    evenements = []

    def noter(evenement):
        try:
            evenements.append((evenement.type, evenement.source.name, evenement.source.getRole()))
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(noter, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description")
    try:
        app = attendre(lambda: application(processus), message="the game on the AT-SPI bus")

        # The start window: every group box is read by its own title.
        debut = attendre(lambda: next((f for f in enfants(app) if trouver(f, pyatspi.ROLE_PUSH_BUTTON,
                                                                           "Nouvelle Partie")), None),
                         message="the start window")
        groupes = [o.name for o in trouver(debut, pyatspi.ROLE_PANEL)]
        verifier(sorted(groupes) == sorted(["Options", "Souris", "Difficulté", "Joueur rouge", "Joueur jaune"]),
                 "start window groups: %r" % groupes)
        print("start window groups:", groupes)
        presser(unique(debut, pyatspi.ROLE_PUSH_BUTTON, "Nouvelle Partie"))

        # The game window: the board is the table named « plateau ».
        def fenetre_de_jeu():
            for f in enfants(app):
                if montre(f) and trouver(f, pyatspi.ROLE_PUSH_BUTTON, "3"):
                    return f
            return None
        jeu = attendre(fenetre_de_jeu, message="the game window")
        groupes = sorted(o.name for o in trouver(jeu, pyatspi.ROLE_PANEL))
        verifier(groupes == sorted(["Information", "Options", "Souris", "Difficulté", "Choix de la colonne",
                                    "Nouvelle partie", "Joueur rouge", "Joueur jaune", "Quitter la partie"]),
                 "game window groups: %r" % groupes)
        plateau = unique(jeu, pyatspi.ROLE_TABLE, "plateau")
        verifier(plateau.childCount == 49, "the board has %d children" % plateau.childCount)
        table = plateau.queryTable()
        verifier((table.nRows, table.nColumns) == (7, 7), "table of %d x %d" % (table.nRows, table.nColumns))
        colonnes = [table.getColumnDescription(c) for c in range(7)]
        verifier(colonnes == [TEXTES["colonne"][str(c)] for c in range(7)], "column descriptions %r" % colonnes)
        rangees = [table.getRowDescription(r) for r in range(7)]
        verifier(rangees == [""] + [TEXTES["rangee"][str(r)] for r in range(6, 0, -1)],
                 "row descriptions %r" % rangees)
        roles = {o.getRole() for o in enfants(plateau)}
        verifier(roles == {pyatspi.ROLE_TABLE_CELL}, "cell roles %r" % roles)
        information = unique(jeu, pyatspi.ROLE_PANEL, "Information")
        situation = [o for o in descendants(information) if o.getRole() == pyatspi.ROLE_LABEL]
        verifier(len(situation) == 1, "status lines: %d" % len(situation))
        situation = situation[0]
        boutons = {n: unique(jeu, pyatspi.ROLE_PUSH_BUTTON, str(n)) for n in range(7)}

        partie = Partie()
        attendre(lambda: noms_des_cases(plateau), partie.noms(), "cell names of the empty board")
        attendre(lambda: noms_des_en_tetes(plateau), en_tetes_attendus(0, 1), "headers of the empty board")
        attendre(lambda: situation.name, TEXTES["tour"]["1"], "status line at the start")

        for numero, colonne in enumerate(COUPS, 1):
            presser(boutons[colonne])
            partie.jouer(colonne)
            dernier = numero == len(COUPS)
            if dernier:
                break
            attendre(lambda: situation.name, TEXTES["coup"]["%d %d" % (colonne, partie.joueur)],
                     "status line after move %d" % numero)
            attendre(lambda: noms_des_cases(plateau), partie.noms(), "cell names after move %d" % numero)
            attendre(lambda: noms_des_en_tetes(plateau), en_tetes_attendus(0, partie.joueur),
                     "headers after move %d" % numero)
            print("move %d, column %d: read back" % (numero, colonne))

        # The end box: read its text, close it by its button.
        def boite():
            for f in enfants(app):
                if f.getRole() in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG) and montre(f):
                    return f
            return None
        fin = attendre(boite, message="the end-of-game box")
        verifier(fin.name == TEXTES["titre_fin"], "end box title %r" % fin.name)
        texte = TEXTES["fin"]["1"]
        textes = [o.name for o in descendants(fin) if o.getRole() == pyatspi.ROLE_LABEL]
        verifier(texte in textes, "end box texts: %r" % textes)
        print("end box (%s, %r):" % (fin.getRoleName(), fin.name), repr(texte))
        boutons_fin = trouver(fin, pyatspi.ROLE_PUSH_BUTTON)
        verifier(len(boutons_fin) == 1, "end box buttons: %r" % [b.name for b in boutons_fin])
        print("end box button:", repr(boutons_fin[0].name))
        presser(boutons_fin[0])
        attendre(lambda: boite() is None, True, "the end box closed")

        attendre(lambda: situation.name, texte, "status line at the end")
        attendre(lambda: noms_des_cases(plateau), partie.noms(GAGNANTS), "cell names at the end")
        gagnants = [n for n in noms_des_cases(plateau) if gagnant(n)]
        verifier(len(gagnants) == 4, "winning cells: %r" % gagnants)
        print("winning cells:", gagnants)
        attendre(lambda: noms_des_en_tetes(plateau), en_tetes_attendus(0, 0), "headers at the end")

        # The game told the bus about its changes: cells, headers, status line.
        attendre(lambda: any(gagnant(n) for _, n, _ in evenements), True,
                 "a name-change event for a winning cell")
        attendre(lambda: any(n == texte for _, n, _ in evenements), True,
                 "a name-change event for the status line")
        curseurs = {nom for cle, nom in TEXTES["en_tete"].items() if not cle.endswith(" 0")}
        attendre(lambda: any(n in curseurs for _, n, _ in evenements), True,
                 "a name-change event for the cursor")
        attendre(lambda: any(t.endswith("accessible-description") and r == pyatspi.ROLE_TABLE
                             for t, _, r in evenements), True, "a description-change event for the board")
        verifier(plateau.description == nom_de_case(5, 1, "R"),
                 "board description %r" % plateau.description)
        print("name and description change events received:", len(evenements))

        presser(unique(jeu, pyatspi.ROLE_PUSH_BUTTON, "Quitter"))
        statut = processus.wait(timeout=DELAI)
        verifier(statut == 0, "the game exited with status %d" % statut)
        print("the game quit with status 0")
    finally:
        pyatspi.Registry.deregisterEventListener(noter, "object:property-change:accessible-name",
                                                 "object:property-change:accessible-description")
        if processus.poll() is None:
            processus.kill()
            processus.wait()


if __name__ == "__main__":
    if len(sys.argv) != 4:
        print("usage: client_atspi.py <quartelo4 executable> <folder holding images/> <quartelo4_textes_attendus>",
              file=sys.stderr)
        sys.exit(2)
    try:
        principal(sys.argv[1], sys.argv[2], sys.argv[3])
    except (Echec, subprocess.TimeoutExpired, subprocess.CalledProcessError) as erreur:
        print("FAIL:", erreur, file=sys.stderr)
        sys.exit(1)
    print("PASS")
