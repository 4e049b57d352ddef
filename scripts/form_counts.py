#!/usr/bin/env python3
"""Counts how often each written form has each lemma and features in the sentences of a Latin
dependency treebank (AGLDT XML) that the gold slice does not hold, for the ranking of analyses.

    form_counts.py GOLD.conllu TEXTS_DIR > data/formes.la

Every *.xml of TEXTS_DIR is read; a sentence whose id the gold slice gives under the name of its
file (see GOLD_NAMES) is left out, so that the measurement on the gold slice stays on texts the
counts never saw. Punctuation is not counted. Each line is "form<TAB>lemma<TAB>feats<TAB>count",
the form as written (an enclitic apart, "virum" and "que"), the lemma as the treebank gives it,
the features as gold_conllu.py writes them.
"""

import collections
import os
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from gold_conllu import feats  # noqa: E402

# The names under which gold_conllu.py wrote the sentences of these files into the gold slice.
GOLD_NAMES = {
    "phi0448.phi001": "caesar-gall",
    "phi0474.phi013": "cicero-catil",
    "phi0690.phi003": "vergil-aen6",
    "phi0959.phi006": "ovid-met1",
    "phi0620.phi001": "propertius-1",
    "tlg0031.tlg027": "vulgata-apoc",
}


def gold_sentences(path):
    ids = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("# sent_id = "):
                ids.add(line[len("# sent_id = "):].strip())
    return ids


def count(path, name, held_out, counts):
    words = 0
    for sentence in ET.parse(path).getroot().iter("sentence"):
        if name and f"{name}-{sentence.get('id')}" in held_out:
            continue
        for w in sentence.iter("word"):
            postag, lemma, form = w.get("postag"), w.get("lemma"), w.get("form")
            if w.get("artificial") is not None or not postag or not lemma or not form:
                continue
            if postag[0] == "u" or not any(c.isalpha() for c in form):
                continue
            counts[(form.lstrip("-") or form, lemma, feats(postag))] += 1
            words += 1
    return words


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    held_out = gold_sentences(sys.argv[1])
    counts = collections.Counter()
    total = 0
    for file in sorted(os.listdir(sys.argv[2])):
        if file.endswith(".xml"):
            name = GOLD_NAMES.get(".".join(file.split(".")[:2]))
            total += count(os.path.join(sys.argv[2], file), name, held_out, counts)
    print("! Formes annotées du Latin Dependency Treebank 2.1 (Perseus Digital Library, Tufts")
    print("! University), licence CC BY-SA 3.0 US ; hors phrases de tests/gold/perseus-ldt.conllu.")
    print(f"! {total} mots. forme<TAB>lemme<TAB>traits<TAB>nombre")
    for (form, lemma, f), n in sorted(counts.items()):
        print(f"{form}\t{lemma}\t{f}\t{n}")


if __name__ == "__main__":
    main()
