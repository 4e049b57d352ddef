#include "analysis/morphology.h"

#include "analysis/normalise.h"
#include "records/paths.h"
#include "records/records.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

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
    } else if (sqlite3_prepare_v2(db_, kByForm, -1, &byForm_, nullptr) != SQLITE_OK) {
        fail(unreadable(path));
    }
}

MorphologyDatabase::~MorphologyDatabase() {
    close();
}

void MorphologyDatabase::close() {
    sqlite3_finalize(byForm_);
    byForm_ = nullptr;
    sqlite3_close(db_);
    db_ = nullptr;
}

void MorphologyDatabase::fail(const QString& reason) {
    close();
    reason_ = reason;
}

std::vector<ProposedAnalysis> MorphologyDatabase::analysesOfFolded(const QString& folded) {
    std::vector<ProposedAnalysis> found;
    if (!isOpen() || folded.isEmpty()) {
        return found;
    }
    const QByteArray key = folded.toUtf8();
    sqlite3_reset(byForm_);
    sqlite3_bind_text(byForm_, 1, key.constData(), static_cast<int>(key.size()), SQLITE_STATIC);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(byForm_)) == SQLITE_ROW) {
        ProposedAnalysis a;
        a.form = columnText(byForm_, 0);
        a.lemma = orEmptyMarker(columnText(byForm_, 1));
        a.translation = orEmptyMarker(columnText(byForm_, 2));
        a.category = orEmptyMarker(columnText(byForm_, 3));
        a.caseGenderNumber = orEmptyMarker(columnText(byForm_, 4));
        a.moodTenseVoice = orEmptyMarker(columnText(byForm_, 5));
        a.frequency = sqlite3_column_int(byForm_, 6);
        found.push_back(std::move(a));
    }
    sqlite3_reset(byForm_);
    sqlite3_clear_bindings(byForm_);
    if (step != SQLITE_DONE) {
        fail(unreadable(path_));
        return {};
    }
    return found;
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
