#!/bin/sh
# The real program, end to end, under Xvfb with a window manager: start-up
# with a fresh settings folder, the daily-minute box centred over the placed
# main window, the settings file the first start writes, F2, level 1, keys,
# pause and resume, help through a fake browser and, when it fails, in the
# game's own window, a screenshot of the board, and closing the window, which
# must end the program cleanly. Then the same program with an
# unwritable and with a corrupt settings file.
#
#   ventana_real.sh TUMBLA CERRAR-VENTANA
# Needs Xvfb, xdotool and ImageMagick (import, convert); openbox when it is
# there (without a window manager nothing moves a window). Exit 0 on success.
set -eu

TUMBLA=$1
CERRAR=$2
T=$(mktemp -d "${TMPDIR:-/tmp}/tumbla-e2e.XXXXXX")
XVFB_PID=
WM_PID=
JUEGO_PID=

fallo() {
  echo "e2e: FAILED: $*" >&2
  [ -f "$T/log" ] && sed 's/^/e2e: program: /' "$T/log" >&2
  exit 1
}

limpiar() {
  [ -n "$JUEGO_PID" ] && kill "$JUEGO_PID" 2>/dev/null || true
  [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  chmod -R u+w "$T" 2>/dev/null || true
  [ -n "${E2E_CONSERVAR:-}" ] && echo "e2e: kept $T" >&2 || rm -rf "$T"
}
trap limpiar EXIT INT TERM

# ---- A display of our own ----------------------------------------------------
N=90
while [ -e "/tmp/.X11-unix/X$N" ] || [ -e "/tmp/.X$N-lock" ]; do N=$((N + 1)); done
Xvfb ":$N" -screen 0 1280x1024x24 -nolisten tcp >"$T/xvfb.log" 2>&1 &
XVFB_PID=$!
export DISPLAY=":$N"
i=0
until xdotool getmouselocation >/dev/null 2>&1; do
  i=$((i + 1)); [ $i -lt 100 ] || fallo "Xvfb did not start"; sleep 0.1
done
if command -v openbox >/dev/null 2>&1; then
  openbox --sm-disable >"$T/openbox.log" 2>&1 &
  WM_PID=$!
  until xdotool search --classname openbox >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -lt 200 ] || fallo "openbox did not start"; sleep 0.1
  done
fi

# A browser that only notes what it was asked to open. The game hands files
# to xdg-open; BROWSER for anything that asks it.
mkdir -p "$T/bin"
cat >"$T/bin/xdg-open" <<EOF
#!/bin/sh
echo "\$@" >>"$T/abiertos"
EOF
chmod +x "$T/bin/xdg-open"
export PATH="$T/bin:$PATH" BROWSER="$T/bin/xdg-open"
export QT_QPA_PLATFORM=xcb

# Waits until the program shows a window (other than SALVO) whose height is
# in a range, and prints it:
#   ventana "Título" MIN_ALTO MAX_ALTO [SALVO]
ventana() {
  j=0
  while [ $j -lt 300 ]; do
    for w in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
      [ "$w" = "${4:-}" ] && continue
      alto=$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
      if [ -n "$alto" ] && [ "$alto" -ge "$2" ] && [ "$alto" -le "$3" ]; then
        echo "$w"; return 0
      fi
    done
    j=$((j + 1)); sleep 0.1
  done
  return 1
}

# True when window $1 is centred over window $2, give or take a title bar.
centrada() {
  eval "$(xdotool getwindowgeometry --shell "$1")"; dx=$((X + WIDTH / 2)) dy=$((Y + HEIGHT / 2))
  eval "$(xdotool getwindowgeometry --shell "$2")"; dx=$((dx - X - WIDTH / 2)) dy=$((dy - Y - HEIGHT / 2))
  echo "e2e: window $1 is off the centre of $2 by $dx,$dy"
  [ $((dx * dx)) -le 100 ] && [ $((dy * dy)) -le 900 ]
}

