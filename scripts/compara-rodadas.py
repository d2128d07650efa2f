#!/usr/bin/env python3
"""Roda dois morvisan-lote (uma compilação de referência e a nova) sobre os mesmos casos gerados e
confere byte a byte tudo o que sai: código de saída, saída normal e de erros, NOME.CSV, comp.CSV,
Morvisan.Log, Morvisan.Avisos, as tabelas de trabalho e as bases extras importadas.

Uso: scripts/compara-rodadas.py LOTE_REFERENCIA LOTE_NOVO [--casos N] [--semente S] [--grandes]

Os casos misturam tamanhos, bases extras ligadas e desligadas, códigos repetidos, doadores ausentes,
cadeias, exceções, linhas de títulos, aspas, UTF-8, finais de linha CR, LF e CR LF, valores
trocados por 0 e falhas que param a rodada. Uma forma que para a rodada (um valor ilegível na base de
tradução, uma população com branco depois) só sai nos casos fatais, uns 15%: a maioria chega ao fim
(saída 0, 3 ou 4) e passa pelo motor; no fim sai quantos casos deram cada código. As duas compilações rodam na mesma pasta, uma depois da
outra, para que os caminhos nas mensagens sejam iguais. Não é teste cronometrado: é a conferência de
que uma mudança por dentro do motor não mudou nada por fora.
"""
import argparse
import collections
import os
import random
import shutil
import subprocess
import sys
import tempfile

UFS = [11, 12, 13, 14, 15, 16, 17, 21, 22, 23, 24, 25, 26, 27, 28, 29, 31, 32, 33, 35, 41, 42, 43, 50, 51, 52, 53]
SIGLAS = ["RO", "AC", "AM", "RR", "PA", "AP", "TO", "MA", "PI", "CE", "RN", "PB", "PE", "AL", "SE", "BA", "MG",
          "ES", "RJ", "SP", "PR", "SC", "RS", "MS", "MT", "GO", "DF"]
NOMES = ["S\u00e3o Jos\u00e9", "Concei\u00e7\u00e3o do Araguaia", "Paulo", "Ign\u00e1cio", "Bel\u00e9m",
         "Uni\u00e3o dos Palmares", "Tr\u00eas Rios", "Ponto \"X\"", "Ara\u00e7a;tuba", "  Brancos  ",
         "Nome muito comprido que passa dos cinquenta caracteres de largura do campo", "\u015eanl\u0131urfa",
         "\u00c1gua Clara", "Pinto Bandeira", "Mojuí dos Campos"]
# Os 75 municípios do extrato aparecem de vez em quando, para o comp.CSV ter linhas.
ESPECIAIS = [(11, 8), (11, 13), (21, 1300), (23, 1300), (35, 5030), (43, 1531), (51, 835), (16, 30), (28, 30)]
# Formas esquisitas de um número: (forma, peso, efeito). "lido": vale um número; "zero": vira 0 com
# aviso na base original e nas extras; "para": também numa população da base original a rodada para.
# Na base de tradução qualquer forma que não seja "lido" para a rodada.
FORMAS_NUMERO = [(" %d", 2, "lido"), ("%d ", 1, "para"), ('"%d"', 2, "lido"), ("", 2, "zero"), ("abc", 1, "zero"),
                 ("$%X", 1, "lido"), ("+%d", 1, "lido"), ("-%d", 1, "lido"), ("0", 2, "lido"),
                 ("99999999999", 1, "para")]


def para_rodada(efeito, campo):
    """Se a forma de número para a rodada no campo ("traducao", "populacao" da base original ou "extra")."""
    return efeito != "lido" and (campo == "traducao" or (campo == "populacao" and efeito == "para"))


def escolhe(rng, pesos):
    total = sum(p for _, p in pesos)
    x = rng.uniform(0, total)
    for valor, p in pesos:
        x -= p
        if x <= 0:
            return valor
    return pesos[-1][0]


