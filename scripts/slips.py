"""Finds the places in C++ source where scripts/faults --sample may plant a
slip. Only what is plainly code counts: comments, string and character
literals, preprocessor lines and code under a preprocessor condition (it may
not be compiled here) are passed over, and a place that could be read two
ways is left out rather than guessed at.

The kinds, as the sampler names them:
    edge       a comparison's edge moved: < and <=, > and >=
    equality   == and != turned
    logic      && and || turned
    constant   an integer constant moved by one (up when it starts at an even
               byte of its file, down at an odd one; 0 always up)
    drop       an expression statement, an assignment or a call, dropped
    swap       two adjacent arguments of a call that differ in text swapped
"""
import re

KEYWORDS = set("""
alignas alignof asm auto bool break case catch char char16_t char32_t class
const const_cast constexpr continue decltype default delete do double
dynamic_cast else enum explicit export extern false float for friend goto if
inline int long mutable namespace new noexcept nullptr operator private
protected public register reinterpret_cast return short signed sizeof static
static_assert static_cast struct switch template this throw true try typedef
typeid typename union unsigned using virtual void volatile wchar_t while
override final uint8_t uint16_t uint32_t uint64_t int8_t int16_t int32_t
int64_t size_t
""".split())

# Keywords that stand for a value, so may stand beside an operator.
VALUE_KEYWORDS = {"true", "false", "this", "nullptr"}

TYPE_WORDS = set("""
auto bool char char16_t char32_t class const constexpr double enum float int
long short signed struct typename unsigned void volatile wchar_t uint8_t
uint16_t uint32_t uint64_t int8_t int16_t int32_t int64_t size_t static
""".split())

# A call of one of these is not a call whose arguments or statement may slip:
# checks that a build refuses or a release build leaves out.
NOT_CALLS = {"static_assert", "assert", "sizeof", "alignof", "alignas", "decltype", "noexcept",
             "if", "while", "for", "switch", "return", "catch", "throw", "operator", "typeid"}

# What lies in the parentheses of these is a check the build makes, or one a
# release build leaves out: a slip there fails the build or changes nothing.
CHECKS = {"static_assert", "assert", "sizeof", "alignof", "alignas", "decltype", "noexcept", "typeid"}

PUNCTUATORS = sorted("""
>>= <<= ... ->* <=> -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= :: .* ##
{ } [ ] ( ) ; : ? , . + - * / % ^ & | ~ ! = < > #
""".split(), key=len, reverse=True)

ASSIGNMENTS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}

LITERAL_PREFIXES = {"u8", "u", "U", "L"}
RAW_PREFIXES = {"R", "u8R", "uR", "UR", "LR"}


class Token:
    __slots__ = ("kind", "text", "start", "end")

    def __init__(self, kind, text, start, end):
        self.kind = kind  # "name", "number" or "punct"
        self.text = text
        self.start = start
        self.end = end

    def is_name(self):
        return self.kind == "name" and self.text not in KEYWORDS

    def is_value(self):
        return self.is_name() or self.kind == "number" or self.text in VALUE_KEYWORDS

    def __repr__(self):
        return f"{self.text}@{self.start}"


class Slip:
    """One change at a position of a file: the text from offset to
    offset + len(old) becomes new."""

    def __init__(self, path, offset, old, new, kind, line):
        self.path = path
        self.offset = offset
        self.old = old
        self.new = new
        self.kind = kind
        self.line = line

    def key(self):
        return (self.path, self.offset, self.kind)

    def end(self):
        return self.offset + len(self.old)

    def place(self):
        return f"{self.path}:{self.line}"

    def change(self):
        return f"{shorten(self.old)} -> {shorten(self.new) if self.new else '(nothing)'}"


def shorten(text, width=70):
    text = " ".join(text.split())
    return text if len(text) <= width else text[:width - 3] + "..."


def typelike(name):
    """Whether a name reads as a type's: a class (CName, SDL_Surface, T) or a
    record (lower_case_data), not a variable or an ALL_CAPS constant."""
    return bool(re.fullmatch(r"[A-Z]\w*[a-z]\w*|[A-Z]|[a-z][a-z0-9]*(_[a-z0-9]+)+", name))


def skip_preprocessor(text, i):
    """The end of the preprocessor line starting at i, with its continuations."""
    while True:
        newline = text.find("\n", i)
        if newline < 0:
            return len(text)
        if text[newline - 1] == "\\" or text[newline - 2:newline] == "\\\r":
            i = newline + 1
            continue
        return newline


def skip_literal(text, i, quote):
    """The end of a string or character literal whose opening quote is at i."""
    i += 1
    while i < len(text) and text[i] != quote and text[i] != "\n":
        i += 2 if text[i] == "\\" else 1
    return i + 1


