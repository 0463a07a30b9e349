#!/usr/bin/env bash
# How light the game is, measured on a virtual X server (Xvfb):
#   - start-up: from launching the program to its first painted window, with
#     a warm disk cache (the median and the best of several runs);
#   - CPU while a level plays by itself (the pieces fall, nobody plays), as a
#     share of one core;
#   - resident memory once the level has started.
#
# Usage: bench/rendimiento.sh [path/to/tumbla]   (default: build/tumbla)
# Environment: RONDAS (start-up runs, default 15), SEGUNDOS (CPU window,
# default 20).
set -euo pipefail

programa=${1:-build/tumbla}
rondas=${RONDAS:-15}
segundos=${SEGUNDOS:-20}

if [[ ! -x $programa ]]; then
  echo "no program at $programa (build it first, or give its path)" >&2
  exit 1
fi
command -v Xvfb >/dev/null || { echo "Xvfb is needed (apt-get install xvfb)" >&2; exit 1; }

# The program keeps its settings file beside itself: run a copy in a folder
# of its own, with today's extra minute already given (no box at start-up).
carpeta=$(mktemp -d)
cp "$programa" "$carpeta/tumbla"
printf '[OROKORRA]\r\nAZKENA=%s\r\nLAGUNTZA=1\r\nSOINUA=S\r\n' "$(date +%Y/%m/%d)" >"$carpeta/tumbla.ini"

# A free display number.
pantalla=90
while [[ -e /tmp/.X$pantalla-lock || -e /tmp/.X11-unix/X$pantalla ]]; do pantalla=$((pantalla + 1)); done
Xvfb ":$pantalla" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
juego=""
limpiar() {
  [[ -n $juego ]] && kill "$juego" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$carpeta"
}
trap limpiar EXIT
for _ in $(seq 100); do [[ -e /tmp/.X11-unix/X$pantalla ]] && break; sleep 0.05; done
export DISPLAY=":$pantalla"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$carpeta}

# Starts the game with TUMBLA_MEDIR=$1 and waits for its first paint; leaves
# the microseconds from launch to it in $us, the processor time the game used
# until then in $cpu_us, and the game's pid in $juego.
arrancar() {
  local salida="$carpeta/salida.txt"
  : >"$salida"
  local inicio
  inicio=$(date +%s%N)
  TUMBLA_MEDIR=$1 "$carpeta/tumbla" >/dev/null 2>"$salida" &
  juego=$!
  local linea=""
  for _ in $(seq 1000); do
    linea=$(sed -n 's/^tumbla: primer pintado \([0-9]* [0-9]*\)$/\1/p' "$salida")
    [[ -n $linea ]] && break
    sleep 0.01
  done
  [[ -n $linea ]] || { echo "the game never painted" >&2; cat "$salida" >&2; exit 1; }
  us=$(((${linea% *} - inicio) / 1000))
  cpu_us=${linea#* }
}

parar() {
  kill "$juego" 2>/dev/null || true
  wait "$juego" 2>/dev/null || true
  juego=""
}

# --- Start-up -----------------------------------------------------------------
arrancar 1  # warms the disk cache and the font cache
parar
tiempos=()
procesador=()
for _ in $(seq "$rondas"); do
  arrancar 1
  tiempos+=("$us")
  procesador+=("$cpu_us")
  parar
done
# Median, best and worst of a list of microseconds, in milliseconds.
resumen() {
  printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {
    printf "median %.1f ms, best %.1f ms, worst %.1f ms", v[int((NR + 1) / 2)] / 1000, v[1] / 1000, v[NR] / 1000 }'
}
echo "start-up to first paint ($rondas runs, load average $(cut -d' ' -f1 /proc/loadavg)):"
echo "  wall clock:     $(resumen "${tiempos[@]}")"
echo "  processor time: $(resumen "${procesador[@]}")"

# --- A level playing by itself -------------------------------------------------
arrancar jugar
sleep 3  # the level has started and the sounds are loaded
tics=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$juego/stat"; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$juego/status"; }
rssInicio=$(rss)
antes=$(cpu)
sleep "$segundos"
despues=$(cpu)
rssFin=$(rss)
pico=$(awk '/^VmHWM/ {print $2}' "/proc/$juego/status")
parar
awk -v d=$((despues - antes)) -v t="$tics" -v s="$segundos" \
  'BEGIN { printf "CPU while a level plays: %.2f%% of one core (%d ticks in %d s)\n", 100 * d / (t * s), d, s }'
awk -v a="$rssInicio" -v b="$rssFin" -v p="$pico" \
  'BEGIN { printf "resident memory: %.1f MiB after the level started, %.1f MiB %s s later, peak %.1f MiB\n", a / 1024, b / 1024, "'"$segundos"'", p / 1024 }'
