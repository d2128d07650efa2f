#!/usr/bin/env python3
"""Monta a tabela de mudanças do Brasil (dados/mudancas-brasil.csv) a partir das fontes de dados/fontes/.

Uma linha por par doador -> receptor de cada município instalado de 1993 a 2025, na ordem em que as
mudanças se aplicam. Só a biblioteca padrão; rodar de novo sobre as mesmas fontes dá os mesmos bytes.

Ao lado, dados/divisoes-brasil.csv: os municípios de cada divisão que a tabela conhece (1º de janeiro de
1991, 1993, 1997, 2001, 2005, 2009, 2010, 2013 e 2025), uma linha por município e nome, com o primeiro e o
último ano em que ele tem esse nome.

Uso: monta-mudancas-brasil.py [PASTA_DE_SAIDA]   (sem pasta: dados/ do projeto)
"""
import csv
import os
import re
import sys
import unicodedata
from collections import defaultdict
from fractions import Fraction

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONTES = os.path.join(RAIZ, "dados", "fontes")
ARQUIVO = "mudancas-brasil.csv"
ARQUIVO_DIVISOES = "divisoes-brasil.csv"
TITULOS_DIVISOES = "CD_UF;CD_MUN;CODIGO;NOME;ANO_INICIAL;ANO_FINAL"

TITULOS = ("DATA;CD_UF;CD_MUND;COD_DOADOR;DOADOR;CD_MUNR;COD_RECEPTOR;RECEPTOR;ANO_REF;POP_DOADOR;"
           "POP_MOVIDA;METODO;ORIGEM;ANO_REF_2;POP_DOADOR_2;POP_MOVIDA_2;METODO_2;ORIGEM_2;TEXTO_IBGE")
MEDIDO, ESTIMADO, INDETERMINADO = "medido", "estimado", "indeterminado"

# O primeiro retrato da DTB que traz o receptor dá o ano de instalação (1º de janeiro, depois das
# eleições municipais).
RETRATOS = ((1994, 1993), (2000, 1997), (2003, 2001), (2005, 2005), (2009, 2009))

# Nomes de doador escritos errado no texto do IBGE: sem a correção não acham código.
CORRECOES = {
    "Cânddo Mendes": "Cândido Mendes",
    "Santa Quitéira do Maranhão": "Santa Quitéria do Maranhão",
    "São Franncisco": "São Francisco",
    "Lençóis Paulistas": "Lençóis Paulista",
    "Gurapuava": "Guarapuava",
    "Aberlardo Luz": "Abelardo Luz",
    "Tupaciretã": "Tupanciretã",
    "Campo Novo dos Parecis": "Campo Novo do Parecis",
    "Pirancajuba": "Piracanjuba",
}

# Marca da tabela 2013-2025 -> método. Números de imprensa incoerentes ou em errata valem como
# estimativa: o usuário é avisado ao usá-los.
METODO_DA_MARCA = {"derivado-IBGE": MEDIDO, "proxy": ESTIMADO, "imprensa": ESTIMADO, "desconhecido": INDETERMINADO}


class Par:
    def __init__(self, data, uf, doador, receptor, texto):
        self.data, self.uf, self.doador, self.receptor, self.texto = data, uf, doador, receptor, texto
        self.ano_ref = self.pop_doador = self.movida = None
        self.metodo, self.origem, self.origem_1991 = INDETERMINADO, "", ""
        # Outra referência medida pelas fontes: (ano, população do doador, movida, método, origem).
        self.segunda = None
        self.geracao_doador = self.geracao_receptor = 1
        # Só os pares publicados trazem o nome do receptor (5101837 não está em DTB nenhuma).
        self.nome_receptor = None

    def chave(self):
        return (self.data, self.uf, self.geracao_doador, self.geracao_receptor, self.receptor, self.doador)


def le_csv(nome):
    with open(os.path.join(FONTES, nome), encoding="utf-8", newline="") as arquivo:
        return list(csv.DictReader(arquivo, delimiter=";"))


def numero(n):
    """Número com ponto de milhar, como os textos do IBGE."""
    return f"{n:,}".replace(",", ".")


def normaliza(nome):
    sem_acento = "".join(c for c in unicodedata.normalize("NFD", nome) if unicodedata.category(c) != "Mn")
    return " ".join(sem_acento.lower().replace("'", " ").replace("-", " ").split())


