#!/usr/bin/env python3
"""Checks the translation catalogs: scripts/translations-check.py COMMITTED EXTRACTED LANG...

COMMITTED holds translations/q7_<lang>.ts as checked in, EXTRACTED the same files after lupdate ran
over src/. Fails when a catalog misses a text of the code or keeps one the code lost, when a text is
unfinished or its translation drops a %1 or a mnemonic, and when GUI code shows prose that no
translation function holds."""
import pathlib
import re
import sys
import xml.etree.ElementTree as ET


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def placeholders(text):
    return sorted(set(re.findall(r"%(?:\d|n)", text or "")))


def has_mnemonic(text):
    return re.search(r"&[^&\s]", (text or "").replace("&&", "")) is not None


def check_catalog(committed, extracted, lang):
    faults = []
    mine, code = messages(committed), messages(extracted)
    for key in sorted(code.keys() - mine.keys()):
        faults.append(f"{lang}: not in the catalog (run scripts/translations update): {key[0]}: {key[1]!r}")
    for key in sorted(mine.keys() - code.keys()):
        faults.append(f"{lang}: no longer in the code (run scripts/translations update): {key[0]}: {key[1]!r}")
    for key, message in mine.items():
        translation = message.find("translation")
        forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
        where = f"{lang}: {key[0]}: {key[1]!r}"
        if translation.get("type") or not all(forms):
            faults.append(f"{where}: {translation.get('type') or 'empty'}")
            continue
        for form in forms:
            if placeholders(form) != placeholders(key[1]):
                faults.append(f"{where}: the translation {form!r} does not keep {placeholders(key[1])}")
            if has_mnemonic(key[1]) and not has_mnemonic(form):
                faults.append(f"{where}: the translation {form!r} lost the mnemonic")
    return faults


# A literal reads as prose when it holds two words or is one capitalised word ("Delete").
PROSE = re.compile(r"[A-Za-z]{2,}[^\"]*\s[^\"]*[A-Za-z]{2,}|^[A-Z][a-z]{2,}[.:!?]?$")
LITERAL = re.compile(r'(?:u8|u|L)?"((?:[^"\\\n]|\\.)*)"')
COMMENT = re.compile(r"//[^\n]*|/\*.*?\*/", re.S)
# A line may say why its text stays English: "// untranslated: ...".
UNTRANSLATED = "untranslated:"


def gui_prose_outside_translation(sources):
    extracted, contexts = set(), set()
    for path in sources:
        for message in messages(path).keys():
            contexts.add(message[0])
            extracted.add(message[1])
    joined = "\n".join(extracted)
    faults = []
    for path in sorted(pathlib.Path("src/gui").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        lines = path.read_text(encoding="utf-8").split("\n")
        for number, line in enumerate(lines, 1):
            if UNTRANSLATED in line or (number > 1 and UNTRANSLATED in lines[number - 2]):
                continue
            code = COMMENT.sub("", line.split("//")[0] if '"' not in line.split("//")[0][-1:] else line)
            code = re.sub(r'#\s*include.*', "", code)
            for literal in LITERAL.findall(code):
                text = literal.encode().decode("unicode_escape") if "\\" in literal else literal
                if PROSE.search(text) and text not in joined and text not in contexts:
                    faults.append(f"{path}:{number}: shown untranslated: {text!r}")
    return faults


def main():
    committed, extracted = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    faults = []
    for lang in sys.argv[3:]:
        faults += check_catalog(committed / f"q7_{lang}.ts", extracted / f"q7_{lang}.ts", lang)
    faults += gui_prose_outside_translation([extracted / f"q7_{sys.argv[3]}.ts"])
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        print(f"{len(faults)} translation faults", file=sys.stderr)
        sys.exit(1)


main()
