#!/usr/bin/env python3
"""Records a fixed set of vaneko-cli calls with their exact output into tests/cli/saved_calls.txt.

The saved calls guard refactorings: test_cli replays every call and compares exit code, stdout
and stderr byte for byte. Rerun this only when a change of output is intended, and review the
diff of the saved file: it shows every result that changed.

usage: tools/save_cli_calls.py PATH/TO/vaneko-cli [OUTPUT]
"""
import subprocess
import sys

KEYS = [
    "7", "8", "9", "4", "5", "6", "1", "2", "3", "0", ",", "C", "<<", "+/-", "*", "/", "-", "+",
    "x % de y", "x^Y", "x^1/y", "=", "M", "MR", "MC", "M+", "M-", "X", "XR", "XC", "X+", "X-",
    "Y", "YR", "YC", "Y+", "Y-", "Z", "ZR", "ZC", "Z+", "Z-", "Saisir Résultat", "Coller", "x^2",
    "x^3", "1/x", "Log", "Ln", "Sin", "Cos", "Tan", "ArcSin", "ArcCos", "ArcTan", "e^x", "10^x",
    "CoTan", "ArcCoTan", "Sin h", "ArcSin h", "Cos h", "ArcCos h", "Tan h", "ArcTan h", "Sec",
    "CoSec", "ArcSec", "ArcCoSec", "N !", "Gamma ", "Sqrt(x^2 + y^ 2)", "ArcTan X / Y",
    "Sqrt(x^2 - y^ 2)", "X / Sin Y", "X / Cos Y", "X * Sin Y", "X * CosY", "ArcSin X / Y",
    "ArcCos X / Y", "X * Tan Y", "X * CoTan Y", "ArcCoTan X/Y", "Sqrt(1 - Sin^ 2 X)",
    "Sqrt(1 - Cos^ 2 X)", "Sqrt(Sec^ 2 X - 1)", "Sqrt(1 + Tan^ 2 X)", "Sqrt(CoSec^ 2 X - 1)",
    "Sqrt(1 + CoTan^ 2 X )", "X * Sin Y / Sin X", "Y * Sin X / Sin Y", "1 / Sqrt(x^2 + y^ 2)",
    "Sqrt(x^2 + y^ 2 + z^2)", "Sqrt(x^2 - y^ 2 - z^2)", "ArcCos X / Sqrt(x^2 + y^ 2)",
    "ArcSin Y / Sqrt(x^2 + y^ 2)", "ArcTan Z / Sqrt(x^2 + y^ 2)", "Sqrt[X^2 + Y^2 - 2XYcosZ]",
    "1/ 2 [Sin (X + Y) + Sin (X - Y)]", "1/ 2 [Cos (X + Y) + Cos (X - Y)]",
    "1/ 2 [Cos (X - Y) - Cos (X + Y)]", "X * Cos Y * Cos Z", "X * Cos Y * Sin Z",
    "1 / sqrt(2Pi) - e ^ (-X^2 / 2)", "Binomial (N,K)", "Pi", "2Pi", "Pi / 2", "Sqrt Pi",
    "Sqrt 2Pi", "1 / Sqrt2Pi", "Ln Sqrt2Pi", "Ln 2Pi / 2", "Ln Pi", "Ln2", "Ln10", "Inv Ln2",
    "Inv Ln10", "Sqrt2", "Sqrt2 / 2", "Gold", "CGold", "e", "y", "Euler", "Sqrt3", "Omega",
    "Gauss", "Laplace", "Plastique", "Fibonacci", "c", "g0", "G(80)", "h (11)", "h / 2pi (18)",
    "mp(16)", "lp(12)", "tp(40)", "Tp(11)", "Q", "Ep", "Fp",
]
# Number of units in the from-list of each tab (tab 5: foods, headings and blanks included).
FROM_COUNTS = [4, 17, 9, 11, 30, 290, 26, 23, 5, 15, 38, 21, 5, 36, 15, 11, 6, 5]
KITCHEN_MEASURES = 6


def calls():
    yield ["categories"]
    for tab in range(18):
        yield ["units", str(tab)]
        yield ["units", str(tab), "--lang", "en"]
    for tab, count in enumerate(FROM_COUNTS):
        if tab == 5:
            for i in range(count):
                for j in range(KITCHEN_MEASURES):
                    if (i + j) % 4 == 0:
                        yield ["convert", "5", str(i), str(j), "100"]
            continue
        for i in range(count):
            for j in range(count):
                if (i * 7 + j) % 4 == 0:
                    yield ["convert", str(tab), str(i), str(j), "1"]
                if (i + 2 * j) % 13 == 0:
                    for value in ("-2,5", "123456,789012", "1E-7", "0", "3E300"):
                        yield ["convert", str(tab), str(i), str(j), value]
    yield ["convert", "--lang", "en", "Distance", "Mile", "Kilometre", "1"]
    yield ["convert", "Distance", "Mile", "Kilomètre", "1"]
    yield ["convert", "1", "0", "13", "1.5"]
    yield ["convert", "1", "0", "13", "1E400"]
    yield ["convert", "1", "0", "13", ""]
    yield ["convert", "1", "-1", "13", "1"]
    yield ["convert", "19", "0", "1", "1"]
    for key in KEYS:
        yield ["keys", "--state", "2", key]
        yield ["keys", "--state", "Rad", "0,5", key]
        yield ["keys", "--state", "3", "X", "4", "Y", "0,5", "Z", "Grad", key]
        yield ["keys", "--state", "0", "X", "0", "Y", "0", "Z", "0", key]
        yield ["keys", key, "*", "2", "="]
    for seq in (
        ["2", "+", "3", "*", "4", "="],
        ["8", "/", "0", "=", "2", "="],
        ["2", "x^Y", "1", "0", "="],
        ["2", "7", "x^1/y", "3", "="],
        ["5", "0", "x % de y", "8", "="],
        ["1", ",", "5", "+/-", "<<", "<<", "7"],
        ["type:2+3", "Enter"],
        ["type:1.5", "Enter"],
        ["type:a-b"],
        ["type:12,5*2", "Enter", "M+", "M+", "MR"],
        ["Pi", "-", "Pi", "="],
        ["Pi", "M", "Pi", "M-"],
        ["Rad", "type:3,14159265358979", "Sin"],
        ["Rad", "Pi", "+", "1", "=", "type:3,14159265358979", "Sin"],
        ["type:1E400", "Enter"],
        ["9", "9", "9", "x^Y", "9", "9", "9", "="],
        ["1", "7", "1", "N !"],
        ["nosuchkey"],
    ):
        yield ["keys", "--state", *seq]


def main():
    cli = sys.argv[1]
    output = sys.argv[2] if len(sys.argv) > 2 else "tests/cli/saved_calls.txt"
    with open(output, "w", encoding="utf-8", newline="\n") as f:
        f.write("# vaneko-cli calls and their exact output; written by tools/save_cli_calls.py.\n")
        for args in calls():
            run = subprocess.run([cli, *args], capture_output=True)
            f.write("$ " + "\t".join(args) + "\n")
            f.write(f"exit {run.returncode}\n")
            for prefix, data in (("> ", run.stdout), ("! ", run.stderr)):
                text = data.decode("utf-8")
                assert text == "" or text.endswith("\n"), (args, text)
                for line in text.splitlines():
                    f.write(prefix + line + "\n")


if __name__ == "__main__":
    main()
