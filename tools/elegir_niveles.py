#!/usr/bin/env python3
"""Chooses, among the variants the design tool can draw for a starting board,
one that the computer player wins as often as the level's place in the
difficulty ramp asks, and writes the choice to tools/variantes_niveles.txt.

    python3 tools/elegir_niveles.py build/tumbla-autoplay POD [NUMERO...]

For each board it tries variants 0, 1, 2... and plays each with
tumbla-autoplay (--registros, 20 seeds at full speed, 10 at a person's
pace). A board is taken when its wins at full speed fall in the band of its
number and it is still won now and then at a person's pace. Afterwards,
`python3 tools/disenar_niveles.py` writes the chosen boards.
"""

import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import disenar_niveles as d  # noqa: E402

RAIZ = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
SEMILLAS = 20
SEMILLAS_PERSONA = 10
VARIANTES = 60


def secuencia():
    texto = open(os.path.join(RAIZ, "src", "levels", "Niveles.cpp"), encoding="utf-8").read()
    inicio = texto.index("kRachasSecuencia")
    rachas = "".join(re.findall(r'"([^"]*)"', texto[inicio:texto.index(";\n", inicio)]))
    claves = []
    for racha in rachas.split(";"):
        racha = racha.strip()
        if not racha:
            continue
        grupo, numeros = racha.split()
        desde, _, hasta = numeros.partition("-")
        for n in range(int(desde), int(hasta or desde) + 1):
            claves.append((grupo, n))
    return claves


GRUPO = {"POD": "PODAT", "JUN": "JUNTA", "GOT": "GOTEA", "ROT": "ROTA7"}


def objetivo(tipo, n):
    """Share of games the board should be won in at full speed: nearly all
    for the first, four in five for the last."""
    ultimo = {"POD": 25, "JUN": 50, "GOT": 40, "ROT": 50}[tipo]
    return 0.98 - 0.18 * (n - 1) / (ultimo - 1)


def ganadas(autoplay, registros, posicion, semillas, persona):
    orden = [autoplay, "--registros", registros, "--posicion", str(posicion),
             "--semillas", str(semillas)] + (["--persona"] if persona else [])
    salida = subprocess.run(orden, capture_output=True, text=True, check=True).stdout
    for linea in salida.splitlines():
        partes = linea.split()
        if partes and partes[0] == str(posicion):
            return int(partes[3].split("/")[0])
    raise SystemExit("no result for position %d" % posicion)


def main(argv):
    if len(argv) < 2:
        raise SystemExit(__doc__)
    autoplay, tipo = argv[0], argv[1]
    pedidos = {int(n) for n in argv[2:]}
    lineas = open(d.RUTA, encoding="utf-8").readlines()
    registros = d.leer_registros(lineas)
    posiciones = {clave: p + 1 for p, clave in enumerate(secuencia())}
    variantes = d.leer_variantes()
    for k, t, numero, gota, rosa, celdas in registros:
        if t != tipo or (t, numero) in d.FIJAS or (pedidos and numero not in pedidos):
            continue
        meta = objetivo(t, numero)
        posicion = posiciones[(GRUPO[t], numero)]
        mejor = None
        for v in range(VARIANTES):
            try:
                lista = d.disenar(t, numero, gota, rosa, celdas, variante=v)
            except SystemExit:
                continue
            nuevas = list(lineas)
            nuevas[k] = lineas[k][:d.COLUMNA_LISTA] + "".join("%03d" % x for x in lista) + "\n"
            with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as f:
                f.writelines(nuevas)
            try:
                rapido = ganadas(autoplay, f.name, posicion, SEMILLAS, False) / SEMILLAS
                persona = ganadas(autoplay, f.name, posicion, SEMILLAS_PERSONA, True) / SEMILLAS_PERSONA
            finally:
                os.unlink(f.name)
            distancia = abs(rapido - meta) + (0.5 if persona < 0.3 else 0)
            print("%s %d variant %d: %.2f at full speed, %.2f at a person's pace (aim %.2f)"
                  % (t, numero, v, rapido, persona, meta), flush=True)
            if mejor is None or distancia < mejor[0]:
                mejor = (distancia, v)
            if abs(rapido - meta) <= 0.1 and persona >= 0.3:
                break
        variantes[(t, numero)] = mejor[1]
        escribir(variantes)
    return 0


def escribir(variantes):
    with open(d.RUTA_VARIANTES, "w", encoding="utf-8") as f:
        f.write("# Variants of the starting boards chosen by tools/elegir_niveles.py:\n"
                "# type, number, variant (boards not listed are variant 0).\n")
        for (t, n), v in sorted(variantes.items()):
            if v != 0:
                f.write("%s %d %d\n" % (t, n, v))


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
