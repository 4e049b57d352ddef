#include "analysis/morphology.h"

#include "analysis/normalise.h"
#include "records/paths.h"
#include "records/records.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QVariant>

#include <sqlite3.h>

namespace analysis {
namespace {

// The analyses of one folded form, the most frequent lemma first, then in the order the
// database keeps them (for one lemma, the most expected analysis first).
const char* const kByForm =
    "SELECT COALESCE(a.form, a.folded), l.lemma, COALESCE(a.translation, l.translation), "
    "l.category, c.case_gender_number, c.mood_tense_voice, l.frequency "
    "FROM analysis a JOIN lemma l ON l.id = a.lemma JOIN cell c ON c.id = a.cell "
    "WHERE a.folded = ?1 ORDER BY l.frequency DESC, a.rank";

// The lemmas whose name matches a pattern that lemmaPattern() makes, and those whose name has
// a letter beyond ASCII (its UTF-8 bytes outnumber its characters), which the pattern cannot
// fold: the reader then compares them as foldedForm() does.
const char* const kLemmasByName =
    "SELECT id, lemma, category, translation, frequency FROM lemma "
    "WHERE lemma GLOB ?1 OR length(lemma) <> length(CAST(lemma AS BLOB)) "
    "ORDER BY frequency DESC, id";

// A folded name as a GLOB pattern over names in ASCII: each letter in either case, i also j
// and u also v.
QString lemmaPattern(const QString& folded) {
    QString pattern;
    for (const QChar c : folded) {
        pattern += u'[' + c + c.toUpper();
        if (c == u'i' || c == u'u') {
            pattern += c == u'i' ? QStringLiteral("jJ") : QStringLiteral("vV");
        }
        pattern += u']';
    }
    return pattern;
}

const char* const kFormsByLemma =
    "SELECT COALESCE(a.form, a.folded), a.folded, c.grammatical_case, c.gender, c.person, "
    "c.number, c.mood, c.tense, c.voice, c.degree, c.case_gender_number, c.mood_tense_voice "
    "FROM analysis a JOIN cell c ON c.id = a.cell WHERE a.lemma = ?1";

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text != nullptr ? QString::fromUtf8(text) : QString();
}

QString orEmptyMarker(const QString& value) {
    return value.isEmpty() ? records::kEmptyMarker : value;
}

// Reference data is never written: no lock, no journal, nothing created beside it.
QByteArray readOnlyUri(const QString& path) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    url.setQuery(QStringLiteral("immutable=1"));
    return url.toEncoded();
}

QString unreadable(const QString& path) {
    return QStringLiteral("le fichier %1 est illisible ou n'est pas une base morphologique")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace

MorphologyDatabase::MorphologyDatabase(const QString& path) : path_(path) {
    if (path.isEmpty()) {
        QStringList dirs;
        for (const QString& dir : records::paths::shippedDataDirs()) {
            dirs << QDir::toNativeSeparators(QDir::cleanPath(dir));
        }
        reason_ = QStringLiteral(
                      "la base %1 n'est dans aucun des dossiers de données du "
                      "programme (%2)")
                      .arg(kFileName, dirs.join(QStringLiteral(", ")));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        reason_ =
            QStringLiteral("le fichier %1 est introuvable").arg(QDir::toNativeSeparators(path));
        return;
    }
    if (sqlite3_open_v2(readOnlyUri(path).constData(), &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                        nullptr) != SQLITE_OK) {
        fail(unreadable(path));
        return;
    }
    sqlite3_stmt* version = nullptr;
    int found = -1;
    if (sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &version, nullptr) == SQLITE_OK &&
        sqlite3_step(version) == SQLITE_ROW) {
        found = sqlite3_column_int(version, 0);
    }
    sqlite3_finalize(version);
    if (found <= 0) {
        fail(unreadable(path));  // not a database, or an empty one
    } else if (found != kSchemaVersion) {
        fail(QStringLiteral("le fichier %1 est d'une autre version de la base morphologique "
                            "(version %2 ; ce programme lit la version %3)")
                 .arg(QDir::toNativeSeparators(path))
                 .arg(found)
                 .arg(kSchemaVersion));
    } else if (sqlite3_prepare_v2(db_, kByForm, -1, &byForm_, nullptr) != SQLITE_OK ||
               sqlite3_prepare_v2(db_, kLemmasByName, -1, &lemmasByName_, nullptr) != SQLITE_OK ||
               sqlite3_prepare_v2(db_, kFormsByLemma, -1, &formsByLemma_, nullptr) != SQLITE_OK) {
        fail(unreadable(path));
    }
}

MorphologyDatabase::~MorphologyDatabase() {
    close();
}

void MorphologyDatabase::close() {
    for (sqlite3_stmt** statement : {&byForm_, &lemmasByName_, &formsByLemma_}) {
        sqlite3_finalize(*statement);
        *statement = nullptr;
    }
    sqlite3_close(db_);
    db_ = nullptr;
}

void MorphologyDatabase::fail(const QString& reason) {
    close();
    reason_ = reason;
}

