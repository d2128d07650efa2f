#!/usr/bin/env bash
# Abre o programa num Xvfb com um gerenciador de janelas de verdade (openbox), passa pelo assistente,
# por uma rodada com achados e por uma rodada que falha, com os arquivos de exemplos/, e guarda uma
# captura de cada janela em <build>/capturas/ (para uma pessoa olhar; não é um teste). Em
# <build>/capturas/janelas.txt ficam o tipo, as ações que o gerenciador permite a cada janela e as que
# ela pede, e o que acontece ao tentar minimizar, maximizar ou pôr em tela cheia; uma linha "FALHA" ali
# sai com código 1.
# Além do que scripts/instala-dependencias.sh instala, precisa de openbox, wmctrl e x11-utils
# (apt-get install openbox wmctrl x11-utils; o openbox traz junto as fontes fonts-urw-base35).
# Uso: scripts/capturas-tela.sh [pasta-de-build] [LARGURAxALTURA]   (padrão: build 1024x768)
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$raiz/build}" && pwd)"
tela="${2:-1024x768}"
programa="$build/Morvisan/morvisan"
[ -x "$programa" ] || { echo "falta $programa: compile o alvo morvisan antes" >&2; exit 1; }
for comando in Xvfb openbox xdotool xprop xwininfo wmctrl import; do
    command -v "$comando" >/dev/null || { echo "falta o comando $comando (veja o começo deste script)" >&2; exit 1; }
done
saida="$build/capturas"
rm -rf "$saida"
mkdir -p "$saida/dados"
cp "$raiz/exemplos/censo-2010.csv" "$saida/dados/"
"$build/Morvisan/morvisan-lote" preparar "$raiz/exemplos/censo-2010.csv" 2010 2013 \
    "$saida/dados/traducao-2010-2013.csv" >/dev/null 2>&1 || [ $? -eq 4 ]
relato="$saida/janelas.txt"
: >"$relato"

# O próprio Xvfb escolhe um número livre e o escreve quando já aceita conexões.
numero="$saida/xvfb.numero"
Xvfb -displayfd 3 -screen 0 "${tela}x24" -nolisten tcp 3>"$numero" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$numero" ] && break; sleep 0.1; done
[ -s "$numero" ] || { echo "o Xvfb não subiu" >&2; exit 1; }
export DISPLAY=":$(tr -d '[:space:]' <"$numero")"
openbox >"$saida/openbox.log" 2>&1 &
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done

