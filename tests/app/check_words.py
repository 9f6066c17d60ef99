#!/usr/bin/env python3
"""Every word a user reads lives in src/core/texts: a string literal with a letter
in a window, toolkit or wiring source fails this check, unless it is one of the
few things that are not words (see ALLOWED below).

Usage: check_words.py <src folder>
"""
import re
import sys
from pathlib import Path

LAYERS = ("gui", "ui", "app")

# What a literal may hold without being a word the user reads, by what it looks
# like (each pattern matches the whole literal) or by what the code hands it to
# (the call just before it).
ALLOWED = [
    # A control's or window's object name: a short lower-case prefix and a capital
    # ("lblNome", "cmdOK", "frmTrova", "imgFoto01"); a Qt class as a style selector.
    re.compile(r"[a-z]{2,4}[A-Z][A-Za-z0-9_]*"),
    re.compile(r"Q[A-Z][A-Za-z]*"),
    # A resource of the program (":/icons/...") and a style sheet: a rule in braces,
    # declarations "property: value;", or a gradient.
    re.compile(r":/.*", re.S),
    re.compile(r".*\{[^{}]*:[^{}]*\}.*", re.S),
    re.compile(r"\s*([a-z-]+\s*:\s*[^;]+;\s*)+", re.S),
    re.compile(r"qlineargradient\(.*\)", re.S),
    # A file name or pattern the program keeps or looks for ("/index.html", "*.men"),
    # and the joint of a name it makes ("_Foto_").
    re.compile(r"[\w/*-]*\.[A-Za-z0-9*]{1,4}"),
    re.compile(r"_[A-Za-z]+_"),
    # A lower-case identifier: a scheme, a command, a property's value, a
    # translation's name ("mailto", "xdg-open", "qtbase_it").
    re.compile(r"[a-z][a-z0-9_-]*"),
    # A record field with its slot ("File01") and a sample code sizing a field.
    re.compile(r"[A-Z][a-z]+[0-9]{2}"),
    re.compile(r"[A-Z0-9 +]*[0-9][A-Z0-9 +]*"),
    # A date or time format ("dd/MM/yyyy", "hh:mm"), which sizes a field too.
    re.compile(r"[dMyhHmsz/.:, -]+"),
]
# Calls whose argument is a name, never a word: object names, properties, font
# families, record fields by name, developers' messages.
ALLOWED_CALLS = re.compile(
    r"(setObjectName|findChild<[^>]*>|setProperty|property|QFont(\s+\w+)?|setFamily|registryField|bookField|indexOf|fieldCaption"
    r"|qFatal|qWarning|qDebug|qCritical|Q_ASSERT_X)"
    r"\(\s*(QStringLiteral\(|QLatin1String\(|QString::fromLatin1\(|QString::fromUtf8\()?\s*$"
)

LITERAL = re.compile(
    r'''(//[^\n]*)|(/\*.*?\*/)|(?:u8|u|U|L)?R"([^(\s]*)\((.*?)\)\3"|(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"|'(?:[^'\\\n]|\\.)*\'''',
    re.S,
)
LETTER = re.compile(r"[^\W\d_]")
# An escape sequence ("\r\n", "\t", "\x1A") is a character, not letters.
ESCAPE = re.compile(r"\\(x[0-9A-Fa-f]+|u[0-9A-Fa-f]{4}|[0-7]{1,3}|.)")


def literals(text):
    """Each string literal as (line, value, code before it on its line, spelling);
    literals that follow one another with only blanks between are one."""
    found = []
    for match in LITERAL.finditer(text):
        if match.group(1) is not None or match.group(2) is not None:
            continue
        value = match.group(4) if match.group(4) is not None else match.group(5)
        if value is None:
            continue
        if found and not text[found[-1][4]:match.start()].strip():
            line, previous, before, spelled, _ = found[-1]
            found[-1] = (line, previous + value, before, spelled + " " + match.group(0), match.end())
            continue
        line_start = text.rfind("\n", 0, match.start()) + 1
        found.append((text.count("\n", 0, match.start()) + 1, value, text[line_start:match.start()], match.group(0),
            match.end()))
    for line, value, before, spelled, _ in found:
        yield line, value, before, spelled


def allowed(value, before):
    if not LETTER.search(ESCAPE.sub("", value)):
        return True
    if ALLOWED_CALLS.search(before):
        return True
    return any(pattern.fullmatch(value) for pattern in ALLOWED)


def main():
    src = Path(sys.argv[1])
    offenders = []
    for layer in LAYERS:
        for path in sorted((src / layer).rglob("*.cpp")):
            text = path.read_text(encoding="utf-8")
            for line, value, before, spelled in literals(text):
                if before.lstrip().startswith("#"):
                    continue
                if not allowed(value, before):
                    offenders.append(f"{path.relative_to(src.parent)}:{line}: {spelled}")
    if offenders:
        print("Words outside src/core/texts (move them into a ...Texts file):")
        print("\n".join(offenders))
        return 1
    print("words check: every word a user reads is in src/core/texts")
    return 0


if __name__ == "__main__":
    sys.exit(main())
