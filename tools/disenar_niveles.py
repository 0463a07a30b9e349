#!/usr/bin/env python3
"""Designs the starting boards of Tumbla's levels.

Writes the cell list (the last field) of the designed records in
src/levels/niveles.txt and leaves every other character of the file alone:
CLA 4-6 get a little rubble, ROT 1-50, GOT 1-40, JUN 1-50 and POD 1-25 get
their blocks (POD keeps its plant root first). The five lists written by hand
(ROT 34, GOT 1, JUN 2, POD 9, POD 13) are kept as they are and serve as the
reference points of each type's difficulty ramp.

Every level is built from a family of shapes (bars, pillars, staircases,
pockets, arches, crosses, symmetric and scattered patterns, walls, combs,
caves...) that cycles with the level number, and from a difficulty that grows
with the number: more blocks, higher and deeper blocks, more covered holes.
Random choices come from a generator seeded with the level's type and number,
so running the tool again writes the same file.

    python3 tools/disenar_niveles.py            # rewrite the cell lists
    python3 tools/disenar_niveles.py --ver      # also draw every board
    python3 tools/disenar_niveles.py --comprobar  # fail if the file differs
"""

import os
import random
import sys

SEMILLA = 1977
ANCHO = 13          # board cells per row, walls included
FILAS = 24          # playable rows 0..23
CUADRADO = 13       # first row of the square board
COLS = range(1, 12)  # playable columns

RUTA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "levels", "niveles.txt")
COLUMNA_LISTA = 54  # 0-based start of the cell list field

# Lists written by hand: kept verbatim.
FIJAS = {("ROT", 34), ("GOT", 1), ("JUN", 2), ("POD", 9), ("POD", 13)}


def indice(f, c):
    return f * ANCHO + c


def fila_col(i):
    return divmod(i, ANCHO)


def en_cuadrado(i, j):
    """Board cell of square row i (0 = top) and column j (0 = left)."""
    return indice(CUADRADO + i, 1 + j)


# Cells a piece occupies right after it enters, and below it: a block there
# in the top four rows of the square would catch the first piece too high.
CARRIL = range(4, 9)


def en_carril_alto(celda):
    f, c = fila_col(celda)
    return c in CARRIL and CUADRADO <= f <= 16


# ---------------------------------------------------------------------------
# Board checks shared by the designers.

def filas_llenas(ocupadas):
    llenas = []
    for f in range(FILAS):
        if all(indice(f, c) in ocupadas for c in COLS):
            llenas.append(f)
    return llenas


def abierta(celda, ocupadas):
    """Nothing occupied above the cell in its column."""
    f, c = fila_col(celda)
    return all(indice(g, c) not in ocupadas for g in range(f))


def alcanzables(ocupadas, desliz=2):
    """Free cells a piece can reach: falling straight down, or moving at most
    `desliz` cells sideways under a cover."""
    vistas = {}
    pila = []
    for c in COLS:
        if indice(0, c) not in ocupadas:
            pila.append((indice(0, c), 0))
    while pila:
        celda, t = pila.pop()
        if celda in vistas and vistas[celda] <= t:
            continue
        vistas[celda] = t
        f, c = fila_col(celda)
        if f + 1 < FILAS and indice(f + 1, c) not in ocupadas:
            abajo = indice(f + 1, c)
            pila.append((abajo, 0 if abierta(abajo, ocupadas) else t))
        for d in (-1, 1):
            if c + d in COLS and indice(f, c + d) not in ocupadas:
                lado = indice(f, c + d)
                t2 = 0 if abierta(lado, ocupadas) else t + 1
                if t2 <= desliz:
                    pila.append((lado, t2))
    return set(vistas)


def reposo(celda, ocupadas):
    """Where a drop starting at `celda` comes to rest."""
    while celda + ANCHO < indice(FILAS, 0) and celda + ANCHO not in ocupadas:
        celda += ANCHO
    return celda


def girar_cuadrado(celdas, veces):
    """Quarter turns of square cells, counter-clockwise like the key 3."""
    r = set(celdas)
    for _ in range(veces % 4):
        nuevo = set()
        for x in r:
            f, c = fila_col(x)
            i, j = f - CUADRADO, c - 1
            nuevo.add(en_cuadrado(10 - j, i))
        r = nuevo
    return r


def espejo_cuadrado(celdas):
    r = set()
    for x in celdas:
        f, c = fila_col(x)
        r.add(indice(f, 12 - c))
    return r


