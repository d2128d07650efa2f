#!/usr/bin/python3
"""Par de medida: a mesma tradução escrita como um script pandas vetorizado faria, para comparar
tempos com o morvisan-lote. Grava o mesmo NOME.CSV, comp.CSV, Morvisan.Log e Morvisan.Avisos que o
programa nas bases que as medições geram (texto Windows-1252 limpo, sem títulos nem aspas); não trata
as esquisitices de arquivo que o programa trata e não é o programa.

Uso: traducao_pandas.py ORIGINAL TRADUCAO MUNICIPIOS UFS PASTA NOME [--pular-excecoes]
(MUNICIPIOS ou UFS "-" quando a base extra não está ativa). Precisa de python3-pandas.
"""
import locale
import sys
from decimal import ROUND_HALF_UP, Decimal

import numpy as np
import pandas as pd

ESPECIAIS = {
    11: [8, 13, 20, 149, 150], 12: [40], 13: [260], 14: [10], 15: [140], 16: [30],
    21: [590, 740, 870, 1130, 1153, 1172, 1300], 22: [1100],
    23: [210, 290, 440, 650, 690, 835, 1140, 1270, 1300], 24: [810], 25: [570, 1600], 26: [1160],
    27: [430], 28: [30, 40, 630, 760], 29: [420, 1080, 1980, 2740], 31: [620], 32: [530], 33: [455],
    35: [1100, 1570, 5030], 41: [690, 1325, 1780], 42: [540, 760, 1390],
    43: [223, 258, 610, 650, 690, 700, 843, 1020, 1090, 1140, 1413, 1490, 1531], 50: [270],
    51: [35, 140, 340, 410, 675, 757, 785, 788, 835],
}


def le(caminho, colunas, textos=()):
    """As colunas de código e população como inteiros, as de texto como estão (vazio é vazio)."""
    tipos = {coluna: (str if coluna in textos else np.int64) for coluna in colunas}
    return pd.read_csv(caminho, sep=";", header=None, names=colunas, dtype=tipos, encoding="cp1252",
                       keep_default_na=False, quoting=3)


def texto_campo(serie, largura):
    """Como um campo de texto do .dbf guarda: cortado, sem brancos finais, vazio vira nulo."""
    cortado = serie.str.slice(0, largura).str.rstrip(" ")
    return cortado.where(cortado != "", None)


def formato_geral(valor, separador):
    """15 algarismos significativos da expansão exata, empate para longe do zero, como o programa."""
    if valor == 0:
        return "0"
    exato = Decimal(abs(valor))
    expoente = exato.adjusted()
    inteiro = int(exato.scaleb(14 - expoente).quantize(Decimal(1), rounding=ROUND_HALF_UP))
    if inteiro >= 10 ** 15:
        inteiro //= 10
        expoente += 1
    digitos = str(inteiro).rstrip("0") or "0"
    sinal = "-" if valor < 0 else ""
    if expoente < -4 or expoente >= 15:
        return sinal + digitos[0] + (separador + digitos[1:] if len(digitos) > 1 else "") + "E" + str(expoente)
    if expoente < 0:
        return sinal + "0" + separador + "0" * (-expoente - 1) + digitos
    inteiros_ = expoente + 1
    if len(digitos) <= inteiros_:
        return sinal + digitos + "0" * (inteiros_ - len(digitos))
    return sinal + digitos[:inteiros_] + separador + digitos[inteiros_:]


