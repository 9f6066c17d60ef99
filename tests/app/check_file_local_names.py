#!/usr/bin/env python3
"""Finds file-local names that two source files of one batched target define.

The libraries and test programs compile their sources in batches, each file
included after the other into one compiler run. A helper in an anonymous
namespace, a static function, a file-level type, an unscoped enumerator or a
Q_DECLARE_METATYPE is then seen by the files after it: the same name twice is a
redefinition at best, and at worst a call in the second file quietly picks the
first file's overload. Batches change as files are added, so no two files of a
target may share such a name, whatever batch they fall into today.

The meta-types of the tests follow from the same batches: a file whose rows
carry a type (QTest::addColumn, QFETCH) before the type's Q_DECLARE_METATYPE is
seen makes Qt's QMetaTypeId of it, and a later file's declaration no longer
compiles. So every Q_DECLARE_METATYPE of the tests is in one header,
tests/support/TestMetaTypes.h, and a test source whose rows carry one of its
types includes that header itself.

Usage: check_file_local_names.py <targets file> <source folder>
The targets file has one line a target, in columns separated by tabs: its name,
the folder its relative sources start from, its sources and those of them that
are compiled alone, each list separated by ";" (written by the build,
cmake/LumidexUnity.cmake). Only the project's own .cpp files under
the source folder are read, not what the build generates.
"""
import os
import re
import sys
from collections import defaultdict

IDENT = r"[A-Za-z_]\w*"
KEYWORDS = {
    "const", "constexpr", "static", "inline", "unsigned", "signed", "int", "bool", "char", "double",
    "float", "long", "short", "void", "auto", "struct", "class", "enum", "union", "typename",
    "template", "operator", "return", "noexcept", "override", "final", "volatile", "thread_local",
}