class Divisao:
    """Os retratos anuais da DTB: nomes por código e o índice de nomes normalizados por UF."""

    def __init__(self):
        self.retratos = defaultdict(dict)
        for linha in le_csv("municipios-por-ano.csv"):
            self.retratos[int(linha["ano"])][linha["cod_municipio"]] = linha["nome_municipio"]
        self.indice = defaultdict(lambda: defaultdict(set))
        for ano in (1994, 2000, 2010, 2013):
            for codigo, nome in self.retratos[ano].items():
                self.indice[codigo[:2]][normaliza(nome)].add(codigo)

    def nome(self, codigo):
        for ano in (2013, 2010):
            if codigo in self.retratos[ano]:
                return self.retratos[ano][codigo]
        raise SystemExit(f"código {codigo} fora das DTB de 2010 e 2013")

    def ano_instalacao(self, codigo):
        for retrato, ano in RETRATOS:
            if codigo in self.retratos[retrato]:
                return ano
        raise SystemExit(f"receptor {codigo} fora dos retratos de 1994 a 2009")

    def codigo(self, nome, uf, receptor):
        nome = CORRECOES.get(nome, nome)
        codigos = self.indice[uf].get(normaliza(nome), set())
        if len(codigos) != 1:
            raise SystemExit(f"doador '{nome}' de {receptor}: {len(codigos)} códigos na UF {uf}")
        return next(iter(codigos))

    def doadores(self, texto, uf, receptor):
        """Os doadores de "desmembrado de X, Y e Z", sem cortar nomes que têm " e " (Pontes e Lacerda)."""
        lista = texto.rstrip(" *")[len("desmembrado de "):]
        protegidos = sorted((n for n in self.indice[uf] if " e " in n), key=len, reverse=True)
        partes, resto = [], lista
        while resto:
            for nome in protegidos:
                # Um nome com " e " só vale inteiro: seguido do fim, de ", " ou de " e ".
                casado = re.match(r"(.{%d})(?=$|, | e )" % len(nome), resto)
                if casado and normaliza(casado.group(1)) == nome:
                    partes.append(casado.group(1))
                    resto = resto[len(nome):]
                    break
            else:
                casado = re.match(r"(.+?)(?=$|, | e )", resto)
                partes.append(casado.group(1))
                resto = resto[len(casado.group(1)):]
            resto = re.sub(r"^(, | e )", "", resto)
        return [self.codigo(parte.strip(), uf, receptor) for parte in partes]


def pares_do_ibge(divisao):
    """Pares de 1991-2010 dos textos "desmembrado de" dos períodos 1991 e 2000 (municípios de 2010)."""
    pares = []
    for linha in le_csv("evolucao-divisao-ibge.csv"):
        if not linha["mun2010"]:
            continue
        for coluna in ("mun1991", "mun2000"):
            texto = linha[coluna]
            if not texto.startswith("desmembrado de "):
                continue
            receptor = linha["code2010"]
            data = divisao.ano_instalacao(receptor) * 10000 + 101
            for doador in divisao.doadores(texto, linha["cod_uf"], receptor):
                pares.append(Par(data, linha["cod_uf"], doador, receptor, texto))
    return pares


def pares_publicados():
    """Pares de 2013 e 2025 com a população movida publicada (ajustes de limites sem data ficam fora)."""
    pares = []
    for linha in le_csv("mudancas-2013-2025.csv"):
        if linha["tipo"] != "criação":
            continue
        par = Par(int(linha["data_instalacao"].replace("-", "")), linha["cod_uf"], linha["cod_doador"],
                  linha["cod_receptor"], "")
        par.nome_receptor = linha["receptor"]
        par.metodo = METODO_DA_MARCA[linha["marca"]]
        if linha["pop_movida"]:
            par.movida, par.ano_ref = int(linha["pop_movida"]), int(linha["ano_ref_pop"])
            par.origem = linha["como_obtido"] + (". Observação: " + linha["observacao"] if linha["observacao"] else "")
        else:
            par.origem = "população movida não publicada"
        pares.append(par)
    return pares


