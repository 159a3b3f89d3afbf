#!/usr/bin/env python3
# Walks the game's screens with scripted keys in both languages and every screen shape, for a person to look at.
"""Usage: scripts/tour-ecrans.py GAME_FOLDER OUT

Plays scripted tours (title, menus, the options pages, the level list, a
level with its intro, pause, restart count-in and summary, the score table, a duel) on a copy of
the game folder with fresh player files, in English and in French, at 4:3
(1024 x 768), 5:4 (1280 x 1024), 16:10 (1280 x 800) and 16:9 (1280 x 720), on a virtual display.
The frames land in OUT/<language>-<width>x<height>/NN-<screen>.png, and one
contact sheet per run in OUT/<language>-<width>x<height>.png when ImageMagick's
montage is there. Every frame moves the game on by 16 ms (script step "pas"),
so the same build takes the same pictures every time.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TOUCHES = {"entree": 13, "echap": 27, "haut": 273, "bas": 274, "droite": 275, "gauche": 276}
# Runs of the game, each from a fresh start: (what the frame shows, the keys and
# waits that lead to it from the frame before).
TOUR = [
    [("titre", "w20"), ("menu", "entree w20"), ("options-jeu", "droite droite droite entree w20 entree w10"),
     ("options-video", "echap droite entree w10"), ("options-audio", "echap droite entree w10"),
     ("options-touches", "echap droite entree w10"), ("menu-retour", "echap echap w20"),
     ("question-quitter", "echap w20")],
    [("difficulte", "w20 entree w20 entree w20"), ("niveaux", "droite droite entree w20"), ("intro", "entree w40"),
     ("jeu", "echap w60"), ("pause", "echap w20"), ("reprise", "droite entree w8"),
     ("bilan", "w200 tenir:119:700 w150"), ("niveaux-apres", "entree w40")],
    [("serie", "w20 entree w20 entree w20 entree w40 echap w60"), ("question-partie", "echap w20 gauche entree w20")],
    [("scores", "w20 entree w20 droite droite entree w20")],
    [("a-propos", "w20 entree w20 droite droite droite droite entree w20")],
    [("duel-difficulte", "w20 entree w20 droite entree w20"), ("duel", "entree w40 echap w60")],
    [("editeur", "w20 entree w20 gauche gauche entree w20"), ("editeur-panneau", "echap w20")],
]
FORMATS = [(1024, 768), (1280, 1024), (1280, 800), (1280, 720)]
LANGUES = ["English", "Francais"]


def script(partie, premier):
    lignes = ["pas 16"]
    for numero, (_, pas) in enumerate(partie, premier):
        for mot in pas.split():
            if mot in TOUCHES:
                lignes += ["touche %d" % TOUCHES[mot], "attendre 12"]
            elif mot.startswith("tenir:"):
                _, touche, images = mot.split(":")
                lignes.append("tenir %s %s" % (touche, images))
            else:
                lignes.append("attendre " + mot[1:])
        lignes.append("capture %d" % numero)
    lignes.append("fin")
    return "\n".join(lignes) + "\n"


def tourner(source, sortie, langue, largeur, hauteur):
    dossier = os.path.join(sortie, "%s-%dx%d" % (langue, largeur, hauteur))
    shutil.rmtree(dossier, ignore_errors=True)
    os.makedirs(dossier)
    premier = 1
    for partie in TOUR:
        jouer(source, dossier, langue, largeur, hauteur, partie, premier)
        premier += len(partie)
    images = []
    for numero, (nom, _) in enumerate([e for partie in TOUR for e in partie], 1):
        ancien = os.path.join(dossier, "leapgrid-%d.png" % numero)
        nouveau = os.path.join(dossier, "%02d-%s.png" % (numero, nom))
        if os.path.exists(ancien):
            os.rename(ancien, nouveau)
            images.append(nouveau)
    if shutil.which("montage") and images:
        subprocess.run(["montage", *images, "-tile", "4x", "-geometry", "480x+2+2", dossier + ".png"], check=True)
    print(dossier, len(images), "frames")


def jouer(source, dossier, langue, largeur, hauteur, partie, premier):
    with tempfile.TemporaryDirectory() as tmp:
        jeu = os.path.join(tmp, "jeu")
        shutil.copytree(source, jeu, symlinks=True)
        for nom in ("Data/Options.dat", "Data/Clavier.dat"):
            if os.path.exists(os.path.join(jeu, nom)):
                os.remove(os.path.join(jeu, nom))
        for racine, _, fichiers in os.walk(os.path.join(jeu, "Niveaux")):
            for f in fichiers:
                if f in ("Scores.dat", "records.dat"):
                    os.remove(os.path.join(racine, f))
        shutil.rmtree(os.path.join(jeu, "Replays"), ignore_errors=True)
        with open(os.path.join(jeu, "Data/Options.dat"), "w") as f:
            f.write("%d\n%d\n1\n0\n2\n10\n1\n%s\n0\n3\n1\n1\n" % (largeur, hauteur, langue))
        with open(os.path.join(tmp, "tour.script"), "w") as f:
            f.write(script(partie, premier))
        env = dict(os.environ, HOME=tmp, XDG_CONFIG_HOME="", XDG_DATA_HOME="", SDL_AUDIODRIVER="dummy",
                   LEAPGRID_SCRIPT=os.path.join(tmp, "tour.script"), LEAPGRID_CAPTURES=dossier)
        # A display picked by xvfb-run -a can be taken by another Xvfb starting
        # at the same moment: the game then finds none, and is given another.
        for _ in range(8):
            r = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 2600x1600x24", "./leapgrid"], cwd=jeu,
                               env=env, capture_output=True, text=True)
            if "X11 display" not in r.stderr and "video device" not in r.stderr:
                break
            time.sleep(2)
        if r.returncode != 0:
            sys.stderr.write(r.stderr)
            raise SystemExit("tour-ecrans: the game failed in %s" % dossier)


def main():
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    source, sortie = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    for langue in LANGUES:
        for largeur, hauteur in FORMATS:
            tourner(source, sortie, langue, largeur, hauteur)


if __name__ == "__main__":
    main()