template <class ReadRow>
bool MorphologyDatabase::eachRow(sqlite3_stmt* statement, const QVariant& key, ReadRow readRow) {
    sqlite3_reset(statement);
    const QByteArray text = key.toString().toUtf8();
    if (key.typeId() == QMetaType::LongLong) {
        sqlite3_bind_int64(statement, 1, key.toLongLong());
    } else if (key.isValid()) {
        sqlite3_bind_text(statement, 1, text.constData(), static_cast<int>(text.size()),
                          SQLITE_STATIC);
    }
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        readRow(statement);
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (step != SQLITE_DONE) {
        fail(unreadable(path_));
        return false;
    }
    return true;
}

std::vector<ProposedAnalysis> MorphologyDatabase::analysesOfFolded(const QString& folded) {
    std::vector<ProposedAnalysis> found;
    if (!isOpen() || folded.isEmpty()) {
        return found;
    }
    const bool read = eachRow(byForm_, folded, [&found](sqlite3_stmt* row) {
        ProposedAnalysis a;
        a.form = columnText(row, 0);
        a.lemma = orEmptyMarker(columnText(row, 1));
        a.translation = orEmptyMarker(columnText(row, 2));
        a.category = orEmptyMarker(columnText(row, 3));
        a.caseGenderNumber = orEmptyMarker(columnText(row, 4));
        a.moodTenseVoice = orEmptyMarker(columnText(row, 5));
        a.frequency = sqlite3_column_int(row, 6);
        found.push_back(std::move(a));
    });
    return read ? found : std::vector<ProposedAnalysis>{};
}

std::vector<DatabaseLemma> MorphologyDatabase::lemmasNamed(const QString& lemma) {
    std::vector<DatabaseLemma> found;
    const QString folded = foldedForm(lemma.trimmed());
    if (!isOpen() || folded.isEmpty()) {
        return found;
    }
    const bool read = eachRow(lemmasByName_, lemmaPattern(folded), [&](sqlite3_stmt* row) {
        DatabaseLemma l{sqlite3_column_int64(row, 0), columnText(row, 1), columnText(row, 2),
                        columnText(row, 3), sqlite3_column_int(row, 4)};
        if (foldsTo(l.lemma, folded)) {
            found.push_back(std::move(l));
        }
    });
    return read ? found : std::vector<DatabaseLemma>{};
}

std::vector<LemmaForm> MorphologyDatabase::formsOfLemma(qint64 lemmaId) {
    std::vector<LemmaForm> found;
    if (!isOpen()) {
        return found;
    }
    const bool read = eachRow(formsByLemma_, QVariant(lemmaId), [&found](sqlite3_stmt* row) {
        LemmaForm f;
        f.form = columnText(row, 0);
        f.folded = columnText(row, 1);
        CellFeatures& c = f.features;
        QString* const fields[] = {
            &c.grammaticalCase, &c.gender, &c.person, &c.number,           &c.mood,
            &c.tense,           &c.voice,  &c.degree, &c.caseGenderNumber, &c.moodTenseVoice};
        int column = 2;
        for (QString* field : fields) {
            *field = columnText(row, column++);
        }
        found.push_back(std::move(f));
    });
    return read ? found : std::vector<LemmaForm>{};
}

std::vector<ProposedAnalysis> MorphologyDatabase::proposals(const QString& form) {
    const QString folded = foldedForm(form);
    std::vector<ProposedAnalysis> found = analysesOfFolded(folded);
    if (!found.empty() || folded.isEmpty()) {
        return found;
    }
    for (const EncliticSplit& split : encliticSplits(folded)) {
        for (ProposedAnalysis& a : analysesOfFolded(split.word)) {
            a.enclitic = split.enclitic;
            found.push_back(std::move(a));
        }
    }
    return found;
}

namespace {

struct Installed {
    std::unique_ptr<MorphologyDatabase> database;
    QString chosenPath;  // empty: where the program is installed
    bool noticeGiven = false;
};

Installed& installed() {
    static Installed state;
    return state;
}

// The first shipped data folder that holds the database; empty when none does.
QString installedPath() {
    for (const QString& dir : records::paths::shippedDataDirs()) {
        const QString candidate = QDir(dir).filePath(MorphologyDatabase::kFileName);
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

}  // namespace

MorphologyDatabase& installedMorphology() {
    Installed& state = installed();
    if (!state.database) {
        const QString path = state.chosenPath.isEmpty() ? installedPath() : state.chosenPath;
        state.database = std::make_unique<MorphologyDatabase>(path);
    }
    return *state.database;
}

void useMorphologyDatabase(const QString& path) {
    Installed& state = installed();
    state.database.reset();
    state.chosenPath = path;
    state.noticeGiven = false;
}

bool takeMorphologyNotice() {
    Installed& state = installed();
    if (installedMorphology().isOpen() || state.noticeGiven) {
        return false;
    }
    state.noticeGiven = true;
    return true;
}

}  // namespace analysis