# Sends keys to a window, given the focus first.
teclas() {
  w=$1; shift
  xdotool windowfocus --sync "$w"
  for k in "$@"; do xdotool key "$k"; sleep 0.15; done
}

# Starts a copy of the program in folder $1 (the settings file lives beside it).
arrancar() {
  cp "$TUMBLA" "$1/tumbla"
  (cd "$1" && exec ./tumbla) >"$T/log" 2>&1 &
  JUEGO_PID=$!
}

# Closes the main window as a window manager would; the program must end
# with status 0.
cerrar() {
  "$CERRAR" "$1" || fallo "could not send the close request"
  j=0
  while kill -0 "$JUEGO_PID" 2>/dev/null; do
    j=$((j + 1)); [ $j -lt 100 ] || fallo "the program did not end after its window closed"
    sleep 0.1
  done
  estado=0; wait "$JUEGO_PID" || estado=$?
  JUEGO_PID=
  [ "$estado" -eq 0 ] || fallo "the program ended with status $estado"
}

# Plays level 1 from the main window $1: F2, ENTER on the level window, the
# introduction, then keys; checks that pieces fell onto the board.
jugar() {
  teclas "$1" F2
  sel=$(ventana "Selecciona un nivel|Volver|pausado" 150 600) || fallo "F2 opened no level window"
  teclas "$sel" Return
  intro=$(ventana "CLASIC" 50 400) || fallo "level 1 showed no introduction"
  teclas "$intro" Return
  teclas "$1" Left Left Left space Right Right Right space Up space Down Down space
  sleep 1
}

# True when the board region of the screen holds coloured blocks: the share
# of saturated pixels in it.
tablero_con_piezas() {
  for intento in 1 2 3 4 5; do
    mirar_tablero "$1" && return 0
    sleep 0.5
  done
  return 1
}