def altura_minima(celdas):
    """Over the four turns of the square, the least height (rows above the
    floor) that its highest block reaches: how far a player has to build up
    to reach every block."""
    mejor = 99
    for v in range(4):
        g = girar_cuadrado(celdas, v)
        mejor = min(mejor, max(23 - fila_col(x)[0] for x in g))
    return mejor


def dibujar(ocupadas, marcas, desde=0):
    lineas = []
    for f in range(desde, FILAS):
        s = ""
        for c in COLS:
            x = indice(f, c)
            s += marcas.get(x, "#" if x in ocupadas else ".")
        lineas.append("%2d %s" % (f, s))
    return "\n".join(lineas)


# ---------------------------------------------------------------------------
# Shapes, as (row offset, column offset) with rows growing downwards; the
# anchor is the shape's lowest-left cell.

FORMAS = {
    "barra": lambda n: [(0, k) for k in range(n)],
    "rota": lambda n: [(0, 2 * k) for k in range(n)],
    "pilar": lambda n: [(-k, 0) for k in range(n)],
    "escalon": lambda n: [(-k, k) for k in range(n)],
    "ele": lambda n: [(0, 0), (0, 1)] + [(-k, 0) for k in range(1, n - 1)],
    "copa": lambda n: [(0, 0), (0, 1), (0, 2), (-1, 0), (-1, 2)] + [(-2, 0), (-2, 2)][: max(0, n - 5)],
    "arco": lambda n: [(0, 0), (-1, 0), (-1, 1), (-1, 2), (0, 2)][:n],
    "cruz": lambda n: [(0, 1), (-1, 0), (-1, 1), (-1, 2), (-2, 1)][:n],
    "te": lambda n: [(0, 1), (-1, 0), (-1, 1), (-1, 2)][:n],
    "zeta": lambda n: [(0, 0), (0, 1), (-1, 1), (-1, 2), (-2, 2), (-2, 3)][:n],
    "rombo": lambda n: [(0, 1), (-1, 0), (-1, 2), (-2, 1)][:n],
    "damero": lambda n: [(-(k % 2), k) for k in range(n)],
}


def forma(nombre, n, fila, col):
    return [(fila + a, col + b) for a, b in FORMAS[nombre](n)[:n]]


# ---------------------------------------------------------------------------
# CLA: a little rubble on the floor of the classic board.

def disenar_cla(n, rng):
    dibujos = {
        4: ["##...#...##"],
        5: ["..#....#...",
            "#.##..##..#"],
        6: [".....#.....",
            "#...##...#.",
            "##.###..##."],
    }
    filas = dibujos[n]
    celdas = []
    base = FILAS - len(filas)
    for k, texto in enumerate(filas):
        for c, ch in enumerate(texto, start=1):
            if ch == "#":
                celdas.append(indice(base + k, c))
    return celdas


# ---------------------------------------------------------------------------
# ROT: neutral blocks on the square board. They never fall; the player turns
# the square to bring them down and clears them with rows. Difficulty: how
# many, and how high they stay in the best turn of the square.

FAMILIAS_ROT = ["barra", "pilar", "escalon", "ele", "copa", "disperso", "arco", "cruz",
                "simetrico", "rota"]


def objetivo_rot(n):
    """Blocks, and the least and most height they may keep in the best turn
    of the square."""
    if n <= 33:
        return 2 + round(5 * (n - 1) / 32), round(4 * (n - 1) / 32), 1 + round(6 * (n - 1) / 32)
    return 6 + round(6 * (n - 35) / 15), 5 + round(2 * (n - 35) / 15), 6 + round(3 * (n - 35) / 15)


