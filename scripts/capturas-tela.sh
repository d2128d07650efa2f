#!/usr/bin/env bash
# Abre o programa num Xvfb, passa pelo assistente e pela rodada com os arquivos de exemplos/ e guarda
# uma captura de cada janela em <build>/capturas/ (para uma pessoa olhar; não é um teste).
# Uso: scripts/capturas-tela.sh [pasta-de-build]   (padrão: build)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
programa="$build/Morvisan/morvisan"
[ -x "$programa" ] || { echo "falta $programa: compile o alvo morvisan antes" >&2; exit 1; }
saida="$build/capturas"
rm -rf "$saida"
mkdir -p "$saida/dados"
cp "$raiz/exemplos/censo-2010.csv" "$saida/dados/"
"$build/Morvisan/morvisan-lote" preparar "$raiz/exemplos/censo-2010.csv" 2010 2013 \
    "$saida/dados/traducao-2010-2013.csv" >/dev/null 2>&1 || [ $? -eq 4 ]

# O próprio Xvfb escolhe um número livre e o escreve quando já aceita conexões.
numero="$saida/xvfb.numero"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numero" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$numero" ] && break; sleep 0.1; done
[ -s "$numero" ] || { echo "o Xvfb não subiu" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$numero")"

(cd "$saida/dados" && QT_QPA_PLATFORM=xcb "$programa" >"$saida/programa.log" 2>&1) &
morvisan=$!

janela() { # espera a janela de título dado e devolve o id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "janela '$1' não apareceu" >&2
    return 1
}
captura() { sleep 0.5; import -window root "$saida/$1.png"; echo "$saida/$1.png"; }
clica() { # clica no ponto (x, y) da janela
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}

principal=$(janela "Morvisan 1.1")
xdotool windowfocus "$principal"
captura 1-passo1
# Primeiro arquivo da lista (censo-2010.csv), "&Próximo", segundo arquivo, "&Próximo".
menu=$(( $(xdotool getwindowgeometry --shell "$principal" | sed -n 's/^HEIGHT=//p') - 331 ))
clica "$principal" 200 $((menu + 100))
xdotool key alt+p
sleep 0.3
clica "$principal" 200 $((menu + 116))
xdotool key alt+p
sleep 0.3
clica "$principal" 130 $((menu + 220))
xdotool type --delay 50 "res2013"
captura 2-passo3
xdotool key alt+p
janela "Morvisan" >/dev/null
captura 3-confirmacao
xdotool key Return
proc=$(janela "Tradução")
for _ in $(seq 100); do
    [ -f "$saida/dados/comp.CSV" ] && break
    sleep 0.2
done
captura 4-traducao
xdotool windowfocus "$proc" key alt+f
principal=$(janela "Morvisan 1.1")
xdotool windowfocus "$principal"
# Alt+A volta um passo ("&Anterior" ganha do menu "&Ajuda"); os menus abrem com o mouse.
xdotool key alt+a
sleep 0.3
captura 5-passo2-de-volta
clica "$principal" 92 $((menu / 2))
sleep 0.3
captura 6-menu-ajuda
xdotool key Escape
clica "$principal" 30 $((menu / 2))
sleep 0.3
xdotool key Down Down Right Right
sleep 0.3
captura 7-menu-servicos
xdotool key Escape Escape Escape
clica "$principal" 92 $((menu / 2))
sleep 0.3
xdotool key Down Down Return
sleep 0.5
captura 8-sobre
xdotool key Escape
sleep 0.3
xdotool windowfocus "$principal" key ctrl+x
wait "$morvisan" || true
ls "$saida"
