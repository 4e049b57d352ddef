#include "latindata/morphologydb.h"

#include "latindata/coding.h"
#include "latindata/datafiles.h"

#include "core/morphology/morphology.h"
#include "core/morphology/normalise.h"
#include "core/records/cp1252.h"

#include <QFile>
#include <QSet>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <variant>

namespace latindata {
namespace {

// Version analysis::MorphologyDatabase::kSchemaVersion. Text features are the descriptions of
// the keypad rows ("accusatif", "féminin"); an empty text is a feature the analysis lacks.
const char* const kSchema = R"sql(
CREATE TABLE lemma (
    id          INTEGER PRIMARY KEY,
    lemma       TEXT NOT NULL,
    category    TEXT NOT NULL,
    translation TEXT NOT NULL,
    frequency   INTEGER NOT NULL,
    model       TEXT NOT NULL
);
CREATE TABLE cell (
    id                 INTEGER PRIMARY KEY,
    grammatical_case   TEXT NOT NULL,
    gender             TEXT NOT NULL,
    person             TEXT NOT NULL,
    number             TEXT NOT NULL,
    mood               TEXT NOT NULL,
    tense              TEXT NOT NULL,
    voice              TEXT NOT NULL,
    degree             TEXT NOT NULL,
    case_gender_number TEXT NOT NULL,
    mood_tense_voice   TEXT NOT NULL
);
CREATE TABLE analysis (
    folded      TEXT NOT NULL,
    rank        INTEGER NOT NULL,
    form        TEXT,
    lemma       INTEGER NOT NULL REFERENCES lemma (id),
    cell        INTEGER NOT NULL REFERENCES cell (id),
    translation TEXT,
    PRIMARY KEY (folded, rank)
) WITHOUT ROWID;
)sql";

const char* const kIndexes = R"sql(
CREATE INDEX analysis_by_lemma ON analysis (lemma);
)sql";

QString degreeText(Degree degree) {
    switch (degree) {
        case Degree::Comparative:
            return QStringLiteral("comparatif");
        case Degree::Superlative:
            return QStringLiteral("superlatif");
        case Degree::Positive:
            break;
    }
    return QStringLiteral("positif");
}

QString lowered(const QString& text) {
    return records::cp1252::toLower(records::trimmedRight(text));
}

// A field of a hand-written record: trimmed, the empty marker read as no value.
QString handValue(const QString& field) {
    const QString value = field.trimmed();
    return value == records::kEmptyMarker ? QString() : value;
}

// A value of a column: a number, a text, or NULL.
using Value = std::variant<std::monostate, int, QString>;

class Writer {
  public:
    explicit Writer(const QString& path) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            failed_ = true;
        }
    }
    ~Writer() {
        for (sqlite3_stmt* s : statements_) {
            sqlite3_finalize(s);
        }
        sqlite3_close(db_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void exec(const char* sql) {
        if (!failed_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
            failed_ = true;
        }
    }
    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* s = nullptr;
        if (failed_ || sqlite3_prepare_v2(db_, sql, -1, &s, nullptr) != SQLITE_OK) {
            failed_ = true;
            return nullptr;
        }
        statements_.push_back(s);
        return s;
    }
    // Binds the values in column order and runs the statement.
    void insert(sqlite3_stmt* s, const std::vector<Value>& values) {
        if (failed_) {
            return;
        }
        sqlite3_reset(s);
        for (std::size_t i = 0; i < values.size(); ++i) {
            const int column = static_cast<int>(i + 1);
            if (const int* n = std::get_if<int>(&values[i])) {
                sqlite3_bind_int(s, column, *n);
            } else if (const QString* text = std::get_if<QString>(&values[i])) {
                const QByteArray utf8 = text->toUtf8();
                sqlite3_bind_text(s, column, utf8.constData(), static_cast<int>(utf8.size()),
                                  SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(s, column);
            }
        }
        failed_ = sqlite3_step(s) != SQLITE_DONE;
    }
    bool failed() const { return failed_; }
    QString message() const {
        return db_ != nullptr ? QString::fromUtf8(sqlite3_errmsg(db_))
                              : QStringLiteral("out of memory");
    }

  private:
    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;
    bool failed_ = false;
};

// NULL for a value the reader takes from elsewhere.
Value textOrNull(const QString& text, const QString& otherwise = QString()) {
    return text.isEmpty() || text == otherwise ? Value() : Value(text);
}

// The order of the analyses in the file: by folded form, the most frequent lemma first, then
// the most expected analysis; the reader keeps this order.
std::vector<std::size_t> writingOrder(const MorphologyTables& t,
                                      const std::vector<QString>& folded) {
    std::vector<std::size_t> order(t.analyses.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (folded[a] != folded[b]) {
            return folded[a] < folded[b];
        }
        const MorphologyAnalysis& x = t.analyses[a];
        const MorphologyAnalysis& y = t.analyses[b];
        const int fx = t.lemmas[std::size_t(x.lemma)].frequency;
        const int fy = t.lemmas[std::size_t(y.lemma)].frequency;
        return fx != fy ? fx > fy : x.share > y.share;
    });
    return order;
}

