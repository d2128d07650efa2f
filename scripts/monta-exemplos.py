#!/usr/bin/env python3
"""Monta as bases originais reais de exemplos/ a partir de dados/fontes/ (números do IBGE via brpop).

censo-2010.csv: Censo 2010 (5.565 municípios, divisão de 1º/01/2009) com a estimativa de 2011, que
está na mesma divisão. censo-2000.csv: Censo 2000 (5.507 municípios); não há estimativa publicada na
divisão de 2000, então POP2 repete o censo.

Uso: monta-exemplos.py [PASTA_DE_SAIDA]   (sem pasta: exemplos/ do projeto)
"""
import csv
import os
import sys

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONTES = os.path.join(RAIZ, "dados", "fontes")


def coluna(nome_arquivo, campo):
    with open(os.path.join(FONTES, nome_arquivo), encoding="utf-8", newline="") as arquivo:
        return {linha["cod_ibge"]: int(linha[campo]) for linha in csv.DictReader(arquivo, delimiter=";") if linha[campo]}


def grava(pasta, nome, pop1, pop2):
    # Formato da base original: CD_UF;CD_MUN;POP1;POP2, CD_MUN sem o dígito verificador.
    linhas = [f"{int(c[:2])};{int(c[2:6])};{pop1[c]};{pop2[c]}\r\n" for c in sorted(pop1)]
    with open(os.path.join(pasta, nome), "wb") as saida:
        saida.write("".join(linhas).encode("ascii"))


def main():
    pasta = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RAIZ, "exemplos")
    censo2000 = coluna("censo-2000-2010.csv", "pop_2000")
    censo2010 = coluna("censo-2000-2010.csv", "pop_2010")
    estimativa2011 = coluna("estimativas-2001-2021.csv", "pop_2011")
    if set(estimativa2011) != set(censo2010):
        raise SystemExit("a estimativa de 2011 não está na divisão do Censo 2010")
    grava(pasta, "censo-2010.csv", censo2010, estimativa2011)
    grava(pasta, "censo-2000.csv", censo2000, censo2000)


if __name__ == "__main__":
    main()