def main():
    argumentos = [a for a in sys.argv[1:] if a != "--pular-excecoes"]
    ignora_excecoes = "--pular-excecoes" not in sys.argv
    original, traducao, municipios, ufs, pasta, nome = argumentos
    locale.setlocale(locale.LC_ALL, "")
    separador = locale.localeconv()["decimal_point"]

    bo = le(original, ["CD_UF", "CD_MUN", "POP1", "POP2"])
    bo["ordem_a"] = np.arange(len(bo))
    final = bo
    avisos_registro = []
    # A cópia com as bases extras: junções internas na ordem da base, depois na de cada base extra.
    chaves = []
    if ufs != "-":
        siglas = le(ufs, ["CD_UF", "SG_UF"], ["SG_UF"])
        siglas = siglas.assign(SG_UF=texto_campo(siglas["SG_UF"].str.strip(), 2), ordem_b=np.arange(len(siglas)))
        final = final.merge(siglas, on="CD_UF", how="inner")
        chaves.append(("CD_UF", siglas.groupby("CD_UF").size()))
    if municipios != "-":
        nomes = le(municipios, ["CD_UF", "CD_MUN", "MUN"], ["MUN"])
        mun = nomes["MUN"].str.strip().str.slice(0, 50).str.rstrip()
        nomes = nomes.assign(MUN=mun.where(mun != "", None), ordem_c=np.arange(len(nomes)))
        final = final.merge(nomes, on=["CD_UF", "CD_MUN"], how="inner")
        chaves.append(("CD_MUN", nomes.groupby(["CD_UF", "CD_MUN"]).size()))
    final = final.sort_values([c for c in ("ordem_a", "ordem_b", "ordem_c") if c in final.columns], kind="stable")
    final = final.reindex(columns=["CD_UF", "CD_MUN", "SG_UF", "MUN", "POP1", "POP2"]).reset_index(drop=True)
    if chaves:
        conta_uf = bo["CD_UF"].map(chaves[0][1]).fillna(0) if ufs != "-" else pd.Series(1, index=bo.index)
        conta_mun = (bo.merge(chaves[-1][1].rename("n").reset_index(), how="left", on=["CD_UF", "CD_MUN"])["n"]
                     .fillna(0) if municipios != "-" else pd.Series(1, index=bo.index))
        problema = (conta_uf != 1) | (conta_mun != 1)
        arquivo = original.rsplit("/", 1)[-1]
        for i in np.flatnonzero(problema.to_numpy()):
            fora = conta_uf[i] == 0 or conta_mun[i] == 0
            por_uf = conta_uf[i] == 0 if fora else conta_uf[i] > 1
            avisos_registro.append(";".join([arquivo, str(i + 1), "CD_UF" if por_uf else "CD_MUN",
                                             "fora do resultado" if fora else "repetido no resultado",
                                             str(bo["CD_UF"][i] if por_uf else bo["CD_MUN"][i])]))

    bt = le(traducao, ["CD_UF", "SIT_DOA", "CD_MUND", "SIT_REC", "CD_MUNR", "POP", "DATA", "EXCECAO"],
            ["SIT_DOA", "SIT_REC", "EXCECAO"])
    excecao = bt["EXCECAO"].str.strip()
    excecao = excecao.where(excecao.str.len() <= 8, excecao.str.slice(0, 1))
    bt = bt.assign(SIT_DOA=texto_campo(bt["SIT_DOA"], 10), SIT_REC=texto_campo(bt["SIT_REC"], 10),
                   EXCECAO=excecao == "*")

    # Receptores que faltam, pela primeira mudança que os cita, com o primeiro nome e sigla.
    receptores = bt[["CD_UF", "CD_MUNR"]].drop_duplicates().rename(columns={"CD_MUNR": "CD_MUN"})
    existentes = final[["CD_UF", "CD_MUN"]].drop_duplicates()
    receptores = receptores.merge(existentes, how="left", indicator=True)
    receptores = receptores[receptores["_merge"] == "left_only"][["CD_UF", "CD_MUN"]]
    if ufs != "-":
        receptores = receptores.merge(siglas.drop_duplicates("CD_UF")[["CD_UF", "SG_UF"]], how="left")
    if municipios != "-":
        receptores = receptores.merge(nomes.drop_duplicates(["CD_UF", "CD_MUN"])[["CD_UF", "CD_MUN", "MUN"]],
                                      how="left")
    receptores = receptores.assign(POP1=0, POP2=0).reindex(columns=final.columns)
    final = pd.concat([final, receptores], ignore_index=True)
    final["SG_UF"] = final["SG_UF"].fillna("??")
    final["MUN"] = final["MUN"].fillna("<nome inexistente>")

    # A tradução, mudança a mudança: uma cadeia depende do passo anterior.
    ordem = bt.sort_values(["CD_UF", "DATA", "SIT_DOA", "SIT_REC"], kind="stable", na_position="first")
    # O primeiro registro de cada código: montado de trás para a frente, o primeiro fica por último.
    codigos = (final["CD_UF"].to_numpy() << 32) + final["CD_MUN"].to_numpy()
    posicao = dict(zip(codigos[::-1].tolist(), range(len(codigos) - 1, -1, -1)))
    pop1 = final["POP1"].to_numpy().astype(np.int64).tolist()
    pop2 = final["POP2"].to_numpy().astype(np.int64).tolist()
    log = ["UF;MUN_D;POP1;POP_MOVER;PROPORCAO;POP2;VPROPORCAO;POP_DOADOR;MUN_R;POP_RECEPTOR"]
    for uf, doador, receptor, mover, exc in zip(ordem["CD_UF"].tolist(), ordem["CD_MUND"].tolist(),
                                                ordem["CD_MUNR"].tolist(), ordem["POP"].tolist(),
                                                ordem["EXCECAO"].tolist()):
        if not ignora_excecoes and exc:
            continue
        r = posicao[(uf << 32) + receptor]
        d = posicao.get((uf << 32) + doador)
        if d is None:
            log.append("%d;%d;;%d;;;;;%d;%d" % (uf, doador, mover, receptor, pop2[r]))
            continue
        p1, p2 = pop1[d], pop2[d]
        proporcao, vproporcao = 0.0, 0
        if p1 != 0:
            proporcao = float(mover * 100) / p1
            vproporcao = int(np.rint(np.longdouble(p2) * np.longdouble(proporcao) / np.longdouble(100)))
        pop1[d] -= mover
        pop2[d] -= vproporcao
        doado = pop2[d]
        pop1[r] += mover
        pop2[r] += vproporcao
        log.append("%d;%d;%d;%d;%s;%d;%d;%d;%d;%d" % (uf, doador, p1, mover, formato_geral(proporcao, separador), p2,
                                                      vproporcao, doado, receptor, pop2[r]))
    final["POP1"] = pop1
    final["POP2"] = pop2

    resultado = final[["CD_UF", "SG_UF", "CD_MUN", "MUN", "POP1", "POP2"]]
    no_extrato = np.isin(codigos, [(uf << 32) + m for uf, ms in ESPECIAIS.items() for m in ms])

    def grava_tabela(arquivo, tabela):
        tabela.to_csv(pasta + "/" + arquivo, sep=";", header=False, index=False, lineterminator="\r\n",
                      encoding="cp1252", quoting=3)

    def grava(arquivo, linhas):
        with open(pasta + "/" + arquivo, "w", encoding="cp1252", newline="") as saida:
            saida.write("".join(linha + "\r\n" for linha in linhas))

    grava_tabela(nome + ".CSV", resultado)
    grava_tabela("comp.CSV", resultado[no_extrato])
    grava("Morvisan.Log", log)
    grava("Morvisan.Avisos", ["ARQUIVO;LINHA;CAMPO;AVISO;TEXTO"] + avisos_registro)


if __name__ == "__main__":
    main()
