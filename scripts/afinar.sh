#!/bin/sh
# Tunes the computer player's weights again, as they were tuned: the weights
# file goes back to the hand-set weights below (the game's before any
# tuning), then every tumbla-afinar run recorded in it runs again, in its
# order, on the same seeds, each from the weights the runs before it left,
# and writes its group's line and note back. The same build gives the same
# file. Hours on two cores; not part of `make test`.
#
#   scripts/afinar.sh [BUILD_DIR]      (make afinar)
set -eu
build=${1:-build}
pesos=src/jugador/pesos.txt
ordenes=$(sed -n 's/^# [A-Z0-9+]*: tumbla-afinar //p' "$pesos")
if [ -z "$ordenes" ]; then
  echo "afinar: $pesos records no tuning" >&2
  exit 1
fi
cabecera=$(sed -n '1,/^[^#]/{/^#/p}' "$pesos" | grep -v '^# [A-Z0-9+]*: ' || true)
{
  echo "$cabecera"
  cat <<'EOF'
CLASI altura=-4.5 filas=33.6 transCol=-9.3 transFila=-3.2 agujeros=-17.9 pozos=-3.4 varianza=-5 esperando=-6 peligro=-5 filaPeligro=10 primera=0.01
PANIC altura=-4.5 filas=33.6 transCol=-9.3 transFila=-3.2 agujeros=-17.9 pozos=-3.4 varianza=-5 esperando=-6 peligro=-5 filaPeligro=10 primera=0.01
SUPER altura=-4.5 filas=33.6 transCol=-9.3 agujeros=-27.9 varianza=-20 esperando=-6 peligro=-5 filaPeligro=10 primera=0.01
GOTEA altura=-4.5 filas=13.6 transCol=-9.3 transFila=-3.2 agujeros=-7.9 pozos=-3.4 esperando=-6 peligro=-5 filaPeligro=10 gotaDebajo=-60 gotaVacias=-1.5 primera=0.01
ROTA7 altura=-4.5 filas=33.6 transCol=-9.3 transFila=-3.2 agujeros=-7.9 pozos=-3.4 esperando=-6 primera=0.01
ROTA+ altura=-4.5 filas=13.6 transCol=-9.3 transFila=-3.2 agujeros=-7.9 pozos=-3.4 esperando=-6 neutros=-80 neutroVacias=-3 primera=0.01
JUNTA altura=-4.5 filas=13.6 transCol=-9.3 transFila=-3.2 agujeros=-7.9 pozos=-3.4 esperando=-6 junta=300 juntaVacias=-12 juntaSoporte=-3 juntaDistancia=-15 primera=0.01
PODAT altura=-4.5 filas=13.6 transCol=-9.3 transFila=-3.2 agujeros=-7.9 pozos=-3.4 esperando=-6 podVacia=-40 podCubierta=-12 podSellada=-8 podPeligro=-12 podFila=18 primera=0.01
EOF
} > "$pesos.nuevo"
mv "$pesos.nuevo" "$pesos"
echo "$ordenes" | while read -r argumentos; do
  echo "tumbla-afinar $argumentos"
  # shellcheck disable=SC2086  # the recorded options, word by word
  "$build/tumbla-afinar" $argumentos --pesos "$pesos" --salida "$pesos"
done