def pieza_rot(familia, falta, alto, celdas, rng):
    """One shape of the family, within `alto` rows above the floor, or None."""
    minimo = 10 - alto  # highest square row allowed
    if familia == "disperso":
        usadas_f = {i for i, _ in celdas}
        usadas_c = {j for _, j in celdas}
        filas = [i for i in range(minimo, 11) if i not in usadas_f]
        cols = [j for j in range(11) if j not in usadas_c]
        m = min(falta, len(filas), len(cols))
        if m == 0:
            return None
        return list(zip(rng.sample(filas, m), rng.sample(cols, m)))
    if familia == "simetrico":
        i, j = rng.randint(max(minimo, 5), 10), rng.randint(0, 4)
        nuevas = [(i, j), (i, 10 - j)]
        if falta >= 4 and minimo <= 10 - i:
            nuevas += [(10 - i, j), (10 - i, 10 - j)]
        return nuevas
    if familia == "rota":
        largo = min(falta, 5)
        return forma("rota", largo, rng.randint(minimo, 10), rng.randint(0, 10 - 2 * (largo - 1)))
    largo = min(falta, {"pilar": min(alto + 1, 5), "copa": 7, "arco": 5, "cruz": 5, "te": 4,
                        "ele": min(alto + 2, 5)}.get(familia, 5))
    base = forma(familia, largo, 0, 0)
    alto_f = -min(a for a, _ in base)
    ancho_f = max(b for _, b in base)
    if alto_f > alto:
        return None
    return forma(familia, largo, rng.randint(minimo + alto_f, 10), rng.randint(0, 10 - ancho_f))


