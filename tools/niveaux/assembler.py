#!/usr/bin/env python3
"""Turns our level drawings into the game's level files.

Usage: assembler.py SERIES.txt OUTPUT_FOLDER
SERIES.txt holds levels one after the other; each starts with a line
"time SECONDS" and is drawn one character a cell, the far end (goal) first.
Lines starting with '# ' (a hash and a space) are comments: a drawn row
may start with a stone, '#', and is never taken for one. Level n is written as niveau<n>.dat.
The start cell 'S' must be where the game puts the player: the middle
column of the next-to-last row.
"""
import sys

CODES = {'.': 0, '#': 1, 'S': 1, '+': 2, 'x': 3, '^': 4, 'v': 5, '<': 6, '>': 7,
         '?': 8, 'L': 10, '=': 20, 'T': 30, 't': 31, 'G': 100}


def niveaux(texte):
    courant = None
    for ligne in texte.splitlines():
        if ligne.startswith('# ') or not ligne.strip():
            continue
        if ligne.startswith('time '):
            if courant:
                yield courant
            courant = (int(ligne.split()[1]), [])
        else:
            courant[1].append(ligne.rstrip())
    if courant:
        yield courant


def ecrire(numero, temps, lignes, dossier):
    largeur = max(len(l) for l in lignes)
    lignes = [l.ljust(largeur, '.') for l in lignes]
    hauteur = len(lignes)
    if largeur % 2 == 0:
        sys.exit(f'level {numero}: {largeur} columns; an odd width puts the start in the middle of a cell')
    depart = (hauteur - 2, (largeur + 1) // 2 - 1)  # row H-1, column (W+1)/2, from 0
    trouve = [(r, c) for r, l in enumerate(lignes) for c, ch in enumerate(l) if ch == 'S']
    if trouve != [depart]:
        sys.exit(f'level {numero}: start at {trouve}, the game starts at {depart}')
    with open(f'{dossier}/niveau{numero}.dat', 'w') as f:
        f.write(f'{temps} {hauteur} {largeur}\n')
        for l in lignes:
            f.write(' '.join(str(CODES[ch]) for ch in l) + '\n')


def main():
    with open(sys.argv[1]) as f:
        for n, (temps, lignes) in enumerate(niveaux(f.read()), 1):
            ecrire(n, temps, lignes, sys.argv[2])


main()
