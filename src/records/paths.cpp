#include "records/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace records::paths {
namespace {

QString shippedCopy(const QString& name, const QStringList& shippedDirs) {
    for (const QString& dir : shippedDirs) {
        const QString candidate = QDir(dir).filePath(name);
        if (QFileInfo::exists(candidate)) {
            return candidate;
        }
    }
    return {};
}

QString seedOne(const QString& name, const QStringList& shippedDirs) {
    const QString target = QDir(dataDir()).filePath(name);
    if (QFileInfo::exists(target)) {
        return {};
    }
    const QString source = shippedCopy(name, shippedDirs);
    if (source.isEmpty()) {
        return QStringLiteral("Le fichier %1 livré avec le programme est introuvable.").arg(name);
    }
    if (!QDir().mkpath(dataDir()) || !QFile::copy(source, target)) {
        return QStringLiteral("Impossible de copier le fichier %1 dans le dossier %2.")
            .arg(name, dataDir());
    }
    // A copy keeps the shipped file's permissions, which may be read-only.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    return {};
}

}  // namespace

QString dataDir() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("morphologique"));
}

QString baseThesaurus() {
    return QDir(dataDir()).filePath(kBaseThesaurusName);
}

QString lexicon() {
    return QDir(dataDir()).filePath(kLexiconName);
}

QStringList shippedDataDirs() {
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir(appDir).filePath(QStringLiteral("data")),
            QDir(appDir).filePath(QStringLiteral("../share/morphologique")),
            QStringLiteral(MORPHO_SHARE_DIR)};
}

QStringList seedDataFiles(const QStringList& shippedDirs) {
    QStringList failures;
    for (const QString& name : {kBaseThesaurusName, kLexiconName}) {
        const QString failure = seedOne(name, shippedDirs);
        if (!failure.isEmpty()) {
            failures << failure;
        }
    }
    return failures;
}

}  // namespace records::paths
