#!/usr/bin/env python3
"""Os construtores de dados/mudancas-brasil.csv e de exemplos/ refazem, byte a byte, o que está no
repositório: a tabela e os exemplos só mudam junto com as fontes ou com o construtor."""
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
        self.confere("monta-mudancas-brasil.py", "dados", ["mudancas-brasil.csv"])

    def test_exemplos(self):
        self.confere("monta-exemplos.py", "exemplos", ["censo-2010.csv", "censo-2000.csv"])


if __name__ == "__main__":
    unittest.main()