def ordena_em_cadeia(pares):
    """Geração de cada município dentro da data: quem é criado na mesma data recebe antes de ceder
    (Macapá -> Serra do Navio -> Pedra Branca do Amapari, em 1993)."""
    por_data = defaultdict(list)
    for par in pares:
        por_data[par.data].append(par)
    for lista in por_data.values():
        geracao = defaultdict(lambda: 1)
        for _ in range(len(lista) + 1):
            mudou = False
            for par in lista:
                if geracao[par.receptor] < geracao[par.doador] + 1:
                    geracao[par.receptor] = geracao[par.doador] + 1
                    mudou = True
            if not mudou:
                break
        else:
            raise SystemExit("ciclo de criações numa mesma data")
        for par in lista:
            par.geracao_doador, par.geracao_receptor = geracao[par.doador], geracao[par.receptor]
    pares.sort(key=Par.chave)


def reparte(total, pesos):
    """Divide o total inteiro pelos pesos, pelo maior resto (as partes somam o total)."""
    soma = sum(pesos)
    exatas = [Fraction(total * p, soma) for p in pesos]
    partes = [int(e) for e in exatas]
    ordem = sorted(range(len(pesos)), key=lambda i: (-(exatas[i] - partes[i]), i))
    for i in ordem[:total - sum(partes)]:
        partes[i] += 1
    return partes


def mede_2000(pares, censo2000, atlas2000):
    """População movida em números de 2000 para os pares de 2001-2009, pelo balanço de cada município
    entre o Censo 2000 (malha de 2000) e o Atlas pop_00 (malha de 2010). Cada rodada resolve as arestas
    dos municípios que só têm uma desconhecida: primeiro pelos receptores (o Atlas do município novo),
    depois pelos doadores (Censo menos Atlas). Saldo negativo é ajuste de limites, não conta."""
    novos = {p.receptor for p in pares}
    movida = {}
    como = {}
    inutil = set()

    def desconhecidos(m):
        return [p for p in pares if id(p) not in movida and m in (p.doador, p.receptor)]

    def saldo(m):
        # Entradas menos saídas ainda não explicadas.
        s = atlas2000[m] - (0 if m in novos else censo2000[m])
        for p in pares:
            if id(p) in movida:
                s += movida[id(p)] if p.doador == m else 0
                s -= movida[id(p)] if p.receptor == m else 0
        return s

    municipios = sorted({p.doador for p in pares} | novos)
    while True:
        resolvidos = 0
        for receptores in (True, False):
            folhas = [m for m in municipios if (m in novos) == receptores and m not in inutil and len(desconhecidos(m)) == 1]
            calculos = []
            for m in folhas:
                (par,) = desconhecidos(m)
                valor = saldo(m) if par.receptor == m else -saldo(m)
                if valor < 0:
                    inutil.add(m)
                else:
                    calculos.append((par, valor, m))
            for par, valor, m in calculos:
                if id(par) in movida:
                    continue
                movida[id(par)] = valor
                if m in novos:
                    outros = atlas2000[m] - valor
                    como[id(par)] = f"Atlas 2000 do receptor na malha de 2010 ({numero(atlas2000[m])})" + (
                        f" menos {numero(outros)} vindos dos outros doadores" if outros else "")
                else:
                    outros = censo2000[m] - atlas2000[m] - valor
                    como[id(par)] = (f"Censo 2000 do doador ({numero(censo2000[m])}) menos Atlas 2000 do doador "
                                     f"na malha de 2010 ({numero(atlas2000[m])})") + (
                        f" menos {numero(outros)} cedidos aos outros receptores" if outros else "")
                resolvidos += 1
            if resolvidos:
                break
        if not resolvidos:
            break

    # O que sobra são ciclos (dois doadores que cedem, cada um, aos mesmos dois receptores): o resto de
    # cada receptor se reparte pelo que cada doador ainda tem a ceder, o que fecha os dois balanços.
    sobra = [p for p in pares if id(p) not in movida]
    for receptor in sorted({p.receptor for p in sobra}):
        seus = [p for p in sobra if p.receptor == receptor]
        pesos = [-saldo(p.doador) for p in seus]
        total = saldo(receptor)
        if total < 0 or min(pesos) <= 0:
            raise SystemExit(f"receptor {receptor}: resto {total} sem repartição possível")
        for par, parte in zip(seus, reparte(total, pesos)):
            movida[id(par)] = parte
            como[id(par)] = (f"resto do receptor ({numero(total)}) repartido entre os doadores pelo que cada um "
                             f"ainda cedeu (Censo 2000 menos Atlas 2000)")
        for par in seus:
            par.metodo = ESTIMADO
    for par in pares:
        par.movida, par.origem, par.ano_ref = movida[id(par)], como[id(par)], 2000
        if par.metodo != ESTIMADO:
            par.metodo = MEDIDO


