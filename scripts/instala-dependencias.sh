#!/usr/bin/env bash
# Instala, por apt-get, tudo o que o projeto usa para compilar, testar e rodar (Debian 12, como root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
pacotes=(
    cmake g++ make pkg-config clang-format clang clang-tidy libclang-rt-14-dev
    libshp-dev googletest libgtest-dev
    qt6-base-dev libqt6printsupport6 libgl-dev qt6-translations-l10n
    fonts-liberation fonts-dejavu-core
    python3 python3-dbfread gdal-bin poppler-utils
    xvfb xauth x11-apps xdotool imagemagick locales
    libqt6svg6 librsvg2-bin dpkg-dev file desktop-file-utils appstream
)
faltam=()
for p in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done
if [ "${#faltam[@]}" -gt 0 ]; then
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${faltam[@]}"
fi

# A localidade brasileira (vírgula decimal) para os testes que conferem os dois separadores.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
    localedef -i pt_BR -f UTF-8 pt_BR.UTF-8
fi
# E a de um terminal Latin-1, para o teste da codificação da saída.
if ! locale -a 2>/dev/null | grep -qi '^pt_BR\.iso-\?8859-\?1$'; then
    localedef -i pt_BR -f ISO-8859-1 pt_BR.ISO-8859-1
fi