class Caso:
    def __init__(self, nome, rng, tamanho, mudancas, estranheza, nomes, siglas, fatal=False):
        self.nome = nome
        self.rng = rng
        self.tamanho = tamanho
        self.mudancas = mudancas
        self.estranheza = estranheza  # 0: só linhas limpas; 1: muitas linhas esquisitas
        self.nomes = nomes
        self.siglas = siglas
        self.fatal = fatal
        self.codificacao = escolhe(rng, [("latin1", 5), ("utf8", 3), ("utf8bom", 1)])
        self.final_linha = escolhe(rng, [("\r\n", 6), ("\r", 1), ("\n", 2)])
        self.pular_excecoes = rng.random() < 0.3
        self.localidade = escolhe(rng, [("C.UTF-8", 3), ("pt_BR.UTF-8", 1)])
        self.codigos = []

    def esquisito(self, chance=0.1):
        return self.rng.random() < chance * self.estranheza

    def numero(self, valor, campo="extra"):
        """O número como texto, às vezes esquisito. Uma forma que para a rodada no campo (FORMAS_NUMERO)
        só sai nos casos fatais: os outros chegam ao fim e passam pelo motor."""
        if not self.esquisito(0.3):
            return str(valor)
        formas = [(forma, peso) for forma, peso, efeito in FORMAS_NUMERO
                  if self.fatal or not para_rodada(efeito, campo)]
        forma = escolhe(self.rng, formas)
        return forma % (abs(valor) if "X" in forma else valor) if "%" in forma else forma

    def forma(self, formas):
        """Uma das formas (texto, peso, para a rodada); as que param só nos casos fatais."""
        return escolhe(self.rng, [(texto, peso) for texto, peso, para in formas if self.fatal or not para])

    def texto(self, linhas):
        corpo = self.final_linha.join(linhas) + (self.final_linha if self.rng.random() < 0.8 else "")
        if self.esquisito(0.2):
            corpo += "\x1a" + "lixo depois do fim;1;2;3" + self.final_linha
        if self.codificacao == "latin1":
            return corpo.encode("cp1252", errors="replace")
        dados = corpo.encode("utf-8")
        return (b"\xef\xbb\xbf" + dados) if self.codificacao == "utf8bom" else dados

    def original(self):
        r = self.rng
        linhas = []
        if r.random() < (0.3 if self.tamanho else 0.05):
            linhas.append("CD_UF;CD_MUN;POP1;POP2")
        por_uf = max(1, self.tamanho // len(UFS))
        for i in range(self.tamanho):
            if i < len(ESPECIAIS) and r.random() < 0.5:
                uf, mun = ESPECIAIS[i]
            else:
                uf, mun = UFS[i % len(UFS)], i // len(UFS) + 1
            if self.codigos and self.esquisito(0.1):
                uf, mun = r.choice(self.codigos)  # código repetido
            self.codigos.append((uf, mun))
            pop1 = escolhe(r, [(r.randint(1, 300000), 20), (0, 1), (r.randint(1, 9), 1)])
            pop2 = pop1 + r.randint(0, max(1, pop1 // 20))
            if self.esquisito(0.05):
                linhas.append(escolhe(r, [("", 1), ("   ", 1), ("sem separador", 1), ("%d;%d" % (uf, mun), 2),
                                           ("%d;%d;%d" % (uf, mun, pop1), 2),
                                           ("%d;%d;%d;%d;" % (uf, mun, pop1, pop2), 2)]))
                continue
            linhas.append(";".join([self.numero(uf), self.numero(mun), self.numero(pop1, "populacao"),
                                    self.numero(pop2, "populacao")]))
        if self.fatal and r.random() < 0.5:
            linhas.insert(r.randrange(len(linhas) + 1), escolhe(r, [("35;1;5000 ;7000", 1), ("35;1;7000.5;1", 1),
                                                                     ("35;1;1;7000,5", 1), ("35;1;1e3;1", 1)]))
        return self.texto(linhas)

    def traducao(self):
        r = self.rng
        linhas = []
        if r.random() < (0.3 if self.mudancas else 0.05):
            linhas.append("CD_UF;SIT_DOA;CD_MUND;SIT_REC;CD_MUNR;POP;DATA;EXCECAO")
        novos = []
        base = [c for c in self.codigos] or [(35, 1)]
        for j in range(self.mudancas):
            uf, doador = r.choice(base)
            if novos and r.random() < 0.3:
                uf, doador = r.choice(novos)  # cadeia: quem nasceu cede
            if self.esquisito(0.2):
                doador = 900000 + r.randint(0, 50)  # doador ausente
            receptor = escolhe(r, [(r.randint(50000, 50000 + self.mudancas), 3), (r.choice(base)[1], 2),
                                   (doador, 0.2)])
            if receptor >= 50000:
                novos.append((uf, receptor))
            ano = r.randint(1993, 2025)
            data = self.forma([("%d0101" % ano, 20, False), ("%d-01-01" % ano, 1, False), ("01/01/%d" % ano, 1, False),
                               ("", 1, True), ("%d0101x" % ano, 1, True), ("2013-02-30", 0.5, True)])
            sit_d = self.forma([("1", 5, False), ("2", 2, False), ("A", 1, False), ("", 1, True), (" 1", 1, False),
                                ("abcdefghijkl", 0.3, False)])
            sit_r = self.forma([("2", 5, False), ("3", 2, False), ("B", 1, False), ("", 1, True), ("2 ", 1, False)])
            excecao = escolhe(r, [("", 10), ("*", 2), (" * ", 1), ("**", 1), ("x", 1), ("*xxxxxxxxx", 1),
                                  ("xxxxxxxxx*", 1)])
            pop = escolhe(r, [(r.randint(1, 5000), 20), (0, 1), (r.randint(100000, 400000), 1)])
            campos = [self.numero(v, "traducao") for v in (uf, doador, receptor, pop)]
            campos = [campos[0], sit_d, campos[1], sit_r, campos[2], campos[3], data, excecao]
            if self.esquisito(0.05):
                campos = campos[:r.randint(1, 7)]
            linhas.append(";".join(campos))
        if self.fatal and r.random() < 0.5:
            linhas.append("35;1;1;2;2;2147483647;20200101;")  # POP que estoura os 32 bits
        return self.texto(linhas)

    def municipios(self):
        r = self.rng
        linhas = []
        if r.random() < 0.2:
            linhas.append("CD_UF;CD_MUN;MUN")
        for uf, mun in self.codigos:
            if self.esquisito(0.1):
                continue  # sem nome: fica fora do resultado
            nome = r.choice(NOMES) + " " + str(mun)
            if '"' in nome or ";" in nome:
                nome = '"' + nome.replace('"', '""') + '"'
            linhas.append("%s;%s;%s" % (self.numero(uf), self.numero(mun), nome))
            if self.esquisito(0.05):
                linhas.append("%d;%d;Repetido %d" % (uf, mun, mun))
        for k in range(self.mudancas // 2):
            linhas.append("%d;%d;Novo %d" % (r.choice(UFS), 50000 + k, k))
        return self.texto(linhas)

    def ufs(self):
        r = self.rng
        linhas = []
        for uf, sigla in zip(UFS, SIGLAS):
            if self.esquisito(0.1):
                continue
            linhas.append("%s;%s" % (uf, sigla if not self.esquisito(0.1) else ""))
            if self.esquisito(0.05):
                linhas.append("%d;XX" % uf)
        return self.texto(linhas)


def le_pasta(pasta):
    conteudo = {}
    if os.path.isdir(pasta):
        for nome in sorted(os.listdir(pasta)):
            caminho = os.path.join(pasta, nome)
            if os.path.isfile(caminho):
                with open(caminho, "rb") as arquivo:
                    conteudo[nome] = arquivo.read()
    return conteudo


def roda(lote, argumentos, localidade):
    ambiente = dict(os.environ, LC_ALL=localidade)
    feito = subprocess.run([lote] + argumentos, capture_output=True, env=ambiente)
    return (feito.returncode, feito.stdout, feito.stderr)


def executa(lote, bases0, pasta, caso, arquivos):
    """Uma pasta de programa nova: importa as bases extras do caso e traduz duas vezes (a segunda sobre a
    pasta de trabalho da primeira). Devolve tudo o que saiu."""
    sistema = os.path.join(pasta, "sistema")
    saida = os.path.join(pasta, "saida")
    shutil.rmtree(sistema, ignore_errors=True)
    shutil.rmtree(saida, ignore_errors=True)
    os.makedirs(saida)
    shutil.copytree(bases0, os.path.join(sistema, "Bases0"))
    resultado = []
    if caso.nomes:
        resultado.append(("importar municipios",
                          roda(lote, ["--sistema", sistema, "importar", "municipios", arquivos["municipios"]],
                               caso.localidade)))
    if caso.siglas:
        resultado.append(("importar ufs", roda(lote, ["--sistema", sistema, "importar", "ufs", arquivos["ufs"]],
                                               caso.localidade)))
    resultado.append(("Bases1", le_pasta(os.path.join(sistema, "Bases1"))))
    for vez in (1, 2):
        argumentos = ["--sistema", sistema, "traduzir", arquivos["original"], arquivos["traducao"], saida, "Res"]
        if caso.pular_excecoes:
            argumentos.append("--pular-excecoes")
        resultado.append(("traduzir %d" % vez, roda(lote, argumentos, caso.localidade)))
        resultado.append(("saida %d" % vez, le_pasta(saida)))
        resultado.append(("Trabalho %d" % vez, le_pasta(os.path.join(sistema, "Trabalho"))))
    return resultado


def primeira_diferenca(a, b):
    for (nome_a, valor_a), (nome_b, valor_b) in zip(a, b):
        if nome_a != nome_b:
            return nome_a + " / " + nome_b
        if valor_a == valor_b:
            continue
        if isinstance(valor_a, dict):
            for arquivo in sorted(set(valor_a) | set(valor_b)):
                x, y = valor_a.get(arquivo), valor_b.get(arquivo)
                if x != y:
                    if x is None or y is None:
                        return "%s: %s só numa das duas" % (nome_a, arquivo)
                    n = next((i for i in range(min(len(x), len(y))) if x[i] != y[i]), min(len(x), len(y)))
                    return "%s: %s difere no byte %d: %r / %r" % (nome_a, arquivo, n, x[max(0, n - 40):n + 40],
                                                                  y[max(0, n - 40):n + 40])
        return "%s: %r / %r" % (nome_a, valor_a, valor_b)
    return None if len(a) == len(b) else "quantidade de passos"


def casos(semente, quantos, grandes):
    rng = random.Random(semente)
    tamanhos = [(0, 0), (1, 1), (5, 3), (30, 12), (200, 60), (2000, 400)]
    if grandes:
        tamanhos += [(20000, 3000), (60000, 8000)]
    for i in range(quantos):
        n, m = tamanhos[i % len(tamanhos)]
        nomes, siglas = [(False, False), (True, False), (False, True), (True, True)][i // len(tamanhos) % 4]
        estranheza = [0, 0.5, 1, 2][rng.randrange(4)]
        semente_caso, fatal = rng.random(), rng.random() < 0.15
        yield Caso("caso%03d-%d-%d-%s%s-e%s%s" % (i, n, m, "M" if nomes else "", "U" if siglas else "", estranheza,
                                                "-fatal" if fatal else ""),
                   random.Random(semente_caso), n, m, estranheza, nomes, siglas, fatal=fatal)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("referencia")
    parser.add_argument("novo")
    parser.add_argument("--casos", type=int, default=48)
    parser.add_argument("--semente", type=int, default=13)
    parser.add_argument("--grandes", action="store_true", help="inclui casos de dezenas de milhares de linhas")
    args = parser.parse_args()
    lotes = [os.path.abspath(args.referencia), os.path.abspath(args.novo)]
    bases0 = [os.path.join(os.path.dirname(lote), "Bases0") for lote in lotes]
    diferentes = 0
    por_saida = collections.Counter()
    with tempfile.TemporaryDirectory(prefix="compara-rodadas-") as raiz:
        for caso in casos(args.semente, args.casos, args.grandes):
            arquivos = {}
            for tipo in ("original", "traducao", "municipios", "ufs"):
                arquivos[tipo] = os.path.join(raiz, tipo + ".csv")
                with open(arquivos[tipo], "wb") as arquivo:
                    arquivo.write(getattr(caso, tipo)())
            pasta = os.path.join(raiz, "rodada")
            saidas = [executa(lote, b0, pasta, caso, arquivos) for lote, b0 in zip(lotes, bases0)]
            diferenca = primeira_diferenca(*saidas)
            codigos = [valor[0] for nome, valor in saidas[0] if nome.startswith("traduzir")]
            print("%-40s %-8s saídas %s" % (caso.nome, "DIFERE" if diferenca else "igual", codigos))
            por_saida[codigos[0]] += 1
            if diferenca:
                diferentes += 1
                print("    " + diferenca)
    # Quantos casos chegaram ao fim (0, 3, 4) e passaram pelo motor, e quantos pararam (1, 2).
    print("casos por saída da 1ª tradução (referência): " +
          ", ".join("%d: %d" % (codigo, n) for codigo, n in sorted(por_saida.items())))
    print("%d caso(s) diferente(s)" % diferentes)
    return 1 if diferentes else 0


if __name__ == "__main__":
    sys.exit(main())
