#!/usr/bin/env python3
"""Converts sentences of a Latin dependency treebank in AGLDT XML (lemma and 9-character
postag per word) to CoNLL-U, for the measurement of the analyser on annotated texts.

    gold_conllu.py FILE.xml WORDS NAME >> slice.conllu

Takes whole sentences from the start of FILE.xml until WORDS word lines are written; NAME
prefixes the sentence ids. Words added by the annotators (artificial="elliptic") and sentences
left without annotation are skipped. An enclitic written apart ("-que" after its host) becomes,
as CoNLL-U has it, a multiword token over the host and the enclitic. LEMMA is the treebank's
own (homograph digits kept), XPOS its postag, HEAD and DEPREL are left out ("_").
"""

import sys
import xml.etree.ElementTree as ET

CASES = {"n": "Nom", "g": "Gen", "d": "Dat", "a": "Acc", "v": "Voc", "b": "Abl", "l": "Loc"}
GENDERS = {"m": "Masc", "f": "Fem", "n": "Neut"}
NUMBERS = {"s": "Sing", "p": "Plur"}
# Tense and aspect as the classical UD Latin treebanks write them.
TENSES = {"p": ("Imp", "Pres"), "i": ("Imp", "Past"), "f": ("Imp", "Fut"),
          "r": ("Perf", "Past"), "l": ("Perf", "Pqp"), "t": ("Perf", "Fut")}
MOODS = {"i": ("Ind", "Fin"), "s": ("Sub", "Fin"), "m": ("Imp", "Fin"), "n": (None, "Inf"),
         "p": (None, "Part"), "d": (None, "Ger"), "g": (None, "Gdv"), "u": (None, "Sup")}
# A deponent has the passive's forms.
VOICES = {"a": "Act", "p": "Pass", "d": "Pass"}
DEGREES = {"p": "Pos", "c": "Cmp", "s": "Sup"}
UPOS = {"n": "NOUN", "v": "VERB", "t": "VERB", "a": "ADJ", "d": "ADV", "c": "CCONJ",
        "r": "ADP", "p": "PRON", "m": "NUM", "i": "INTJ", "e": "INTJ", "u": "PUNCT",
        "g": "PART"}


def feats(postag):
    tag = (postag + "---------")[:9]
    pos, person, number, tense, mood, voice, gender, case, degree = tag
    f = {}
    if person in "123":
        f["Person"] = person
    if number in NUMBERS:
        f["Number"] = NUMBERS[number]
    verb_form = None
    if mood in MOODS:
        m, verb_form = MOODS[mood]
        if m:
            f["Mood"] = m
        f["VerbForm"] = verb_form
    # Gerunds, gerundives and supines carry no tense.
    if tense in TENSES and verb_form not in ("Ger", "Gdv", "Sup"):
        aspect, t = TENSES[tense]
        f["Tense"] = t
        if not (t == "Fut" and verb_form in ("Part", "Inf")):
            f["Aspect"] = aspect
    if voice in VOICES:
        f["Voice"] = VOICES[voice]
    if gender in GENDERS:
        f["Gender"] = GENDERS[gender]
    if case in CASES:
        f["Case"] = CASES[case]
    if degree in DEGREES:
        f["Degree"] = DEGREES[degree]
    return "|".join(f"{k}={v}" for k, v in sorted(f.items(), key=lambda kv: kv[0].lower())) or "_"


def upos(word):
    pos = (word.get("postag") or "-")[0]
    u = UPOS.get(pos, "X")
    if u == "NOUN" and word.get("lemma", "")[:1].isupper():
        return "PROPN"
    if u == "CCONJ" and word.get("relation", "").startswith("AuxC"):
        return "SCONJ"
    return u


def is_enclitic(form):
    return form in ("-que", "-ne", "-n", "-ve")


def convert(path, limit, name):
    written = 0
    for sentence in ET.parse(path).getroot().iter("sentence"):
        words = [w for w in sentence.iter("word") if w.get("artificial") is None]
        if not words or any(not w.get("postag") or not w.get("lemma") for w in words):
            continue
        lines, surface = [], []
        for n, w in enumerate(words, start=1):
            form = w.get("form")
            columns = [str(n), form.lstrip("-") or form, w.get("lemma"), upos(w),
                       w.get("postag"), feats(w.get("postag")), "_", "_", "_", "_"]
            if is_enclitic(form) and n > 1 and words[n - 2].get("form")[:1].isalpha():
                host = lines.pop()
                surface[-1] += form[1:]
                lines.append(f"{n - 1}-{n}\t{surface[-1]}\t_\t_\t_\t_\t_\t_\t_\t_")
                lines.append(host)
            else:
                surface.append(form)
            lines.append("\t".join(columns))
        print(f"# sent_id = {name}-{sentence.get('id')}")
        print(f"# text = {' '.join(surface)}")
        print("\n".join(lines))
        print()
        written += len(words)
        if written >= limit:
            return


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    convert(sys.argv[1], int(sys.argv[2]), sys.argv[3])
