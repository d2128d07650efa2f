#!/usr/bin/env bash
# Instala as dependências, compila tudo e roda a bateria inteira de testes.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instala-dependencias.sh

# O núcleo não pode depender de Qt.
if grep -rn '#include <Q' data run lote; then
    echo "data/, run/ e lote/ não podem incluir cabeçalhos Qt" >&2
    exit 1
fi
# Formatação de todo arquivo C++ do projeto.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# Aviso do compilador é erro, aqui e no CI.
avisos=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
# O comando em lote compila sozinho, sem Qt Widgets.
cmake -S . -B build-nucleo -DCMAKE_BUILD_TYPE=Release -DMORVISAN_JANELAS=OFF -DBUILD_TESTING=OFF "${avisos[@]}" >/dev/null
cmake --build build-nucleo -j2 --target morvisan-lote
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release "${avisos[@]}" >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
# O analisador estático em data/, run/ e brasil/ (uns 2 minutos em dois núcleos).
bash scripts/analisa.sh build

# Fuzzing dos leitores, da importação, da abertura de .dbf e da rodada, 60 s por alvo, com os
# sanitizadores do clang (quando há clang).
if command -v clang++ >/dev/null 2>&1; then
    bash scripts/fuzz.sh 60
else
    echo "clang++ ausente: fuzzing pulado"
fi