def lex(text):
    """The code's tokens; whatever is not code is left out. Code under a
    preprocessor condition other than an include guard is left out too."""
    tokens = []
    conditions = []  # per open #if: whether its code counts
    i = 0
    n = len(text)
    line_start = True
    while i < n:
        c = text[i]
        if c == "\n":
            line_start = True
            i += 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "\\" and text.startswith("\n", i + 1):
            i += 2
            continue
        if text.startswith("//", i):
            end = text.find("\n", i)
            i = n if end < 0 else end
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            i = n if end < 0 else end + 2
            continue
        if c == "#" and line_start:
            end = skip_preprocessor(text, i)
            directive = text[i + 1:end].split()
            word = directive[0] if directive else ""
            if word in ("if", "ifdef", "ifndef"):
                guard = (word == "ifndef" and len(directive) > 1
                         and re.match(r"\s*#\s*define\s+" + re.escape(directive[1]) + r"\b", text[end + 1:]))
                conditions.append(bool(guard))
            elif word in ("elif", "else") and conditions:
                conditions[-1] = False
            elif word == "endif" and conditions:
                conditions.pop()
            i = end
            continue
        line_start = False
        live = all(conditions)
        start = i
        if c.isalpha() or c == "_":
            while i < n and (text[i].isalnum() or text[i] == "_"):
                i += 1
            word = text[start:i]
            if i < n and text[i] == '"' and word in RAW_PREFIXES:
                open_paren = text.find("(", i)
                delimiter = text[i + 1:open_paren]
                close = text.find(")" + delimiter + '"', open_paren)
                i = n if close < 0 else close + len(delimiter) + 2
                continue
            if i < n and text[i] in "\"'" and word in LITERAL_PREFIXES:
                i = skip_literal(text, i, text[i])
                continue
            if live:
                tokens.append(Token("name", word, start, i))
            continue
        if c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            i += 1
            while i < n:
                if text[i].isalnum() or text[i] in "_.":
                    i += 1
                elif text[i] in "+-" and text[i - 1] in "eEpP":
                    i += 1
                elif text[i] == "'" and i + 1 < n and text[i + 1].isalnum():
                    i += 2
                else:
                    break
            if live:
                tokens.append(Token("number", text[start:i], start, i))
            continue
        if c in "\"'":
            i = skip_literal(text, i, c)
            continue
        for p in PUNCTUATORS:
            if text.startswith(p, i):
                break
        else:
            p = c
        i += len(p)
        if live:
            tokens.append(Token("punct", p, start, i))
    return tokens


class Structure:
    """What the sampler needs to know of the tokens around a place: which
    brackets match, which angle brackets belong to templates, which braces
    hold statements, and which parts lie inside a static_assert."""

    def __init__(self, tokens):
        self.tokens = tokens
        self.match = {}  # index of an open ( [ { to its close and back
        self.code_brace = {}  # index of { to whether statements stand in it
        self.enclosing = []  # per token: index of the innermost open bracket, or -1
        self.template = set()  # indices of < and > (and >>) that are template brackets
        self.checked = set()  # indices inside a static_assert and the like
        self._brackets()
        self._templates()

    def _brackets(self):
        stack = []
        for i, token in enumerate(self.tokens):
            self.enclosing.append(stack[-1] if stack else -1)
            if token.text in ("(", "[", "{"):
                if token.text == "{":
                    self.code_brace[i] = self._holds_statements(i, stack)
                stack.append(i)
            elif token.text in (")", "]", "}") and stack:
                opening = stack.pop()
                self.match[opening] = i
                self.match[i] = opening
                if opening > 0 and self.tokens[opening - 1].text in CHECKS:
                    self.checked.update(range(opening, i + 1))

    def _holds_statements(self, i, stack):
        before = self.tokens[i - 1].text if i > 0 else ""
        inside_code = bool(stack) and self.code_brace.get(stack[-1], False)
        if before in (")", "]", "else", "do", "try", "const", "override", "final", "noexcept", "mutable"):
            return True
        if before in (";", "{", "}"):
            return inside_code
        if before == ":" and inside_code:
            return self._ends_case_label(i - 1)
        return False

    def _ends_case_label(self, colon):
        j = colon - 1
        while j >= 0 and self.tokens[j].text not in (";", "{", "}", ":"):
            j -= 1
        return self.tokens[j + 1].text in ("case", "default")

    def _templates(self):
        for i, token in enumerate(self.tokens):
            if token.text != "<" or i == 0:
                continue
            before = self.tokens[i - 1]
            if before.text in ("template", "static_cast", "dynamic_cast", "const_cast", "reinterpret_cast") \
                    or (before.kind == "name" and before.text != "operator"):
                close = self._template_close(i)
                if close is not None:
                    self.template.add(i)
                    self.template.add(close)

    def _template_close(self, i):
        """The index of the > that closes a template's < at i, if what lies
        between reads as template arguments and what follows as what comes
        after them; else None."""
        depth = 1
        j = i + 1
        while j < len(self.tokens):
            text = self.tokens[j].text
            if text in ("(", "["):
                j = self.match.get(j, len(self.tokens))
            elif text == "<":
                depth += 1
            elif text in (">", ">>"):
                depth -= len(text)
                if depth < 0:
                    # The first half of a >> closing this template and the one around it.
                    return j
                if depth == 0:
                    after = self.tokens[j + 1] if j + 1 < len(self.tokens) else None
                    if after is None or after.kind == "name" or after.text in (
                            "(", ")", "{", "::", ":", ",", ";", ">", ">>", "&", "&&", "*", "...", "="):
                        return j
                    return None
            elif not (self.tokens[j].kind in ("name", "number") or text in ("::", ",", "*", "&", "+", "-", "...")):
                return None
            j += 1
        return None

    def statement_start(self, i):
        """Whether a statement may start at token i: at a code brace's own
        level, after a full statement, a block or a case label."""
        tokens = self.tokens
        if i == 0:
            return False
        owner = self.enclosing[i]
        if owner < 0 or tokens[owner].text != "{" or not self.code_brace.get(owner):
            return False
        before = tokens[i - 1].text
        if before in (";", "{", "}"):
            return True
        return before == ":" and self._ends_case_label(i - 1)


