#include "core/morphology/batchanalysis.h"

#include "core/morphology/udfeatures.h"
#include "core/records/records.h"
#include "core/tagger/choosing.h"
#include "core/text/wordforms.h"

#include <QTextStream>

#include <algorithm>
#include <numeric>

namespace analysis {
namespace {

const QString kNone = QStringLiteral("_");

// A stored value as the output writes it: trimmed, the empty marker as nothing.
QString valueOf(const QString& stored) {
    const QString value = stored.trimmed();
    return value == records::kEmptyMarker ? QString() : value;
}

WordAnalysis withUd(WordAnalysis a) {
    a.upos = uposOf(a.category, a.lemma);
    a.feats = featsOf(a.category, a.caseGenderNumber, a.moodTenseVoice, a.translation);
    return a;
}

WordAnalysis fromThesaurus(const ThesaurusLists& lists, qint64 entry) {
    const auto i = static_cast<std::size_t>(entry);
    WordAnalysis a;
    a.lemma = valueOf(lists.lemmas[i]);
    a.translation = valueOf(lists.translations[i]);
    a.category = valueOf(lists.categories[i]);
    a.caseGenderNumber = valueOf(lists.caseGenderNumbers[i]);
    a.moodTenseVoice = valueOf(lists.moodTenseVoices[i]);
    a.source = WordAnalysis::Source::Thesaurus;
    return withUd(std::move(a));
}

WordAnalysis fromDatabase(const ProposedAnalysis& p) {
    WordAnalysis a;
    a.lemma = valueOf(p.lemma);
    a.translation = valueOf(p.translation);
    if (!p.enclitic.isEmpty()) {
        const QString named = QStringLiteral("+ -") + p.enclitic;
        a.translation = a.translation.isEmpty() ? named : a.translation + u' ' + named;
    }
    a.category = valueOf(p.category);
    a.caseGenderNumber = valueOf(p.caseGenderNumber);
    a.moodTenseVoice = valueOf(p.moodTenseVoice);
    a.source = WordAnalysis::Source::Database;
    a.frequency = p.frequency;
    return withUd(std::move(a));
}

bool sameAnalysis(const WordAnalysis& a, const WordAnalysis& b) {
    return comparable(a.lemma) == comparable(b.lemma) &&
           comparable(a.category) == comparable(b.category) &&
           comparable(a.caseGenderNumber) == comparable(b.caseGenderNumber) &&
           comparable(a.moodTenseVoice) == comparable(b.moodTenseVoice);
}

// First names abbreviated with a full stop that does not end the sentence.
bool isAbbreviatedName(QStringView word) {
    static const QStringList names = {
        QStringLiteral("Ap"),  QStringLiteral("App"), QStringLiteral("Cn"),  QStringLiteral("Mam"),
        QStringLiteral("Oct"), QStringLiteral("Ser"), QStringLiteral("Sex"), QStringLiteral("Sp"),
        QStringLiteral("St"),  QStringLiteral("Ti"),  QStringLiteral("Tib")};
    return (word.size() == 1 && word.front().isUpper()) || names.contains(word);
}

// Whether the line break at `at` begins an empty line.
bool opensEmptyLine(const QString& text, qsizetype at) {
    for (qsizetype i = at + 1; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            return true;
        }
        if (!text[i].isSpace()) {
            return false;
        }
    }
    return false;
}

// A field of the TSV output: no tab nor line break may cut its line.
QString tsvField(QString value) {
    for (QChar& c : value) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return value;
}

QString sourceName(WordAnalysis::Source source) {
    return source == WordAnalysis::Source::Thesaurus ? QStringLiteral("thesaurus")
                                                     : QStringLiteral("base");
}

void writeTsvLine(QTextStream& out, const QStringList& fields) {
    QStringList cleaned;
    cleaned.reserve(fields.size());
    for (const QString& f : fields) {
        cleaned << tsvField(f);
    }
    out << cleaned.join(u'\t') << u'\n';
}

// The TSV lines of one word: one per analysis, or one of rang 0.
void writeTsvWord(QTextStream& out, const QString& sentence, const QString& word,
                  const QString& form, const std::vector<WordAnalysis>& analyses) {
    if (analyses.empty()) {
        writeTsvLine(out,
                     {sentence, word, form, QStringLiteral("0"), {}, {}, {}, {}, {}, {}, {}, {}});
        return;
    }
    int rank = 0;
    for (const WordAnalysis& a : analyses) {
        const QString feats = a.feats == kNone ? QString() : a.feats;
        writeTsvLine(
            out, {sentence, word, form, QString::number(++rank), a.lemma, a.translation, a.category,
                  a.caseGenderNumber, a.moodTenseVoice, a.upos, feats, sourceName(a.source)});
    }
}

bool hasLetterOrDigit(const QString& token) {
    return std::any_of(token.begin(), token.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

// LEMMA, UPOS, XPOS, FEATS of a word line: the first analysis; a token of signs alone is
// punctuation; anything else is left unknown.
QStringList annotationOf(const QString& token, const std::vector<WordAnalysis>& analyses) {
    if (!analyses.empty()) {
        const WordAnalysis& a = analyses.front();
        return {a.lemma.isEmpty() ? kNone : a.lemma, a.upos,
                a.category.isEmpty() ? kNone : a.category, a.feats};
    }
    if (!token.isEmpty() && !hasLetterOrDigit(token)) {
        return {token, QStringLiteral("PUNCT"), kNone, kNone};
    }
    return {kNone, kNone, kNone, kNone};
}

bool isWordId(const QString& id) {
    return !id.isEmpty() && std::all_of(id.begin(), id.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

WordAnalyser::WordAnalyser(const ThesaurusLists& thesaurus, MorphologyDatabase& database,
                           const TagModel* tags)
    : thesaurus_(thesaurus), database_(database), tags_(tags) {
    for (qint64 i = 0; i < thesaurus.size(); ++i) {
        entriesByForm_[lowerCased(thesaurus.forms[static_cast<std::size_t>(i)])].push_back(i);
    }
}

const std::vector<WordAnalysis>& WordAnalyser::analyse(const QString& form) {
    auto known = analysesByForm_.find(form);
    if (known == analysesByForm_.end()) {
        known = analysesByForm_.insert(form, lookUp(form));
    }
    return *known;
}

std::vector<WordAnalysis> WordAnalyser::lookUp(const QString& form) {
    std::vector<WordAnalysis> found;
    const auto entries = entriesByForm_.constFind(lowerCased(form));
    if (entries != entriesByForm_.cend()) {
        for (qint64 entry : *entries) {
            found.push_back(fromThesaurus(thesaurus_, entry));
        }
    }
    const std::size_t fromThesaurusCount = found.size();
    for (const ProposedAnalysis& p : database_.proposals(form)) {
        WordAnalysis a = fromDatabase(p);
        const auto end = found.begin() + static_cast<std::ptrdiff_t>(fromThesaurusCount);
        // A thesaurus analysis counts with its lemma's frequency, as the database knows it.
        for (auto t = found.begin(); t != end; ++t) {
            if (comparable(t->lemma) == comparable(a.lemma)) {
                t->frequency = std::max(t->frequency, a.frequency);
            }
        }
        if (std::none_of(found.begin(), end,
                         [&a](const WordAnalysis& t) { return sameAnalysis(t, a); })) {
            found.push_back(std::move(a));
        }
    }
    return found;
}

void WordAnalyser::rankInContext(std::vector<std::vector<WordAnalysis>>& sentence,
                                 const QStringList& forms) const {
    if (!tags_) {
        return;
    }
    std::vector<SentenceWord> words;
    words.reserve(sentence.size());
    for (std::size_t w = 0; w < sentence.size(); ++w) {
        SentenceWord word{forms.value(static_cast<qsizetype>(w)), {}};
        for (const WordAnalysis& a : sentence[w]) {
            word.analyses.push_back({a.lemma, a.category, a.caseGenderNumber, a.moodTenseVoice,
                                     a.frequency, a.source == WordAnalysis::Source::Thesaurus,
                                     a.translation});
        }
        words.push_back(std::move(word));
    }
    const std::vector<std::vector<double>> p = sentenceProbabilities(*tags_, words);
    for (std::size_t w = 0; w < sentence.size(); ++w) {
        std::vector<std::size_t> order(sentence[w].size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return p[w][a] > p[w][b]; });
        std::vector<WordAnalysis> ranked;
        ranked.reserve(order.size());
        for (const std::size_t i : order) {
            ranked.push_back(std::move(sentence[w][i]));
        }
        sentence[w] = std::move(ranked);
    }
}

std::vector<WordAnalysis> WordAnalyser::analyseToken(const QString& token) {
    const QStringList words = cutWordForms(token);
    return words.size() == 1 ? analyse(words.front()) : std::vector<WordAnalysis>{};
}

namespace {

// Walks the sentences of a text: `onWord` hears each word, `onEnd` the end of each sentence
// (the offset just past it), whether or not it holds words.
template <typename OnWord, typename OnEnd>
void walkSentences(const QString& text, OnWord onWord, OnEnd onEnd) {
    qsizetype wordEnd = -1;  // where the last word ended
    QStringView lastWord;
    for (qsizetype i = 0; i < text.size();) {
        if (isWordLetter(text[i])) {
            qsizetype j = i;
            while (j < text.size() && isWordLetter(text[j])) {
                ++j;
            }
            lastWord = QStringView(text).sliced(i, j - i);
            onWord(lastWord);
            wordEnd = j;
            i = j;
            continue;
        }
        const QChar c = text[i];
        const bool fullStop = c == u'.' && !(wordEnd == i && isAbbreviatedName(lastWord));
        if (fullStop || c == u'!' || c == u'?') {
            onEnd(i + 1);
        } else if (c == u'\n' && opensEmptyLine(text, i)) {
            onEnd(i + 1);
        }
        ++i;
    }
    onEnd(text.size());
}

}  // namespace

std::vector<Sentence> cutSentences(const QString& text) {
    std::vector<Sentence> sentences;
    Sentence current;
    qsizetype start = 0;
    walkSentences(
        text, [&](QStringView word) { current.words << word.toString(); },
        [&](qsizetype end) {
            if (!current.words.isEmpty()) {
                current.text = text.sliced(start, end - start).simplified();
                sentences.push_back(std::move(current));
            }
            current = Sentence();
            start = end;
        });
    return sentences;
}

// As cutSentences() counts them, without building a string.
std::vector<qint64> sentenceStartsOf(const QString& text, qsizetype wordCount) {
    std::vector<qint64> starts;
    qint64 words = 0;
    qint64 sentenceStart = 0;
    walkSentences(
        text, [&](QStringView) { ++words; },
        [&](qsizetype) {
            if (words > sentenceStart) {
                starts.push_back(sentenceStart);
                sentenceStart = words;
            }
        });
    return words == wordCount ? starts : std::vector<qint64>{};
}

QStringList tsvHeader() {
    return {QStringLiteral("phrase"),          QStringLiteral("mot"),
            QStringLiteral("forme"),           QStringLiteral("rang"),
            QStringLiteral("lemme"),           QStringLiteral("traduction"),
            QStringLiteral("categorie"),       QStringLiteral("cas_genre_nombre"),
            QStringLiteral("mode_temps_voix"), QStringLiteral("upos"),
            QStringLiteral("traits"),          QStringLiteral("source")};
}

void writeTextAnalyses(const QString& text, WordAnalyser& analyser, OutputFormat format,
                       QTextStream& out) {
    if (format == OutputFormat::Tsv) {
        writeTsvLine(out, tsvHeader());
    }
    int sentenceNumber = 0;
    for (const Sentence& sentence : cutSentences(text)) {
        const QString number = QString::number(++sentenceNumber);
        if (format == OutputFormat::Conllu) {
            out << "# sent_id = " << number << u'\n' << "# text = " << sentence.text << u'\n';
        }
        std::vector<std::vector<WordAnalysis>> ranked;
        for (const QString& word : sentence.words) {
            ranked.push_back(analyser.analyse(word));
        }
        analyser.rankInContext(ranked, sentence.words);
        int wordNumber = 0;
        for (const QString& word : sentence.words) {
            const std::vector<WordAnalysis>& analyses =
                ranked[static_cast<std::size_t>(wordNumber)];
            const QString id = QString::number(++wordNumber);
            if (format == OutputFormat::Tsv) {
                writeTsvWord(out, number, id, word, analyses);
            } else {
                const QStringList filled = annotationOf(word, analyses);
                out << id << u'\t' << word << u'\t' << filled.join(u'\t') << "\t_\t_\t_\t_\n";
            }
        }
        if (format == OutputFormat::Conllu) {
            out << u'\n';
        }
    }
}

std::vector<std::vector<WordAnalysis>> analysesOfWordLines(const QStringList& lines,
                                                           WordAnalyser& analyser) {
    std::vector<std::vector<WordAnalysis>> analyses(static_cast<std::size_t>(lines.size()));
    std::vector<std::vector<WordAnalysis>> sentence;
    QStringList forms;
    std::vector<std::size_t> sentenceLines;
    const auto rankSentence = [&] {
        analyser.rankInContext(sentence, forms);
        forms.clear();
        for (std::size_t w = 0; w < sentence.size(); ++w) {
            analyses[sentenceLines[w]] = std::move(sentence[w]);
        }
        sentence.clear();
        sentenceLines.clear();
    };
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty()) {
            rankSentence();
            continue;
        }
        const QStringList columns = lines[n].split(u'\t');
        if (columns.size() >= 6 && isWordId(columns[0]) && !line.startsWith(u'#')) {
            sentence.push_back(analyser.analyseToken(columns[1]));
            forms << columns[1];
            sentenceLines.push_back(static_cast<std::size_t>(n));
        }
    }
    rankSentence();
    return analyses;
}

void writeConlluAnalyses(const QString& conllu, WordAnalyser& analyser, OutputFormat format,
                         QTextStream& out) {
    if (format == OutputFormat::Tsv) {
        writeTsvLine(out, tsvHeader());
    }
    const QStringList lines = conllu.split(u'\n');
    const std::vector<std::vector<WordAnalysis>> ranked = analysesOfWordLines(lines, analyser);
    int sentenceNumber = 0;
    bool inSentence = false;
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        const bool lastLine = n + 1 == lines.size();
        const bool carriageReturn = line.endsWith(u'\r');
        if (carriageReturn) {
            line.chop(1);
        }
        if (line.trimmed().isEmpty()) {
            inSentence = false;
        } else if (!inSentence) {
            inSentence = true;
            ++sentenceNumber;
        }
        QStringList columns = line.split(u'\t');
        if (columns.size() >= 6 && isWordId(columns[0]) && !line.startsWith(u'#')) {
            const std::vector<WordAnalysis>& analyses = ranked[static_cast<std::size_t>(n)];
            if (format == OutputFormat::Tsv) {
                writeTsvWord(out, QString::number(sentenceNumber), columns[0], columns[1],
                             analyses);
                continue;
            }
            const QStringList filled = annotationOf(columns[1], analyses);
            for (int c = 0; c < 4; ++c) {
                columns[2 + c] = filled[c];
            }
            line = columns.join(u'\t');
        }
        if (format == OutputFormat::Conllu) {
            out << line << (carriageReturn ? "\r" : "") << (lastLine ? "" : "\n");
        }
    }
}

}  // namespace analysis