def figura_rot(familias, k, alto, rng):
    """Square cells (i, j): shapes of the families in turn until k blocks."""
    celdas = set()
    intentos = 0
    while len(celdas) < k and intentos < 200:
        intentos += 1
        falta = k - len(celdas)
        # The level's own family first, then the others share what is left.
        parte = 0 if len(celdas) < max(2, (k * 3) // 5) else min(len(familias) - 1, 1 + (len(celdas) >= k - 1))
        nuevas = pieza_rot(familias[parte], falta, alto, celdas, rng)
        if not nuevas:
            continue
        if any(not (0 <= i <= 10 and 0 <= j <= 10) or (i, j) in celdas for i, j in nuevas):
            continue
        if len(celdas) + len(nuevas) > k + 1:
            continue
        celdas.update(nuevas)
    return {en_cuadrado(i, j) for i, j in celdas}


def disenar_rot(n, rng):
    k, bajo, alto = objetivo_rot(n)
    familias = [FAMILIAS_ROT[(n - 1) % len(FAMILIAS_ROT)]]
    if n >= 18:
        familias.append(FAMILIAS_ROT[(n + 3) % len(FAMILIAS_ROT)])
    if n >= 30:
        familias.append("disperso")
    for _ in range(3000):
        celdas = figura_rot(familias, k, alto, rng)
        if abs(len(celdas) - k) > 1:
            continue
        if n > 8:
            celdas = girar_cuadrado(celdas, rng.randint(0, 3))
            if rng.random() < 0.5:
                celdas = espejo_cuadrado(celdas)
        if any(en_carril_alto(x) for x in celdas):
            continue
        if filas_llenas(celdas):
            continue
        cols = {}
        for x in celdas:
            cols[x % ANCHO] = cols.get(x % ANCHO, 0) + 1
        if max(cols.values()) > 6:
            continue
        if not bajo <= altura_minima(celdas) <= alto:
            continue
        return sorted(celdas)
    raise SystemExit("ROT %d: no design fits" % n)


# ---------------------------------------------------------------------------
# GOT: rubble the blue drop has to be dug out of. The drop rests on a column
# of blocks; every row removed under it takes one of them away. Difficulty:
# how many blocks, how deep the column, how many covered holes.

FAMILIAS_GOT = ["pilar", "escalera", "copa", "muro", "peine", "voladizo", "piramide", "cueva"]


def objetivo_got(n):
    k = round(6 + 62 * (n - 2) / 38)
    hondo = 1 + round(6 * (n - 2) / 38)
    return k, hondo


def disenar_got(n, gota, rng):
    k, hondo = objetivo_got(n)
    familia = FAMILIAS_GOT[(n - 2) % len(FAMILIAS_GOT)]
    f0, c0 = fila_col(gota)
    for _ in range(400):
        celdas = terreno_got(familia, k, hondo, f0, c0, rng)
        if celdas is None:
            continue
        celdas = reparar_got(celdas, gota, k, rng)
        if celdas is None:
            continue
        return sorted(celdas)
    raise SystemExit("GOT %d: no design fits" % n)


def columna_bajo(gota, celdas):
    """Rest cell of the drop and the number of blocks under it."""
    r = reposo(gota, celdas)
    f, c = fila_col(r)
    return r, sum(1 for g in range(f + 1, FILAS) if indice(g, c) in celdas)


def terreno_got(familia, k, hondo, f0, c0, rng):
    # Rows left under the drop's cell decide how deep its column can be.
    hondo = min(hondo, FILAS - 1 - f0)
    # Row where the drop will rest: its column holds `hondo` blocks below.
    descanso = rng.randint(f0, FILAS - 1 - hondo)
    if familia in ("copa", "cueva", "voladizo") and descanso > f0 + 3:
        descanso = max(f0, FILAS - 1 - hondo - rng.randint(0, 2))
    celdas = {indice(g, c0) for g in range(descanso + 1, descanso + 1 + hondo)}
    # Below the column: mostly solid for small depths, air for a plunge.
    if rng.random() < 0.35:
        for g in range(descanso + 1 + hondo, FILAS):
            celdas.discard(indice(g, c0))
    sup = descanso + 1  # top row of the rubble next to the drop

    def poner(f, c):
        if 0 <= f < FILAS and c in COLS and not (c == c0 and f <= descanso):
            celdas.add(indice(f, c))

    lejos = [c for c in COLS if c != c0]
    if familia == "pilar":
        for c in lejos:
            h = rng.randint(0, max(1, (FILAS - sup) // 2))
            for g in range(FILAS - h, FILAS):
                if rng.random() < 0.8:
                    poner(g, c)
    elif familia == "escalera":
        paso = rng.choice((1, 2))
        for c in lejos:
            h = max(0, (FILAS - sup) - abs(c - c0) // paso)
            for g in range(FILAS - h, FILAS):
                poner(g, c)
    elif familia == "copa":
        for d in (-1, 1):
            for ancho in (1, 2):
                c = c0 + d * ancho
                for g in range(max(CUADRADO, sup - 2 - (ancho - 1)), FILAS):
                    if rng.random() < 0.85:
                        poner(g, c)
        for c in lejos:
            for g in range(FILAS - rng.randint(0, 3), FILAS):
                poner(g, c)
    elif familia == "muro":
        for g in range(sup, FILAS):
            huecos = set(rng.sample(lejos, rng.randint(2, 4)))
            for c in lejos:
                if c not in huecos:
                    poner(g, c)
    elif familia == "peine":
        fase = rng.randint(0, 1)
        for c in lejos:
            if (c + fase) % 2 == 0:
                for g in range(max(CUADRADO, sup - rng.randint(0, 3)), FILAS):
                    poner(g, c)
            else:
                for g in range(FILAS - rng.randint(0, 2), FILAS):
                    poner(g, c)
    elif familia == "voladizo":
        g = sup
        while g < FILAS:
            desde = rng.randint(1, 6)
            for c in range(desde, min(12, desde + rng.randint(3, 6))):
                poner(g, c)
            g += rng.randint(2, 3)
        for c in lejos:
            for g in range(FILAS - rng.randint(0, 2), FILAS):
                poner(g, c)
    elif familia == "piramide":
        centro = rng.choice([c for c in COLS if abs(c - c0) <= 3])
        for c in COLS:
            h = max(0, (FILAS - sup) + 1 - abs(c - centro))
            for g in range(FILAS - h, FILAS):
                if rng.random() < 0.9:
                    poner(g, c)
    elif familia == "cueva":
        techo = max(3, descanso - rng.randint(2, 4))
        for c in range(max(1, c0 - 3), min(12, c0 + 4)):
            if c != c0 or rng.random() < 0.5:
                poner(techo, c)
        for d in (-3, 3):
            for g in range(techo, FILAS):
                if rng.random() < 0.8:
                    poner(g, c0 + d)
        for c in lejos:
            for g in range(FILAS - rng.randint(1, 3), FILAS):
                poner(g, c)
        celdas.discard(indice(techo, c0))
    return celdas


def pozo_hondo(ocupadas, c0, hondo=4):
    """The lowest cell of a well one column wide and more than `hondo` rows
    deep (outside the drop's column), or None."""
    for c in COLS:
        if c == c0:
            continue
        racha = []
        for f in range(FILAS):
            x = indice(f, c)
            cerrado = all(not (c + d in COLS) or indice(f, c + d) in ocupadas for d in (-1, 1))
            if x not in ocupadas and cerrado:
                racha.append(x)
                if len(racha) > hondo and (f + 1 == FILAS or indice(f + 1, c) in ocupadas):
                    return racha[-1]
            else:
                if len(racha) > hondo:
                    return racha[-1]
                racha = []
    return None


def reparar_got(celdas, gota, k, rng):
    f0, c0 = fila_col(gota)
    celdas = set(celdas)
    celdas.discard(gota)
    descanso, hondo = columna_bajo(gota, celdas)
    if hondo == 0:
        return None
    fd = fila_col(descanso)[0]
    protegidas = {indice(g, c0) for g in range(fd + 1, FILAS)}

    def aire(x):
        # Free cells of the drop's column under it: it falls through them.
        return x in protegidas

    def ajustar():
        for _ in range(400):
            ocup = celdas | {descanso}
            llenas = filas_llenas(ocup)
            if llenas:
                fila = rng.choice(llenas)
                candidatas = [indice(fila, c) for c in COLS if indice(fila, c) in celdas and c != c0]
                celdas.discard(rng.choice(candidatas))
                continue
            alc = alcanzables(ocup)
            tope = min(fila_col(x)[0] for x in ocup)
            encerradas = [indice(f, c) for f in range(tope, FILAS) for c in COLS
                          if indice(f, c) not in ocup and indice(f, c) not in alc
                          and not aire(indice(f, c))]
            if not encerradas:
                pozo = pozo_hondo(ocup, c0)
                if pozo is None:
                    return True
                # Only a straight piece fits a deep, narrow well: it is
                # made shallower, or wider.
                f, c = fila_col(pozo)
                if sum(1 for cc in COLS if indice(f, cc) in ocup) < 10:
                    celdas.add(pozo)
                else:
                    lados = [indice(f, c + d) for d in (-1, 1)
                             if c + d in COLS and c + d != c0 and indice(f, c + d) in celdas]
                    if not lados:
                        return False
                    celdas.discard(rng.choice(lados))
                continue
            x = rng.choice(encerradas)
            f, c = fila_col(x)
            fila_casi = sum(1 for cc in COLS if indice(f, cc) in ocup) >= 10
            if fila_casi or rng.random() < 0.5:
                # Open it: take away the block that covers it.
                tapa = next(indice(g, c) for g in range(f - 1, -1, -1) if indice(g, c) in ocup)
                if tapa == descanso or tapa in protegidas:
                    return False
                celdas.discard(tapa)
            else:
                celdas.add(x)
        return False

    if not ajustar():
        return None
    # Bring the count to the target with rubble the player can still reach.
    for _ in range(400):
        if abs(len(celdas) - k) <= 1:
            break
        ocup = celdas | {descanso}
        if len(celdas) > k:
            libres = [x for x in celdas if x not in protegidas and abierta(x, ocup)]
            if not libres:
                return None
            celdas.discard(rng.choice(libres))
        else:
            # Rubble piles up from the floor; around a low drop it rises
            # above it, so the drop lies in a pit.
            tope = min(fd - 1, FILAS - -(-k // 7))
            opciones = [indice(f, c) for f in range(max(CUADRADO, tope), FILAS) for c in COLS
                        if indice(f, c) not in ocup and not aire(indice(f, c))
                        and not (c == c0 and f <= fd)
                        and indice(f + 1, c) in ocup | {indice(FILAS, c)}]
            if not opciones:
                return None
            celdas.add(rng.choice(opciones))
        if not ajustar():
            return None
    if abs(len(celdas) - k) > 1 or len(celdas) > 80:
        return None
    if columna_bajo(gota, celdas) != (descanso, hondo):
        return None
    return celdas


# ---------------------------------------------------------------------------
# JUN: blocks around the pink drop on the square board. The blue drop has to
# be brought beside it (turning the square, clearing rows under it) and both
# taken with one row. Difficulty: how many blocks and how they fence the pink
# drop in.

FAMILIAS_JUN = ["cuna", "repisa", "techo", "jaula", "embudo", "pilares", "deflectores", "laberinto"]


def objetivo_jun(n):
    return round(3 + 11 * (n - 1) / 49)


def vecinas_cuadrado(i, j):
    return [(i + a, j + b) for a, b in ((-1, 0), (1, 0), (0, -1), (0, 1))
            if 0 <= i + a <= 10 and 0 <= j + b <= 10]


def figura_jun(familia, k, pi, pj, rng):
    celdas = set()

    def poner(i, j):
        if 0 <= i <= 10 and 0 <= j <= 10:
            celdas.add((i, j))

    if familia in ("cuna", "laberinto"):
        for a, b in rng.sample([(-1, -1), (-1, 1), (1, -1), (1, 1)], 3 if familia == "cuna" else 2):
            poner(pi + a, pj + b)
            if rng.random() < 0.5:
                poner(pi + 2 * a, pj + 2 * b)
    if familia == "repisa":
        lado = rng.choice((-1, 1))
        for d in range(1, rng.randint(3, 5)):
            poner(pi + 1, pj + lado * d)
        poner(pi - 1, pj - lado)
    if familia in ("techo", "laberinto"):
        fila = pi - 2 if pi >= 2 else pi + 2
        hueco = pj + rng.choice((-2, 2))
        for j in range(pj - 3, pj + 4):
            if j != hueco:
                poner(fila, j)
    if familia == "jaula":
        lados = rng.sample(vecinas_cuadrado(pi, pj), 2)
        for i, j in lados:
            poner(i, j)
        for a, b in ((-1, -1), (-1, 1), (1, -1), (1, 1)):
            if rng.random() < 0.6:
                poner(pi + a, pj + b)
    if familia == "embudo":
        fila = rng.randint(4, 8)
        for d in range(1, 5):
            poner(fila - d + 1, 5 - d)
            poner(fila - d + 1, 5 + d)
    if familia == "pilares":
        for j in rng.sample(range(11), 3):
            alto = rng.randint(2, 4)
            for i in range(10, 10 - alto, -1):
                poner(i, j)
    guard = 0
    while len(celdas) < k and guard < 500:
        guard += 1
        if familia in ("deflectores", "laberinto", "pilares"):
            i, j = rng.randint(2, 10), rng.randint(0, 9)
            largo = rng.randint(2, 3)
            if rng.random() < 0.5:
                for d in range(largo):
                    poner(i - d, j + d)
            else:
                for d in range(largo):
                    poner(i, j + d)
        else:
            i, j = rng.randint(0, 10), rng.randint(0, 10)
            if abs(i - pi) + abs(j - pj) <= 4:
                poner(i, j)
    while len(celdas) > k:
        celdas.discard(rng.choice(sorted(celdas)))
    return celdas


def disenar_jun(n, azul, rosa, rng):
    k = objetivo_jun(n)
    pf, pc = fila_col(rosa)
    pi, pj = pf - CUADRADO, pc - 1
    for intento in range(12000):
        # When the level's own family cannot fence this pink drop in (too
        # close to the top of the square), the next one is tried.
        familia = FAMILIAS_JUN[(n - 1 + intento // 750) % len(FAMILIAS_JUN)]
        forma_j = figura_jun(familia, k, pi, pj, rng)
        bf, bc = fila_col(azul)
        bi, bj = bf - CUADRADO, bc - 1
        if bj == pj and bi < pi and rng.random() < 0.8:
            # The blue drop would fall onto the pink one: a ledge on the
            # way holds it up.
            filas = [i for i in range(bi + 1, pi - 1) if i >= 4 or not 3 <= bj <= 7]
            if filas:
                i = rng.choice(filas)
                desde = bj - rng.randint(0, 2)
                forma_j |= {(i, j) for j in range(max(0, desde), min(11, desde + 3))}
        celdas = {en_cuadrado(i, j) for i, j in forma_j} - {azul, rosa}
        if abs(len(celdas) - k) > 1:
            continue
        if any(en_carril_alto(x) for x in celdas):
            continue
        ocup = celdas | {rosa}
        libres = [v for v in vecinas_cuadrado(pi, pj) if en_cuadrado(*v) not in ocup]
        if len(libres) < 2:
            continue
        r = reposo(azul, ocup)
        fr, cr = fila_col(r)
        if abs(r - rosa) == 1:
            continue  # the drops would start side by side
        if r == rosa - ANCHO and intento < 6000:
            continue  # stacked: only when nothing else fits
        if en_carril_alto(r) and r != rosa - ANCHO:
            continue  # held up high in the way of the entering pieces
        if filas_llenas(ocup | {r}):
            continue
        # Rest somewhere above the floor only when a block holds it there.
        return sorted(celdas)
    raise SystemExit("JUN %d: no design fits" % n)


# ---------------------------------------------------------------------------
# POD: blocks around the plant. The pot's row has to be filled while the
# plant climbs; covered cells of that row, ledges and roofs that steer the
# plant and blocks high in the square make it harder.

FAMILIAS_POD = ["suelo", "repisa", "escalera", "techo", "pilares", "copa", "arcos", "zigzag"]


def objetivo_pod(n):
    if n <= 8:
        return 1 + round(4 * (n - 1) / 7)
    if n <= 12:
        return 5 + round(5 * (n - 9) / 3)
    return round(11 + 13 * (n - 13) / 12)


def disenar_pod(n, raiz, rng):
    k = objetivo_pod(n)
    # Rubble on the pot's row only helps the player: after the first level
    # the families build above it.
    max_suelo = 3 if n <= 8 else 2 if n <= 16 else 1
    min_tapadas = min(4, n // 6)
    flor = raiz - ANCHO
    _, cr = fila_col(raiz)
    for intento in range(8000):
        # When the level's own family does not fit around this pot, the
        # next one is tried.
        familia = FAMILIAS_POD[0] if n == 1 else \
            FAMILIAS_POD[1 + (n - 2 + intento // 1000) % (len(FAMILIAS_POD) - 1)]
        celdas = set()

        def poner(f, c):
            if CUADRADO <= f < FILAS and c in COLS:
                celdas.add(indice(f, c))

        lado = 1 if cr <= 6 else -1  # towards the wider side
        if familia == "suelo":
            for c in rng.sample([c for c in COLS if abs(c - cr) > 1], min(k, 6)):
                poner(23, c)
        elif familia == "repisa":
            fila = rng.choice((21, 22))
            inicio = cr + lado * rng.randint(2, 3)
            for d in range(rng.randint(3, 5)):
                poner(fila, inicio + lado * d)
        elif familia == "escalera":
            c = cr + lado * rng.randint(1, 2)
            f = 22
            while CUADRADO <= f and c in COLS:
                poner(f, c)
                if rng.random() < 0.5:
                    poner(f, c + lado)
                c += lado * 2
                f -= rng.randint(1, 2)
        elif familia == "techo":
            fila = rng.randint(17, 19)
            for c in range(cr - 2, cr + 3):
                if c != cr + lado * rng.choice((1, 2)):
                    poner(fila, c)
        elif familia == "pilares":
            for c in rng.sample([c for c in COLS if abs(c - cr) > 1], 3):
                for f in range(23, 23 - rng.randint(2, 5), -1):
                    poner(f, c)
        elif familia == "copa":
            for d in (-2, 2):
                for f in range(22 - rng.randint(1, 3), 24):
                    poner(f, cr + d)
            poner(23, cr - 1) if rng.random() < 0.5 else poner(23, cr + 1)
        elif familia == "arcos":
            c = rng.randint(1, 3)
            while c + 2 <= 11:
                f = rng.choice((21, 22))
                for a, b in FORMAS["arco"](5):
                    if abs(c + b - cr) > 0:
                        poner(f + 1 + a, c + b)
                c += rng.randint(4, 5)
        elif familia == "zigzag":
            f = rng.randint(18, 21)
            hueco = rng.randint(1, 3)
            for c in COLS:
                if abs(c - cr) > 1 and (c + hueco) % 4 != 0:
                    poner(f - (c % 2), c)
        # Bring the count to the target with rubble on the floor rows and
        # ledges higher up.
        guard = 0
        while len(celdas) < k and guard < 300:
            guard += 1
            f = rng.choice((22, 21, 21, 20, 19, 18, 17))
            c = rng.choice(list(COLS))
            for d in range(min(k - len(celdas), rng.randint(1, 3))):
                if c + d != cr:
                    poner(f, c + d)
        while len(celdas) > k:
            celdas.discard(rng.choice(sorted(celdas)))
        celdas -= {raiz, flor, flor - ANCHO}
        # A pot one column from the wall leaves a one-wide well between the
        # stem and the wall, which only the long bar fills: it gets rubble.
        if cr in (2, 10):
            celdas.add(indice(23, 1 if cr == 2 else 11))
        if abs(len(celdas) - k) > 1:
            continue
        if any(en_carril_alto(x) for x in celdas):
            continue
        ocup = celdas | {raiz, flor}
        if filas_llenas(ocup):
            continue
        alc = alcanzables(ocup)
        fila_maceta = [indice(23, c) for c in COLS if indice(23, c) not in ocup]
        if any(x not in alc for x in fila_maceta):
            continue
        if 10 - len(fila_maceta) > max_suelo:
            continue
        if sum(1 for x in fila_maceta if not abierta(x, ocup)) < min_tapadas:
            continue
        if len(espacio_planta(flor, ocup)) < 10:
            continue
        lista = [raiz] + sorted(celdas)
        return lista
    raise SystemExit("POD %d: no design fits" % n)


def espacio_planta(flor, ocupadas):
    """Free cells the plant can grow into from its flower: up, left, right."""
    vistas = set()
    pila = [flor]
    while pila:
        x = pila.pop()
        f, c = fila_col(x)
        for y in (x - ANCHO, x - 1, x + 1):
            fy, cy = fila_col(y)
            if fy >= CUADRADO and cy in COLS and y not in ocupadas and y not in vistas:
                vistas.add(y)
                pila.append(y)
    return vistas


# ---------------------------------------------------------------------------

def leer_registros(lineas):
    registros = []
    for k, linea in enumerate(lineas):
        if not linea.strip() or linea.startswith("#"):
            continue
        tipo = linea[0:5].strip()
        numero = int(linea[5:10])
        gota = int(linea[36:43])
        rosa = int(linea[43:54])
        celdas = linea[COLUMNA_LISTA:].rstrip("\n")
        registros.append((k, tipo, numero, gota, rosa, celdas))
    return registros


# The variant of each board the computer player chose (tools/elegir_niveles.py
# measures them): "TIPO NUMERO VARIANTE" lines; a board not listed is
# variant 0.
RUTA_VARIANTES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "variantes_niveles.txt")


def leer_variantes():
    variantes = {}
    if os.path.exists(RUTA_VARIANTES):
        with open(RUTA_VARIANTES, encoding="utf-8") as f:
            for linea in f:
                partes = linea.split("#")[0].split()
                if len(partes) == 3:
                    variantes[(partes[0], int(partes[1]))] = int(partes[2])
    return variantes


def generador(tipo, numero, variante=0):
    semilla = "%s-%d-%d" % (tipo, numero, SEMILLA)
    return random.Random(semilla if variante == 0 else "%s-v%d" % (semilla, variante))


def disenar(tipo, numero, gota, rosa, celdas, variante=None):
    if variante is None:
        variante = leer_variantes().get((tipo, numero), 0)
    rng = generador(tipo, numero, variante)
    if (tipo, numero) in FIJAS:
        return None
    if tipo == "CLA" and 4 <= numero <= 6:
        return disenar_cla(numero, rng)
    if tipo == "ROT":
        return disenar_rot(numero, rng)
    if tipo == "GOT":
        return disenar_got(numero, gota, rng)
    if tipo == "JUN":
        return disenar_jun(numero, gota, rosa, rng)
    if tipo == "POD":
        raiz = int(celdas[0:3])
        return disenar_pod(numero, raiz, rng)
    return None


def main(argv):
    ver = "--ver" in argv
    comprobar = "--comprobar" in argv
    with open(RUTA, encoding="utf-8") as f:
        lineas = f.readlines()
    nuevas = list(lineas)
    for k, tipo, numero, gota, rosa, celdas in leer_registros(lineas):
        lista = disenar(tipo, numero, gota, rosa, celdas)
        if lista is not None:
            texto = "".join("%03d" % x for x in lista)
            nuevas[k] = lineas[k][:COLUMNA_LISTA] + texto + "\n"
        if ver and (lista is not None or (tipo, numero) in FIJAS):
            if lista is None:
                lista = [int(celdas[p:p + 3]) for p in range(0, len(celdas), 3)]
            mostrar(tipo, numero, gota, rosa, lista)
    if comprobar:
        if nuevas != lineas:
            print("niveles.txt differs from what the tool designs")
            return 1
        return 0
    with open(RUTA, "w", encoding="utf-8") as f:
        f.writelines(nuevas)
    return 0


def mostrar(tipo, numero, gota, rosa, lista):
    marcas = {}
    ocup = set(lista)
    nota = "%d blocks" % len(lista)
    if tipo == "POD":
        marcas[lista[0]] = "m"
        marcas[lista[0] - ANCHO] = "w"
        ocup = set(lista[1:])
        nota = "%d blocks" % len(ocup)
    if tipo in ("GOT", "JUN") and gota:
        if rosa:
            marcas[rosa] = "r"
        r = reposo(gota, ocup | ({rosa} if rosa else set()))
        marcas[gota] = "b"
        if r != gota:
            marcas[r] = "B"
    if tipo == "GOT":
        r, hondo = columna_bajo(gota, ocup)
        nota += ", column %d" % hondo
    if tipo == "ROT":
        nota += ", height %d" % altura_minima(ocup)
    desde = CUADRADO if tipo in ("ROT", "JUN", "POD") else min([fila_col(x)[0] for x in ocup | set(marcas)] + [18])
    print("%s %d: %s" % (tipo, numero, nota))
    print(dibujar(ocup, marcas, desde))
    print()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
