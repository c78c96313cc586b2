#!/usr/bin/python3
"""What a screen reader finds in the program's windows, through the AT-SPI
accessibility bus: starts the walk program (barrierefreiheit.cpp) and, for
each window it opens, walks the window's accessibility tree. Every control
that takes the focus has a name; a read-only text is not editable; a chart
has a description and a text with its figures.

    barrierefreiheit.py PROGRAMM

Exit 0 when everything holds, 1 with the faults listed, 77 when the
accessibility bus cannot start (the test is then skipped)."""

import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("python3-pyatspi fehlt (scripts/install-deps)", file=sys.stderr)
    sys.exit(1)

# Children that carry their content as name: an empty cell or row is no fault.
INHALT = {"list item", "table cell", "tree item", "table row", "table column header", "table row header"}
TEXTE = {"text", "entry", "password text", "paragraph", "document text", "terminal"}


def programm_finden(pid, frist=20.0):
    ende = time.monotonic() + frist
    while time.monotonic() < ende:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def fenster_finden(app, titel, frist=10.0):
    ende = time.monotonic() + frist
    while time.monotonic() < ende:
        for fenster in app:
            try:
                if fenster.name == titel and fenster.getState().contains(pyatspi.STATE_SHOWING):
                    return fenster
            except Exception:
                pass
        time.sleep(0.1)
    return None


def pfad(obj):
    teile = []
    while obj is not None and obj.getRoleName() != "application":
        teile.append("%s \"%s\"" % (obj.getRoleName(), obj.name))
        obj = obj.parent
    return " / ".join(reversed(teile))


def pruefen(obj, titel, fehler, tiefe=0):
    zustand = obj.getState()
    if not zustand.contains(pyatspi.STATE_SHOWING) or tiefe > 40:
        return
    rolle = obj.getRoleName()
    if zustand.contains(pyatspi.STATE_FOCUSABLE) and rolle not in INHALT and not obj.name.strip():
        fehler.append("%s: %s ohne Namen (%s)" % (titel, rolle, pfad(obj)))
    if rolle in TEXTE and zustand.contains(pyatspi.STATE_READ_ONLY) and zustand.contains(pyatspi.STATE_EDITABLE):
        fehler.append("%s: \"%s\" ist schreibgeschützt, meldet sich aber bearbeitbar" % (titel, obj.name))
    if rolle == "chart":
        if not obj.description.strip():
            fehler.append("%s: Diagramm \"%s\" ohne Beschreibung" % (titel, obj.name))
        try:
            text = obj.queryText()
            inhalt = text.getText(0, text.characterCount)
        except NotImplementedError:
            inhalt = ""
        if not inhalt.strip():
            fehler.append("%s: Diagramm \"%s\" ohne Text seiner Zahlen" % (titel, obj.name))
    for kind in obj:
        if kind is not None:
            pruefen(kind, titel, fehler, tiefe + 1)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as grund:
        print("Der Barrierefreiheits-Bus startet nicht: %s" % grund, file=sys.stderr)
        return 77
    umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                    QT_QPA_PLATFORM="xcb", ASAN_OPTIONS="detect_leaks=0")
    programm = subprocess.Popen([sys.argv[1]], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                                env=umgebung)
    fehler = []
    fenster_zahl = 0
    try:
        app = None
        for zeile in programm.stdout:
            zeile = zeile.rstrip("\n")
            if zeile == "ENDE":
                break
            if not zeile.startswith("PRUEFEN\t"):
                print(zeile)
                continue
            titel = zeile.split("\t", 1)[1]
            if app is None:
                app = programm_finden(programm.pid)
                if app is None:
                    fehler.append("Das Programm erscheint nicht auf dem Barrierefreiheits-Bus")
                    break
            fenster = fenster_finden(app, titel)
            if fenster is None:
                fehler.append("%s: Fenster nicht gefunden" % titel)
            else:
                fenster_zahl += 1
                pruefen(fenster, titel, fehler)
            programm.stdin.write("WEITER\n")
            programm.stdin.flush()
    finally:
        try:
            programm.stdin.close()
            programm.wait(timeout=30)
        except Exception:
            programm.kill()
    print("%d Fenster geprüft" % fenster_zahl)
    for f in fehler:
        print("FEHLER: " + f)
    if programm.returncode not in (0, None):
        print("FEHLER: das Programm endete mit %s" % programm.returncode)
        return 1
    return 1 if fehler or fenster_zahl == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