mirar_tablero() {
  import -window root "$T/pantalla.png"
  geo=$(xdotool getwindowgeometry "$1")
  x=$(echo "$geo" | sed -n 's/.*Position: \([0-9]*\),.*/\1/p')
  y=$(echo "$geo" | sed -n 's/.*Position: [0-9]*,\([0-9]*\).*/\1/p')
  ancho=$(echo "$geo" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
  alto=$(echo "$geo" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
  [ -n "$x" ] && [ -n "$y" ] && [ -n "$ancho" ] && [ -n "$alto" ] || return 1
  # The board is the left part of the window, under the menu bar.
  parte=$(convert "$T/pantalla.png" -crop "$((ancho * 55 / 100))x$((alto * 85 / 100))+$x+$((y + alto / 10))" +repage \
    -colorspace HSL -channel G -separate -threshold 40% -format '%[fx:mean]' info:)
  echo "e2e: saturated share of the board region: $parte"
  awk -v p="$parte" 'BEGIN { exit !(p > 0.005) }'
}

# ---- 1. A fresh folder ----------------------------------------------------------
mkdir -p "$T/nuevo"
arrancar "$T/nuevo"
caja=$(ventana "Tumbla" 40 200) || fallo "no daily-minute box at the first start"
principal=$(ventana "Tumbla" 300 2000) || fallo "no main window"
centrada "$caja" "$principal" || fallo "the daily-minute box is not over the main window"
teclas "$caja" Return
sleep 0.5
ini="$T/nuevo/tumbla.ini"
[ -f "$ini" ] || fallo "the first start wrote no settings file"
for linea in "[OROKORRA]" "LAGUNTZA=1" "AZKENA=$(date +%Y/%m/%d)" "SOINUA=S" "ZAILTASUNA=N"; do
  grep -qxF "$linea" "$ini" || grep -qxF "$linea$(printf '\r')" "$ini" || fallo "settings file lacks '$linea'"
done
echo "e2e: first start wrote its settings file"

jugar "$principal"
tablero_con_piezas "$principal" || fallo "the board region is blank"
echo "e2e: pieces are on the board"

# Pause and resume: while paused nothing falls.
teclas "$principal" F3
sleep 1
import -window root "$T/pausa1.png"; sleep 1; import -window root "$T/pausa2.png"
[ "$(compare -metric AE "$T/pausa1.png" "$T/pausa2.png" null: 2>&1 || true)" = "0" ] || fallo "the board moved while paused"
teclas "$principal" F3
sleep 1
import -window root "$T/sigue.png"
[ "$(compare -metric AE "$T/pausa2.png" "$T/sigue.png" null: 2>&1 || true)" != "0" ] || fallo "nothing moved after resuming"
echo "e2e: pause and resume"

# Help: the document is written beside the program and handed to the browser.
teclas "$principal" F1
j=0
until [ -s "$T/abiertos" ]; do j=$((j + 1)); [ $j -lt 50 ] || fallo "F1 opened nothing"; sleep 0.1; done
grep -q "Instrucciones.htm" "$T/abiertos" || fallo "the browser was asked for $(cat "$T/abiertos")"
[ -f "$T/nuevo/Instrucciones.htm" ] || fallo "no help document beside the program"
sleep 0.5
[ "$(xdotool search --onlyvisible --name "Tumbla" | wc -l)" -eq 1 ] || fallo "a help window besides the browser"
echo "e2e: help opened: $(cat "$T/abiertos")"

# A browser that fails: the help shows in the game's own window, over the
# main window; Escape closes it.
printf '#!/bin/sh\necho "$@" >>"%s/fallidos"\nexit 4\n' "$T" >"$T/bin/xdg-open"
teclas "$principal" F1
ayuda=$(ventana "Tumbla" 300 2000 "$principal") || fallo "a failing browser left F1 without a help window"
[ -s "$T/fallidos" ] && centrada "$ayuda" "$principal" || fallo "the help window is not over the main window"
teclas "$ayuda" Escape
sleep 0.5
! xdotool search --onlyvisible --name "Tumbla" | grep -qx "$ayuda" || fallo "Escape left the help window open"
echo "e2e: a failing browser: help in the game's own window"

cerrar "$principal"
grep -qxF "LAGUNTZA=1" "$ini" || grep -q "LAGUNTZA=1" "$ini" || fallo "the settings file lost its minutes"
echo "e2e: closed cleanly"

# ---- 2. A settings file that cannot be written ------------------------------
# As root permissions do not stop a write, so the settings path is made a
# folder: no file can be written there, and nothing can be read either.
mkdir -p "$T/solo/tumbla.ini"
chmod a-w "$T/solo"
arrancar "$T/solo"
caja=$(ventana "Tumbla" 40 200) || fallo "read-only: no daily-minute box"
principal=$(ventana "Tumbla" 300 2000) || fallo "read-only: no main window"
teclas "$caja" Return
jugar "$principal"
tablero_con_piezas "$principal" || fallo "read-only: the board region is blank"
cerrar "$principal"
[ -d "$T/solo/tumbla.ini" ] || fallo "read-only: the settings path changed"
echo "e2e: unwritable settings: plays and closes cleanly"

# ---- 3. A corrupt settings file -------------------------------------------------
mkdir -p "$T/roto"
printf '[OROKORRA]\r\nAMAITUTAKOA=-5\r\nLAGUNTZA=muchos\r\nAZKENA=%s\r\nSOINUA=?\r\nZAILTASUNA=Q\r\n\001\002\377\r\n[OTRA]\r\nclave=valor\r\n' \
  "$(date +%Y/%m/%d)" >"$T/roto/tumbla.ini"
arrancar "$T/roto"
principal=$(ventana "Tumbla" 300 2000) || fallo "corrupt: no main window"
jugar "$principal"
tablero_con_piezas "$principal" || fallo "corrupt: the board region is blank"
cerrar "$principal"
grep -q "clave=valor" "$T/roto/tumbla.ini" || fallo "corrupt: a foreign line was lost"
echo "e2e: corrupt settings: plays, keeps foreign lines, closes cleanly"
echo "e2e: all passed"
