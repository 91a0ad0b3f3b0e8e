#!/usr/bin/env python3
"""Small faults to plant in C++ sources, for scripts/plant-faults.sh.

  fault-sites.py list SEED FILE...        every site, shuffled by SEED, one a line:
                                          file<TAB>line<TAB>column<TAB>kind<TAB>old<TAB>new
  fault-sites.py apply FILE LINE COLUMN OLD NEW
                                          replaces OLD at LINE:COLUMN (both from 1) by NEW

Each site's place in the list comes from a hash of SEED and the site's own line text, so
the same SEED gives the same faults in the same order on a later version of the tests,
and a change to one source moves only that source's sites. Sites are found on the code only: comments, string and
character literals and preprocessor lines are blanked out first. The patterns lean on
clang-format's layout (binary operators stand between spaces; templates and references
do not).
"""
import hashlib
import re
import sys

FLIPPED = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
COMPARISON = re.compile(r"(?<= )(==|!=|<=|>=|<|>)(?= )")
LOGIC = re.compile(r"(?<= )(&&|\|\|)(?= )")
BOOLEAN = re.compile(r"\b(true|false)\b")
LITERAL = re.compile(r"(?<![\w.])(\d+)([uUlL]*)(?![\w.])")
INDEX = re.compile(r"\[([A-Za-z_]\w*)\]")
# A whole statement that is one call: callee (with . -> ::), arguments, semicolon.
KEYWORDS = r"(?:return|if|else|while|for|switch|case|delete|throw|co_await|co_return|co_yield)\b"
CALL = re.compile(r"^(\s*)((?!" + KEYWORDS + r")[A-Za-z_][\w:]*(?:(?:\.|->)[A-Za-z_]\w*)*(?:<[^;]*>)?\(.*\);)\s*$")


def blank_non_code(text):
    """The text with comments, literals' contents and preprocessor lines blanked, same layout."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and text[i:].lstrip(" \t").startswith("#"):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(" " * (end - i))
            i = end
            continue
        line_start = c == "\n" or (line_start and c in " \t")
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(" " * (end - i))
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + "_" * (j - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def statement_starts_here(previous_code_line):
    """Whether a line after this one begins a new statement."""
    last = previous_code_line.rstrip()
    return last == "" or last[-1] in ";{}):" or last.endswith("else")


def balanced(code):
    depth = 0
    for c in code:
        depth += {"(": 1, ")": -1}.get(c, 0)
        if depth < 0:
            return False
    return depth == 0


def draw(seed, path, *site):
    """A number that depends only on the seed and the site, not on the other sites."""
    key = "\0".join(str(part) for part in (seed, path, *site))
    return int.from_bytes(hashlib.sha256(key.encode()).digest()[:8], "big")


def stable_place(path, line, cache={}):
    """A line's text and how many equal lines come before it: its place, line numbers aside."""
    if path not in cache:
        seen, places = {}, []
        for text in open(path, encoding="utf-8").read().split("\n"):
            text = text.strip()
            places.append((text, seen.get(text, 0)))
            seen[text] = seen.get(text, 0) + 1
        cache[path] = places
    return cache[path][line - 1]


def sites_in(path, seed):
    with open(path, encoding="utf-8") as f:
        original = f.read().split("\n")
    code_lines = blank_non_code("\n".join(original)).split("\n")
    previous = ""
    for number, (code, source) in enumerate(zip(code_lines, original), start=1):
        for m in COMPARISON.finditer(code):
            yield number, m.start(), "comparison", m.group(1), FLIPPED[m.group(1)]
        for m in LOGIC.finditer(code):
            yield number, m.start(), "logic", m.group(1), "||" if m.group(1) == "&&" else "&&"
        for m in BOOLEAN.finditer(code):
            yield number, m.start(), "boolean", m.group(1), "false" if m.group(1) == "true" else "true"
        for m in LITERAL.finditer(code):
            value = int(m.group(1))
            step = 1 if value == 0 or draw(seed, path, source, m.start()) % 2 else -1
            yield number, m.start(), "off-by-one", m.group(0), f"{value + step}{m.group(2)}"
        for m in INDEX.finditer(code):
            yield number, m.start(), "off-by-one", m.group(0), f"[{m.group(1)} + 1]"
        m = CALL.match(code)
        if m and statement_starts_here(previous) and balanced(m.group(2)):
            start = len(m.group(1))
            yield number, start, "dropped call", source[start : start + len(m.group(2))], ";"
        if code.strip():
            previous = code


def main():
    if len(sys.argv) >= 3 and sys.argv[1] == "list":
        seed = int(sys.argv[2])
        sites = [(path, *site) for path in sys.argv[3:] for site in sites_in(path, seed)]
        sites.sort(key=lambda s: (draw(seed, s[0], *stable_place(s[0], s[1]), *s[2:]), s))
        for path, line, column, kind, old, new in sites:
            print(f"{path}\t{line}\t{column + 1}\t{kind}\t{old}\t{new}")
    elif len(sys.argv) == 7 and sys.argv[1] == "apply":
        path, line, column, old, new = sys.argv[2], int(sys.argv[3]), int(sys.argv[4]) - 1, *sys.argv[5:]
        with open(path, encoding="utf-8") as f:
            lines = f.read().split("\n")
        text = lines[line - 1]
        if text[column : column + len(old)] != old:
            sys.exit(f"{path}:{line}:{column + 1}: '{old}' is not there (the source changed?)")
        lines[line - 1] = text[:column] + new + text[column + len(old) :]
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(lines))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