void insertLemmasAndCells(Writer& w, const MorphologyTables& t) {
    sqlite3_stmt* lemma = w.prepare("INSERT INTO lemma VALUES (?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < t.lemmas.size(); ++i) {
        const MorphologyLemma& l = t.lemmas[i];
        w.insert(lemma, {int(i + 1), l.lemma, l.category, l.translation, l.frequency, l.model});
    }
    sqlite3_stmt* cell = w.prepare("INSERT INTO cell VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (std::size_t i = 0; i < t.cells.size(); ++i) {
        const MorphologyCell& c = t.cells[i];
        const Features& f = c.features;
        w.insert(cell,
                 {int(i + 1), f.grammaticalCase, f.gender, f.person, f.number, f.mood, f.tense,
                  f.voice, degreeText(f.degree), c.caseGenderNumber, c.moodTenseVoice});
    }
}

// Analyses whose form cannot be folded could never be found: they are left out.
void insertAnalyses(Writer& w, const MorphologyTables& t) {
    std::vector<QString> folded;
    folded.reserve(t.analyses.size());
    for (const MorphologyAnalysis& a : t.analyses) {
        folded.push_back(analysis::foldedForm(a.form));
    }
    sqlite3_stmt* insert = w.prepare("INSERT INTO analysis VALUES (?, ?, ?, ?, ?, ?)");
    int rank = 0;
    const QString* previous = nullptr;
    for (std::size_t i : writingOrder(t, folded)) {
        const MorphologyAnalysis& a = t.analyses[i];
        if (folded[i].isEmpty()) {
            continue;
        }
        rank = previous != nullptr && *previous == folded[i] ? rank + 1 : 1;
        previous = &folded[i];
        const QString& lemmaTranslation = t.lemmas[std::size_t(a.lemma)].translation;
        w.insert(insert, {folded[i], rank, textOrNull(a.form, folded[i]), a.lemma + 1, a.cell + 1,
                          textOrNull(a.translation, lemmaTranslation)});
    }
}

}  // namespace

int MorphologyTables::addLemma(const MorphologyLemma& lemma) {
    lemmas.push_back(lemma);
    return static_cast<int>(lemmas.size() - 1);
}

int MorphologyTables::cellOf(const Features& f, const QString& caseGenderNumber,
                             const QString& moodTenseVoice) {
    const QString key = QStringList{f.grammaticalCase,
                                    f.gender,
                                    f.person,
                                    f.number,
                                    f.mood,
                                    f.tense,
                                    f.voice,
                                    degreeText(f.degree),
                                    caseGenderNumber,
                                    moodTenseVoice}
                            .join(QLatin1Char('|'));
    const auto known = cellIndex_.constFind(key);
    if (known != cellIndex_.constEnd()) {
        return *known;
    }
    cells.push_back({f, caseGenderNumber, moodTenseVoice});
    const int index = static_cast<int>(cells.size() - 1);
    cellIndex_.insert(key, index);
    return index;
}