def strip_code(text):
    """The code without comments, string and character literals, and preprocessor lines."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            while i < n and text[i] != "\n":
                i += 2 if text[i] == "\\" else 1
            continue
        if c in " \t":
            out.append(c)
            i += 1
            continue
        line_start = c == "\n"
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            out.append(" ")
        elif c == "R" and text.startswith('R"', i):
            delim_end = text.find("(", i + 2)
            delim = text[i + 2:delim_end]
            end = text.find(")" + delim + '"', delim_end)
            i = n if end < 0 else end + len(delim) + 2
            out.append('""')
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def declared_name(head):
    """The name a declaration at namespace scope introduces, or None."""
    head = re.sub(r"\btemplate\s*<[^{;]*?>\s*", " ", head).strip()
    head = re.sub(r"\[\[[^\]]*\]\]", " ", head)
    if not head or head.startswith("using namespace"):
        return None
    m = re.match(rf"using\s+({IDENT})\s*=", head)
    if m:
        return m.group(1)
    m = re.search(rf"\b(?:struct|class|union|enum(?:\s+class|\s+struct)?)\s+({IDENT})\s*(?::[^()]*)?$", head)
    if m:
        return m.group(1)
    # The name stands before the parameters of a function or the initialiser of
    # a variable, whichever comes first outside brackets.
    depth, cut = 0, len(head)
    for k, ch in enumerate(head):
        if ch in "(=" and depth == 0:
            cut = k
            break
        depth += ch == "(" or ch == "<"
        depth -= ch == ")" or ch == ">"
    names = [w for w in re.findall(IDENT, head[:cut]) if w not in KEYWORDS]
    if not names or "operator" in head[:cut]:
        return None
    return names[-1]


def file_local_names(path):
    """(name, line) of every file-local declaration of a source file."""
    text = strip_code(open(path, encoding="utf-8", errors="replace").read())
    found = []
    for macro in re.finditer(r"\bQ_DECLARE_METATYPE\s*\(\s*([\w:]+)\s*\)", text):
        found.append(("QMetaTypeId<" + macro.group(1).split("::")[-1] + ">", text.count("\n", 0, macro.start()) + 1))
    # Scopes: "anon" (anonymous namespace), "ns" (a named one), "enum", "other".
    scopes = []
    start = 0
    for m in re.finditer(r"[{};]", text):
        head = text[start:m.start()]
        line = text.count("\n", 0, m.start()) + 1
        at_namespace_level = all(s in ("anon", "ns") for s in scopes)
        local_level = at_namespace_level and "anon" in scopes
        if m.group() == "{":
            ns = re.search(rf"\bnamespace\s*({IDENT}(?:::{IDENT})*)?\s*$", head)
            if ns and at_namespace_level:
                scopes.append("ns" if ns.group(1) else "anon")
            else:
                name = declared_name(head) if at_namespace_level else None
                is_static = re.match(r"\s*(?:\w+\s+)*?static\b", head) is not None
                if name and (local_level or is_static):
                    found.append((name, line))
                unscoped_enum = re.search(r"\benum\s+(?!class\b|struct\b)", head) is not None
                scopes.append("enum" if at_namespace_level and unscoped_enum else "other")
        elif m.group() == "}":
            kind = scopes.pop() if scopes else None
            if kind == "enum":
                body_start = text.rfind("{", 0, m.start())
                for enumerator in re.findall(rf"(?:^|,)\s*({IDENT})", text[body_start + 1:m.start()]):
                    found.append((enumerator, line))
        else:
            if at_namespace_level and head.strip():
                name = declared_name(head)
                is_static = re.match(r"\s*(?:\w+\s+)*?static\b", head) is not None
                if name and (local_level or is_static):
                    found.append((name, line))
        start = m.end()
    return found


META_HEADER = os.path.join("tests", "support", "TestMetaTypes.h")
META_INCLUDE = '#include "support/TestMetaTypes.h"'
DECLARATION = re.compile(r"\bQ_DECLARE_METATYPE\s*\(\s*([\w:]+)\s*\)")


def meta_type_problems(source_dir, batched_sources):
    """A Q_DECLARE_METATYPE of the tests outside TestMetaTypes.h, and a batched
    test source that carries one of its types in rows without including it."""
    problems = []
    header = os.path.join(source_dir, META_HEADER)
    declared = DECLARATION.findall(strip_code(open(header, encoding="utf-8").read()))
    tests_root = os.path.join(source_dir, "tests", "")
    test_files = set(p for p in batched_sources if p.startswith(tests_root))
    for folder, _, names in os.walk(tests_root):
        test_files.update(os.path.join(folder, n) for n in names if n.endswith(".h"))
    for path in sorted(test_files):
        if os.path.realpath(path) == os.path.realpath(header):
            continue
        raw = open(path, encoding="utf-8", errors="replace").read()
        code = strip_code(raw)
        for macro in DECLARATION.finditer(code):
            problems.append(f"{path}:{code.count(chr(10), 0, macro.start()) + 1}: Q_DECLARE_METATYPE({macro.group(1)})"
                            f" belongs in {META_HEADER}")
        if not path.endswith(".cpp") or META_INCLUDE in raw:
            continue
        # The file's own names for a type: "using Kind = SlideshowStep::Kind;"
        # and "using photofiles::DecodedPicture::Status;".
        aliases = {m.group(1): m.group(2) for m in re.finditer(rf"\busing\s+({IDENT})\s*=\s*([\w:]+)\s*;", code)}
        for m in re.finditer(rf"\busing\s+((?:{IDENT}::)+({IDENT}))\s*;", code):
            aliases[m.group(2)] = m.group(1)
        carried = {}
        for use in re.finditer(r"(?:\baddColumn\s*<\s*|\bQFETCH\s*\(\s*)([\w:]+)", code):
            used = use.group(1)
            used = aliases.get(used, used)
            for name in declared:
                if ("::" + name).endswith("::" + used.removeprefix("::")):
                    carried.setdefault(name, code.count("\n", 0, use.start()) + 1)
        for name, line in sorted(carried.items(), key=lambda item: item[1]):
            problems.append(f"{path}:{line}: its rows carry {name} without including \"support/TestMetaTypes.h\"")
    return problems


def main():
    clashes = []
    source_root = os.path.join(os.path.realpath(sys.argv[2]), "")
    batched_sources = set()
    for row in open(sys.argv[1], encoding="utf-8"):
        target, folder, sources, alone = row.rstrip("\n").split("\t")

        def resolved(files):
            return {os.path.realpath(os.path.join(folder, f)) for f in files.split(";") if f.endswith(".cpp")}

        paths = resolved(sources) - resolved(alone)
        batched_sources.update(p for p in paths if p.startswith(source_root))
        defined = defaultdict(list)
        for path in sorted(p for p in paths if p.startswith(source_root)):
            seen = set()
            for name, line in file_local_names(path):
                if name not in seen:
                    seen.add(name)
                    defined[name].append(f"{path}:{line}")
        for name, places in sorted(defined.items()):
            if len(places) > 1:
                clashes.append(f"{target}: '{name}' is file-local in {len(places)} files: " + ", ".join(places))
    for clash in clashes:
        print(clash)
    meta_problems = meta_type_problems(source_root, batched_sources)
    for problem in meta_problems:
        print(problem)
    if clashes:
        print(f"{len(clashes)} file-local names defined by more than one file of a batched target;"
              " give each a name of its own file (or share one definition from a header)")
    if meta_problems:
        print(f"{len(meta_problems)} meta-types declared or carried outside {META_HEADER}")
    if clashes or meta_problems:
        return 1
    print("Every file-local name belongs to one file of its target, and every meta-type of the tests"
          f" is declared in {META_HEADER}.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
