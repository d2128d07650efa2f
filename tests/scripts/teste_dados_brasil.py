#!/usr/bin/env python3
"""Os construtores de dados/mudancas-brasil.csv e de exemplos/ refazem, byte a byte, o que está no
repositório: a tabela e os exemplos só mudam junto com as fontes ou com o construtor."""
import csv
import os
import subprocess
import sys
import tempfile
import unittest

RAIZ = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class Reproducao(unittest.TestCase):
    def confere(self, construtor, pasta_guardada, arquivos):
        with tempfile.TemporaryDirectory() as pasta:
            subprocess.run([sys.executable, os.path.join(RAIZ, "scripts", construtor), pasta], check=True)
            for nome in arquivos:
                with self.subTest(arquivo=nome):
                    with open(os.path.join(pasta, nome), "rb") as feito, \
                            open(os.path.join(RAIZ, pasta_guardada, nome), "rb") as guardado:
                        novas, velhas = feito.read().split(b"\r\n"), guardado.read().split(b"\r\n")
                    diferente = next((i for i, (a, b) in enumerate(zip(novas, velhas)) if a != b), None)
                    self.assertIsNone(diferente, f"{nome}, linha {diferente and diferente + 1}: "
                                                 f"{novas[diferente] if diferente is not None else ''!r}")
                    self.assertEqual(len(novas), len(velhas), f"{nome}: número de linhas")

    def test_tabela_de_mudancas(self):
        self.confere("monta-mudancas-brasil.py", "dados", ["mudancas-brasil.csv", "divisoes-brasil.csv"])

    def test_divisoes_sao_as_listas_do_ibge(self):
        """Cada retrato anual da DTB sai inteiro, códigos e nomes, da divisão do ano que ele retrata;
        a de 1991 são os municípios do período 1980-1991 da Evolução da Divisão Territorial."""
        def le(nome, encoding):
            with open(os.path.join(RAIZ, "dados", nome), encoding=encoding, newline="") as arquivo:
                return list(csv.DictReader(arquivo, delimiter=";"))
        linhas = le("divisoes-brasil.csv", "cp1252")

        def divisao(ano):
            return {l["CODIGO"]: l["NOME"] for l in linhas
                    if int(l["ANO_INICIAL"]) <= ano and (not l["ANO_FINAL"] or ano <= int(l["ANO_FINAL"]))}
        retratos = {}
        for l in le("fontes/municipios-por-ano.csv", "utf-8"):
            retratos.setdefault(int(l["ano"]), {})[l["cod_municipio"]] = l["nome_municipio"]
        for retrato, ano in ((1994, 1993), (2000, 1997), (2003, 2001), (2005, 2005), (2009, 2009), (2010, 2010),
                             (2013, 2013)):
            with self.subTest(retrato=retrato):
                self.assertEqual(divisao(ano), retratos[retrato])
        de_1991 = {l["code2010"] for l in le("fontes/evolucao-divisao-ibge.csv", "utf-8")
                   if l["mun1980"] and not l["mun1980"].startswith("anexado")}
        self.assertEqual(set(divisao(1991)), de_1991)
        self.assertEqual(len(divisao(2025)), 5571)

    def test_exemplos(self):
        self.confere("monta-exemplos.py", "exemplos", ["censo-2010.csv", "censo-2000.csv"])


if __name__ == "__main__":
    unittest.main()