def mede_1991(pares, atlas1991):
    """População movida em números de 1991 (Atlas pop_91, malha de 2010), de 1993 a 2009. Não há Censo
    1991 na malha de 1991: mede-se só o receptor, pela sua área de 2010 mais o que ele cedeu depois.
    Com vários doadores, o total do receptor se reparte pela população de 1991 de cada doador."""
    movida, estimada = {}, {}
    cedido, recebido = defaultdict(int), defaultdict(int)
    cedido_estimado = defaultdict(bool)
    for receptor, seus in receptores_do_ultimo_ao_primeiro(pares):
        total = atlas1991[receptor] + cedido[receptor]
        partes = reparte(total, [atlas1991[p.doador] + cedido[p.doador] for p in seus])
        for par, parte in zip(seus, partes):
            movida[id(par)] = parte
            estimada[id(par)] = len(seus) > 1 or cedido_estimado[receptor]
            par.origem_1991 = origem_1991(atlas1991[receptor], cedido[receptor], cedido_estimado[receptor], len(seus))
        for par, parte in zip(seus, partes):
            cedido[par.doador] += parte
            recebido[par.receptor] += parte
            cedido_estimado[par.doador] |= estimada[id(par)]
    # A população de cada município na malha de 1991: a de 2010, mais o que cedeu, menos o que recebeu.
    inicial = {m: atlas1991[m] + cedido[m] - recebido[m] for m in atlas1991}
    return movida, estimada, inicial


def origem_1991(atlas, cedido, cedido_estimado, doadores):
    depois = ""
    if cedido:
        depois = f" mais {numero(cedido)} que ele cedeu depois" + (", em parte estimados" if cedido_estimado else "")
    if doadores == 1:
        return f"Atlas 1991 do receptor na malha de 2010 ({numero(atlas)}){depois}"
    return (f"total do receptor em 1991 ({numero(atlas + cedido)}: Atlas 1991 na malha de 2010{depois}) "
            "repartido entre os doadores pela população de 1991 de cada um")


def receptores_do_ultimo_ao_primeiro(pares):
    """Receptores do último ao primeiro na ordem da cadeia: tudo o que um receptor cede depois já
    está somado quando se mede o que ele recebeu."""
    grupos, ordem = defaultdict(list), []
    for par in reversed(pares):
        if par.receptor not in grupos:
            ordem.append(par.receptor)
        grupos[par.receptor].append(par)
    return [(r, list(reversed(grupos[r]))) for r in ordem]


def aplica_1991(pares, atlas1991):
    """Os pares de 1993 e 1997 ficam com os números de 1991; os de 2001 a 2009 entram só para
    reconstruir a população de 1991 dos doadores."""
    anteriores = [p for p in pares if p.data < 20100101]
    movida, estimada, inicial = mede_1991(anteriores, atlas1991)
    antes = populacao_antes(anteriores, inicial, movida)
    for par in anteriores:
        metodo = ESTIMADO if estimada[id(par)] else MEDIDO
        if par.data < 20000101:
            par.movida, par.ano_ref, par.origem, par.metodo = movida[id(par)], 1991, par.origem_1991, metodo
        else:
            # Os de 2001 a 2009 levam também a fração de 1991, para uma base na divisão de 1991 a 2000.
            par.segunda = (1991, antes[id(par)], movida[id(par)], metodo, par.origem_1991)
    return antes


def populacao_antes(pares, inicial, movida):
    """A população do doador logo antes de cada par, aplicando os pares na ordem da cadeia."""
    populacao = defaultdict(int, inicial)
    antes = {}
    for par in pares:
        antes[id(par)] = populacao[par.doador]
        populacao[par.doador] -= movida[id(par)]
        populacao[par.receptor] += movida[id(par)]
    return antes