MorphologyTables morphologyOf(const AnalysisSet& set, const LexicalData& data) {
    MorphologyTables tables;
    tables.lemmas.reserve(set.lemmas.size());
    for (const LemmaEntry& entry : set.lemmas) {
        const Lemma& lemma = data.lemmas[entry.source];
        tables.addLemma({entry.displayed, entry.kind.category,
                         analysisTranslation(entry.translation, Features{}), lemma.model,
                         lemma.frequency});
    }
    tables.analyses.reserve(set.analyses.size());
    // The features of an analysis are its cell's but for the gender and voice its lemma gives:
    // each combination is coded once.
    QHash<QString, int> cellOfCombination;
    for (const Analysis& a : set.analyses) {
        const LemmaEntry& entry = set.lemmas[std::size_t(a.lemma)];
        const Features& cell = *data.cells.find(a.cell);
        Features features = featuresOfAnalysis(cell, entry.kind);
        if (a.anyGender) {
            features.gender.clear();
        }
        const QString combination =
            QString::number(a.cell) + u'|' + features.gender + u'|' + features.voice;
        auto known = cellOfCombination.constFind(combination);
        if (known == cellOfCombination.constEnd()) {
            const Coding coding = encode(features);
            known = cellOfCombination.insert(
                combination,
                tables.cellOf(features, coding.caseGenderNumber, coding.moodTenseVoice));
        }
        tables.analyses.push_back({set.forms[a.form], a.lemma, *known, a.share,
                                   analysisTranslation(entry.translation, cell)});
    }
    return tables;
}

void addHandAnalyses(MorphologyTables& tables, const std::vector<records::ThesaurusRecord>& hand) {
    QHash<QString, int> byNameAndCategory;
    QHash<QString, int> byName;  // the most frequent lemma of the name
    for (std::size_t i = 0; i < tables.lemmas.size(); ++i) {
        const MorphologyLemma& l = tables.lemmas[i];
        byNameAndCategory.insert(lowered(l.lemma) + QLatin1Char('\t') + l.category, int(i));
        const auto known = byName.constFind(lowered(l.lemma));
        if (known == byName.constEnd() ||
            tables.lemmas[std::size_t(*known)].frequency < l.frequency) {
            byName.insert(lowered(l.lemma), int(i));
        }
    }
    QSet<QString> given;
    for (const records::ThesaurusRecord& r : hand) {
        given.insert(lowered(r.form()) + QLatin1Char('\t') + lowered(r.lemma()));
    }
    std::erase_if(tables.analyses, [&](const MorphologyAnalysis& a) {
        return given.contains(lowered(a.form) + QLatin1Char('\t') +
                              lowered(tables.lemmas[std::size_t(a.lemma)].lemma));
    });
    for (const records::ThesaurusRecord& r : hand) {
        const QString name = handValue(r.lemma());
        const QString category = handValue(r.category());
        const QString translation = handValue(r.translation());
        const QString key = lowered(name) + QLatin1Char('\t') + category;
        auto lemma = byNameAndCategory.constFind(key);
        if (lemma == byNameAndCategory.constEnd()) {
            const int namesake = byName.value(lowered(name), -1);
            MorphologyLemma added{name, category, translation, QString(), 0};
            if (namesake >= 0) {
                added.model = tables.lemmas[std::size_t(namesake)].model;
                added.frequency = tables.lemmas[std::size_t(namesake)].frequency;
            }
            lemma = byNameAndCategory.insert(key, tables.addLemma(added));
        }
        const QString cgn = handValue(r.caseGenderNumber());
        const QString mtv = handValue(r.moodTenseVoice());
        tables.analyses.push_back({records::trimmedRight(r.form()), *lemma,
                                   tables.cellOf(decode(cgn, mtv), cgn, mtv), 0, translation});
    }
}

bool writeMorphologyDatabase(const QString& path, const MorphologyTables& tables, QString* error) {
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    {
        Writer w(part);
        // A scratch file until it is complete: no journal, no waiting for the disk.
        w.exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
        w.exec(kSchema);
        w.exec("BEGIN");
        insertLemmasAndCells(w, tables);
        insertAnalyses(w, tables);
        w.exec("COMMIT");
        w.exec(kIndexes);
        w.exec(QByteArray("PRAGMA user_version = ")
                   .append(QByteArray::number(analysis::MorphologyDatabase::kSchemaVersion))
                   .constData());
        w.exec("VACUUM");  // pages filled whole: the file is read, never written again
        if (w.failed()) {
            *error = QStringLiteral("cannot write %1: %2").arg(part, w.message());
            QFile::remove(part);
            return false;
        }
    }
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) !=
        0) {
        *error = QStringLiteral("cannot replace %1").arg(path);
        QFile::remove(part);
        return false;
    }
    return true;
}

}  // namespace latindata