(cd "$saida/dados" && LANG=pt_BR.UTF-8 QT_QPA_PLATFORM=xcb "$programa" >"$saida/programa.log" 2>&1) &
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
posicao() { # canto da área da janela na tela (o xdotool soma a moldura do gerenciador duas vezes)
    xwininfo -id "$1" | sed -n 's/.*Absolute upper-left \([XY]\): *\(-\?[0-9]*\)/\1=\2/p'
}
tamanho() { xwininfo -id "$1" | sed -n 's/.*\(Width\|Height\): *\([0-9]*\)/\2/p' | paste -sd x; }
visivel() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
clica() { # clica no ponto (x, y) da área da janela
    eval "$(posicao "$1")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
confere() { # registra uma conferência: descrição e condição
    local descricao="$1"
    shift
    if "$@"; then echo "ok     $descricao" >>"$relato"; else echo "FALHA  $descricao" >>"$relato"; fi
}
propriedades() { # o que o gerenciador de janelas diz da janela
    echo "== $1" >>"$relato"
    xprop -id "$2" _NET_WM_WINDOW_TYPE _NET_WM_ALLOWED_ACTIONS _NET_WM_STATE _MOTIF_WM_HINTS WM_NORMAL_HINTS >>"$relato"
}
acao() { xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q "_NET_WM_ACTION_$2"; }
sem_pedir() { # as dicas Motif da janela não pedem minimizar nem maximizar (funções e botões)
    local dicas
    dicas=$(xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r _ funcoes botoes _ _ <<<"$dicas"
    (((funcoes & 0x18) == 0 && (botoes & 0x60) == 0))
}
sem() { ! "$@"; }
mesmo_tamanho() { # tenta maximizar e pôr em tela cheia; o tamanho não muda
    local antes
    antes=$(tamanho "$1")
    wmctrl -i -r "$1" -b add,maximized_vert,maximized_horz
    sleep 0.3
    [ "$(tamanho "$1")" = "$antes" ] || return 1
    wmctrl -i -r "$1" -b add,fullscreen
    sleep 0.5
    [ "$(tamanho "$1")" = "$antes" ] && ! xprop -id "$1" _NET_WM_STATE | grep -q FULLSCREEN
}
volta_ao_minimizar() { xdotool windowminimize "$1"; sleep 0.8; visivel "$1"; }

principal=$(janela "Morvisan 1.1")
xdotool windowactivate --sync "$principal"
captura 1-passo1
propriedades "janela principal" "$principal"
confere "principal: janela comum (barra de tarefas, Alt+Tab)" \
    bash -c "xprop -id $principal _NET_WM_WINDOW_TYPE | grep -q NORMAL && ! xprop -id $principal _NET_WM_STATE | grep -q SKIP"
confere "principal: não pede maximizar" sem_pedir "$principal"
confere "principal: sem maximizar" sem acao "$principal" MAXIMIZE_HORZ
confere "principal: sem esticar" sem acao "$principal" RESIZE
confere "principal: fecha (Sair)" acao "$principal" CLOSE
confere "principal: maximizar e tela cheia não mudam o tamanho" mesmo_tamanho "$principal"

# Primeiro arquivo da lista (censo-2010.csv), "&Próximo", segundo arquivo, "&Próximo".
menu=$(($(tamanho "$principal" | cut -dx -f2) - 331))
clica "$principal" 200 $((menu + 100))
xdotool key alt+p
sleep 0.3
clica "$principal" 200 $((menu + 116))
xdotool key alt+p
sleep 0.3
clica "$principal" 130 $((menu + 220))
xdotool type --delay 50 "res2013"
captura 2-passo3

roda() { # "&Próximo" no passo 3 e "Sim"; devolve o id da janela de processamento
    xdotool windowactivate --sync "$principal" key alt+p
    janela "Morvisan" >/dev/null
    [ -n "${1:-}" ] && captura "$1" >&2
    xdotool key Return
    janela "Tradução"
}

# Rodada sem bases extras: termina com achados no memo (UFs e nomes não encontrados).
proc=$(roda 3-confirmacao)
for _ in $(seq 100); do
    [ -f "$saida/dados/comp.CSV" ] && break
    sleep 0.2
done
captura 4-traducao-com-achados
propriedades "janela de processamento" "$proc"
confere "processamento: diálogo" bash -c "xprop -id $proc _NET_WM_WINDOW_TYPE | grep -q DIALOG"
# O openbox oferece minimizar a todo diálogo, peça a janela ou não: ela volta. Maximizar e esticar
# pode: a grade e o memo ficam com o espaço.
confere "processamento: maximizar" acao "$proc" MAXIMIZE_HORZ
confere "processamento: esticar" acao "$proc" RESIZE
confere "processamento: maximizada cresce" sem mesmo_tamanho "$proc"
wmctrl -i -r "$proc" -b remove,maximized_vert,maximized_horz,fullscreen
confere "processamento: minimizada à força, volta à tela" volta_ao_minimizar "$proc"
xdotool windowactivate --sync "$proc" key alt+f
principal=$(janela "Morvisan 1.1")

# Rodada que falha: a base original sumiu depois de escolhida.
mv "$saida/dados/censo-2010.csv" "$saida/censo-2010.csv"
proc=$(roda)
janela "Módulo Morvisan 1.1" >/dev/null
captura 5-falha-caixa-de-erro
xdotool key Return
captura 6-traducao-depois-da-falha
confere "processamento: fechar da moldura volta à principal" \
    bash -c "wmctrl -i -c $proc; sleep 0.8; xwininfo -id $principal | grep -q IsViewable"
mv "$saida/censo-2010.csv" "$saida/dados/censo-2010.csv"
principal=$(janela "Morvisan 1.1")
xdotool windowactivate --sync "$principal"

# Alt+A volta um passo ("&Anterior" ganha do menu "&Ajuda"); os menus abrem com o mouse.
xdotool key alt+a
sleep 0.3
captura 7-passo2-de-volta
clica "$principal" 92 $((menu / 2))
sleep 0.3
captura 8-menu-ajuda
xdotool key Escape
clica "$principal" 30 $((menu / 2))
sleep 0.3
xdotool key Down Down Right Right
sleep 0.3
captura 9-menu-servicos
# "Definir" dos municípios: o diálogo de abrir, o arquivo digitado e a caixa de conclusão.
xdotool key Return
janela "(Abrir|Open)" >/dev/null
xdotool type --delay 20 "$raiz/exemplos/municipios.csv"
xdotool key Return
janela "Morvisan" >/dev/null
captura 10-importacao-concluida
xdotool key Return
sleep 0.3
clica "$principal" 92 $((menu / 2))
sleep 0.3
xdotool key Down Down Return
sleep 0.5
captura 11-sobre
xdotool key Escape
sleep 0.3
clica "$principal" 92 $((menu / 2))
sleep 0.3
xdotool key Down Return
janela "Ajuda do Morvisan" >/dev/null
captura 12-ajuda
wmctrl -c "Ajuda do Morvisan"
xdotool windowactivate --sync "$principal" key ctrl+x
wait "$morvisan" || true
ls "$saida"
cat "$relato"
! grep -q '^FALHA' "$relato"