def monta_tabela():
    divisao = Divisao()
    atlas = {linha["cod_ibge"]: linha for linha in le_csv("atlas-malha2010.csv")}
    atlas1991 = {c: int(linha["pop_91"]) for c, linha in atlas.items()}
    atlas2000 = {c: int(linha["pop_00"]) for c, linha in atlas.items()}
    censo = le_csv("censo-2000-2010.csv")
    censo2000 = {linha["cod_ibge"]: int(linha["pop_2000"]) for linha in censo if linha["pop_2000"]}
    censo2010 = {linha["cod_ibge"]: int(linha["pop_2010"]) for linha in censo if linha["pop_2010"]}

    pares = pares_do_ibge(divisao) + pares_publicados()
    ordena_em_cadeia(pares)

    antes_1991 = aplica_1991(pares, atlas1991)
    periodo_2000 = [p for p in pares if 20000101 < p.data < 20100101]
    mede_2000(periodo_2000, censo2000, atlas2000)
    antes_2000 = populacao_antes(periodo_2000, censo2000, {id(p): p.movida for p in periodo_2000})
    periodo_2010 = [p for p in pares if 20100101 < p.data < 20200101]
    antes_2010 = populacao_antes(periodo_2010, censo2010, {id(p): p.movida for p in periodo_2010})
    for par in pares:
        if par.segunda and not 0 <= par.segunda[2] <= par.segunda[1]:
            raise SystemExit(f"par {par.doador}->{par.receptor}: movida de 1991 {par.segunda[2]} de {par.segunda[1]}")
        par.pop_doador = antes_1991.get(id(par)) if par.data < 20000101 else (
            antes_2000.get(id(par)) if par.data < 20100101 else antes_2010.get(id(par)))
        if par.movida is None:
            par.pop_doador = None
        elif par.pop_doador is None or not 0 <= par.movida <= par.pop_doador:
            raise SystemExit(f"par {par.doador}->{par.receptor}: movida {par.movida} de {par.pop_doador}")
    return pares, divisao


def divisoes(divisao, pares):
    """As listas de 1º de janeiro de cada ano conhecido: a de 1991 é a de 1993 sem os instalados em
    1993; a de 2025 é a de 2013 com os instalados em 2025."""
    listas = {ano: divisao.retratos[retrato] for retrato, ano in RETRATOS}
    listas[2010], listas[2013] = divisao.retratos[2010], divisao.retratos[2013]
    instalados_1993 = {p.receptor for p in pares if p.data == 19930101}
    listas[1991] = {c: n for c, n in listas[1993].items() if c not in instalados_1993}
    listas[2025] = dict(listas[2013])
    for par in pares:
        if par.data // 10000 > 2013:
            listas[2025][par.receptor] = par.nome_receptor
    return dict(sorted(listas.items()))


def linhas_das_divisoes(listas):
    """Uma linha por município e nome: o nome vale do ANO_INICIAL ao ANO_FINAL (vazio: até hoje)."""
    anos = list(listas)
    linhas = []
    for codigo in sorted(set().union(*listas.values())):
        trechos = []
        for i, ano in enumerate(anos):
            nome = listas[ano].get(codigo)
            if nome is None:
                continue
            if trechos and trechos[-1][0] == nome and trechos[-1][2] == i - 1:
                trechos[-1][2] = i
            else:
                trechos.append([nome, i, i])
        for nome, inicio, fim in trechos:
            final = "" if fim == len(anos) - 1 else str(anos[fim + 1] - 1)
            linhas.append(f"{codigo[:2]};{int(codigo[2:6])};{codigo};{nome};{anos[inicio]};{final}")
    return linhas


def grava(pasta, nome, linhas):
    with open(os.path.join(pasta, nome), "wb") as saida:
        saida.write("".join(linha + "\r\n" for linha in linhas).encode("cp1252"))


def linha_da_tabela(par, divisao):
    def vazio_ou(valor):
        return "" if valor is None else str(valor)

    nome_receptor = par.nome_receptor or divisao.nome(par.receptor)
    campos = [
        str(par.data), par.uf,
        str(int(par.doador[2:6])), par.doador, divisao.nome(par.doador),
        str(int(par.receptor[2:6])), par.receptor, nome_receptor,
        vazio_ou(par.ano_ref), vazio_ou(par.pop_doador), vazio_ou(par.movida),
        par.metodo, par.origem,
        *(["", "", "", "", ""] if par.segunda is None else [str(v) for v in par.segunda]),
        par.texto,
    ]
    for campo in campos[:-1]:
        if ";" in campo or "\r" in campo or "\n" in campo:
            raise SystemExit(f"campo com separador: {campo}")
    return ";".join(campos)


def main():
    pasta = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RAIZ, "dados")
    pares, divisao = monta_tabela()
    grava(pasta, ARQUIVO, [TITULOS] + [linha_da_tabela(par, divisao) for par in pares])
    grava(pasta, ARQUIVO_DIVISOES, [TITULOS_DIVISOES] + linhas_das_divisoes(divisoes(divisao, pares)))


if __name__ == "__main__":
    main()
