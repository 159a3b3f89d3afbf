#!/usr/bin/env python3
"""Turns our level drawings into a series folder: the game's level files and serie.txt.

Usage: assembler.py SERIES.txt OUTPUT_FOLDER
SERIES.txt starts with the series' lines ("name en Easy", "about fr ...")
and then holds levels one after the other. Each level starts with a line
"time SECONDS", then its lines "title LANG text" and "lesson LANG text"
(English and French), an optional "fork C B", and is drawn one character a
cell, the far end (goal) first. With "fork C B" the one cell drawn C is the
level's fork cell (a cell only its fast route crosses) and holds the block
drawn B. Lines starting with '# ' (a hash and a space) are comments: a drawn
row may start with a stone, '#', and is never taken for one; a drawn row holds
no space. Level n is written as niveau<n>.dat, in play order in serie.txt.
The start cell 'S' must be where the game puts the player: the middle column
of the next-to-last row.
"""
import sys

CODES = {'.': 0, '#': 1, 'S': 1, '+': 2, 'x': 3, '^': 4, 'v': 5, '<': 6, '>': 7,
         '?': 8, 'L': 10, '=': 20, 'T': 30, 't': 31, 'G': 100}
TEXTES = ('title', 'lesson')
SERIE = ('name', 'about')


class Niveau:
    def __init__(self, temps):
        self.temps = temps
        self.textes = []      # (keyword, language, text) in the drawing's order
        self.fourche = None   # (drawn character, block character)
        self.lignes = []


def lire(texte):
    """The series' own lines and its levels, in order."""
    serie, niveaux = [], []
    for ligne in texte.splitlines():
        if ligne.startswith('# ') or not ligne.strip():
            continue
        mots = ligne.split(' ', 2)
        if mots[0] == 'time':
            niveaux.append(Niveau(int(mots[1])))
        elif mots[0] in SERIE and not niveaux:
            serie.append(ligne)
        elif mots[0] in TEXTES and niveaux:
            niveaux[-1].textes.append(ligne)
        elif mots[0] == 'fork' and niveaux:
            niveaux[-1].fourche = (mots[1], mots[2])
        elif ' ' in ligne or not niveaux:
            sys.exit(f'cannot place this line: {ligne!r}')
        else:
            niveaux[-1].lignes.append(ligne.rstrip())
    return serie, niveaux


def ecrire(numero, n, dossier):
    """Writes niveau<numero>.dat; returns the fork cell (row, column from 0) or None."""
    largeur = max(len(l) for l in n.lignes)
    lignes = [l.ljust(largeur, '.') for l in n.lignes]
    hauteur = len(lignes)
    if largeur % 2 == 0:
        sys.exit(f'level {numero}: {largeur} columns; an odd width puts the start in the middle of a cell')
    depart = (hauteur - 2, (largeur + 1) // 2 - 1)  # row H-1, column (W+1)/2, from 0
    trouve = [(r, c) for r, l in enumerate(lignes) for c, ch in enumerate(l) if ch == 'S']
    if trouve != [depart]:
        sys.exit(f'level {numero}: start at {trouve}, the game starts at {depart}')
    cellule = None
    if n.fourche:
        marque, bloc = n.fourche
        cellules = [(r, c) for r, l in enumerate(lignes) for c, ch in enumerate(l) if ch == marque]
        if len(cellules) != 1:
            sys.exit(f'level {numero}: the fork mark {marque!r} is drawn {len(cellules)} times')
        cellule = cellules[0]
        lignes = [l.replace(marque, bloc) for l in lignes]
    for t in n.textes:
        if len(t.split(' ', 2)[2].encode('utf-8')) > 200:
            sys.exit(f'level {numero}: longer than 200 bytes: {t!r}')
    for langue in ('en', 'fr'):
        for mot in TEXTES:
            if not any(t.startswith(f'{mot} {langue} ') for t in n.textes):
                sys.exit(f'level {numero}: no {mot} in {langue}')
    with open(f'{dossier}/niveau{numero}.dat', 'w') as f:
        f.write(f'{n.temps} {hauteur} {largeur}\n')
        for l in lignes:
            f.write(' '.join(str(CODES[ch]) for ch in l) + '\n')
    return cellule


def main():
    with open(sys.argv[1], encoding='utf-8') as f:
        serie, niveaux = lire(f.read())
    sortie = ['# Written by tools/niveaux/assembler.py from the drawings; edit those instead.'] + serie
    for numero, n in enumerate(niveaux, 1):
        cellule = ecrire(numero, n, sys.argv[2])
        sortie.append(f'level niveau{numero}.dat')
        sortie += n.textes
        if cellule:
            sortie.append(f'fork {cellule[0]} {cellule[1]}')
    with open(f'{sys.argv[2]}/serie.txt', 'w', encoding='utf-8', newline='\n') as f:
        f.write('\n'.join(sortie) + '\n')


main()