def postfix_end(tokens, structure, i, end):
    """Where a postfix expression (a name and what follows it: members,
    subscripts, calls) starting at i ends, and whether it ends in a call; None
    when the tokens there do not read as one."""
    while i < end and tokens[i].text == "*":
        i += 1
    if i < end and tokens[i].text == "::":
        i += 1
    if i >= end or not (tokens[i].is_name() or tokens[i].text == "this"):
        return None
    i += 1
    called = False
    while i < end:
        text = tokens[i].text
        if text in ("::", ".", "->") and i + 1 < end and tokens[i + 1].is_name():
            i += 2
            called = False
        elif text in ("(", "["):
            close = structure.match.get(i)
            if close is None or close >= end:
                return None
            called = text == "(" and tokens[i - 1].text not in NOT_CALLS
            i = close + 1
        else:
            break
    return i, called


def dropped_statement(tokens, structure, i):
    """The index of the ; that ends an expression statement starting at i,
    when it is an assignment, an increment or a call; else None."""
    j = i
    while j < len(tokens) and tokens[j].text != ";":
        if tokens[j].text in ("{", "}"):
            return None
        if tokens[j].text in ("(", "["):
            j = structure.match.get(j, len(tokens))
        j += 1
    if j >= len(tokens) or j in structure.checked:
        return None
    if tokens[i].text in ("++", "--"):
        parsed = postfix_end(tokens, structure, i + 1, j)
        return j if parsed and parsed[0] == j else None
    parsed = postfix_end(tokens, structure, i, j)
    if parsed is None:
        return None
    stop, called = parsed
    if stop == j:
        return j if called else None
    if tokens[stop].text in ("++", "--") and stop + 1 == j:
        return j
    if tokens[stop].text in ASSIGNMENTS and stop > i:
        return j
    return None


def looks_declared(tokens, structure, first, last):
    """Whether the tokens first..last (an argument) may declare something,
    as a function's parameter does: two words side by side, a type's word,
    or a name, * or & and a name."""
    j = first
    while j <= last:
        token = tokens[j]
        if token.text in ("(", "[", "{"):
            j += 1
            continue
        if token.text in TYPE_WORDS:
            return True
        after = tokens[j + 1] if j < last else None
        if after is not None and token.kind == "name" and after.kind == "name":
            return True
        if after is not None and after.kind == "name" and (
                (token.text in ("*", "&", "&&") and j > first and typelike(tokens[j - 1].text))
                or (token.text == ">" and j in structure.template)):
            return True
        j += 1
    return False


def call_arguments(tokens, structure, open_paren):
    """The arguments of the call whose ( is at open_paren, as (first, last)
    token indices, or None when it is no call or may be a declaration."""
    close = structure.match.get(open_paren)
    if close is None or open_paren == 0 or open_paren in structure.checked:
        return None
    before = tokens[open_paren - 1]
    if not (before.is_name() and before.text not in NOT_CALLS) \
            and not (before.text == ">" and open_paren - 1 in structure.template):
        return None
    arguments = []
    first = open_paren + 1
    j = first
    angle = 0
    while j <= close:
        text = tokens[j].text
        if j == close or (text == "," and angle == 0):
            if j == first:
                return None
            arguments.append((first, j - 1))
            first = j + 1
        elif text in ("(", "[", "{"):
            j = structure.match.get(j, close)
        elif j in structure.template:
            angle += 1 if text == "<" else -len(text)
        j += 1
    if any(looks_declared(tokens, structure, a, b) for a, b in arguments):
        return None
    return arguments


def is_reference(tokens, structure, i):
    """Whether the && at i declares an rvalue reference, or may."""
    before = tokens[i - 1]
    after = tokens[i + 1] if i + 1 < len(tokens) else None
    if before.kind == "name" and before.text in KEYWORDS and before.text not in VALUE_KEYWORDS:
        return True
    if before.text == ">" and i - 1 in structure.template:
        return True
    if after is None or after.text in (")", ",", ">", "...", "="):
        return True
    # A declaration's type: a class, a record (lower_case_data) or a name
    # from a namespace, with the declared name after it.
    type_before = before.kind == "name" and (typelike(before.text) or tokens[i - 2].text == "::")
    following = tokens[i + 2].text if i + 2 < len(tokens) else ""
    return type_before and after.kind == "name" and following in (")", ",", "=", ";", "{", "[", ":")


def integer_moved(literal, up):
    """The integer literal moved by one, its base, digits' case and suffix
    kept; None when it is not an integer literal."""
    match = re.fullmatch(r"(0[xX])([0-9a-fA-F]+)([uUlL]*)|(0[bB])([01]+)([uUlL]*)|([0-9]+)([uUlL]*)", literal)
    if not match:
        return None
    if match.group(1):
        prefix, digits, suffix, base = match.group(1), match.group(2), match.group(3), 16
    elif match.group(4):
        prefix, digits, suffix, base = match.group(4), match.group(5), match.group(6), 2
    else:
        digits, suffix = match.group(7), match.group(8)
        octal = len(digits) > 1 and digits[0] == "0"
        if octal and not re.fullmatch("[0-7]+", digits):
            return None
        prefix, base = ("0", 8) if octal else ("", 10)
        if octal:
            digits = digits[1:]
    value = int(digits, base)
    value = value + 1 if up or value == 0 else value - 1
    if base == 16:
        moved = format(value, "X" if digits.isupper() else "x").rjust(len(digits), "0")
    elif base == 2:
        moved = format(value, "b").rjust(len(digits), "0")
    elif base == 8:
        moved = format(value, "o")
    else:
        moved = str(value)
    return prefix + moved + suffix


def find_slips(path, text):
    """Every place of the file where a slip may be planted, in the file's order."""
    tokens = lex(text)
    structure = Structure(tokens)
    found = []

    def add(offset, old, new, kind):
        found.append(Slip(path, offset, old, new, kind, text.count("\n", 0, offset) + 1))

    for i, token in enumerate(tokens):
        if i == 0 or i + 1 >= len(tokens) or i in structure.checked:
            continue
        before = tokens[i - 1]
        after = tokens[i + 1]
        t = token.text
        if before.text == "operator":
            continue
        if t in ("<", ">", "<=", ">="):
            operands = (before.is_value() or before.text in (")", "]")) and \
                       (after.kind in ("name", "number") or after.text in ("(", "!", "-", "*", "&", "::", "~"))
            if operands and i not in structure.template:
                add(token.start, t, {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[t], "edge")
        elif t in ("==", "!="):
            add(token.start, t, "!=" if t == "==" else "==", "equality")
        elif t == "||" or (t == "&&" and not is_reference(tokens, structure, i)):
            add(token.start, t, "&&" if t == "||" else "||", "logic")
        elif token.kind == "number":
            moved = integer_moved(t, token.start % 2 == 0)
            if moved is not None:
                add(token.start, t, moved, "constant")

        if structure.statement_start(i):
            end = dropped_statement(tokens, structure, i)
            if end is not None:
                add(token.start, text[token.start:tokens[end].end], "", "drop")
        if t == "(":
            arguments = call_arguments(tokens, structure, i)
            for (a, b), (c, d) in zip(arguments or [], (arguments or [])[1:]):
                first = text[tokens[a].start:tokens[b].end]
                second = text[tokens[c].start:tokens[d].end]
                if " ".join(first.split()) != " ".join(second.split()):
                    between = text[tokens[b].end:tokens[c].start]
                    add(tokens[a].start, first + between + second, second + between + first, "swap")
    return found
