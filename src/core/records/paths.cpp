#include "core/records/paths.h"

#include "core/records/recordfile.h"

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
        if (QFileInfo(candidate).size() > 0) {
            return candidate;
        }
    }
    return {};
}

// Why one data file could not be put in place; empty when it is there or was copied.
QString seedOne(const QString& name, const QStringList& shippedDirs) {
    const QString target = QDir(dataDir()).filePath(name);
    if (QFileInfo(target).size() > 0) {
        return {};
    }
    const QString source = shippedCopy(name, shippedDirs);
    if (source.isEmpty()) {
        return QStringLiteral("le fichier %1 livré avec le programme est introuvable").arg(name);
    }
    QFile shipped(source);
    if (!shipped.open(QIODevice::ReadOnly)) {
        return QStringLiteral("le fichier livré %1 ne peut pas être lu").arg(source);
    }
    const QByteArray bytes = shipped.readAll();
    if (!QDir().mkpath(dataDir())) {
        return QStringLiteral("le dossier %1 ne peut pas être créé").arg(dataDir());
    }
    if (const Outcome<void> written = replaceFile(target, bytes); !written.ok()) {
        return written.error();
    }
    // The copy must stay writable by its owner even when the shipped file is read-only.
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

namespace {
QStringList& shippedDirsOverride() {
    static QStringList dirs;
    return dirs;
}
}  // namespace

void setShippedDataDirs(const QStringList& dirs) {
    shippedDirsOverride() = dirs;
}

QStringList shippedDataDirs() {
    if (!shippedDirsOverride().isEmpty()) {
        return shippedDirsOverride();
    }
    const QString appDir = QCoreApplication::applicationDirPath();
    return {QDir(appDir).filePath(QStringLiteral("data")),
            QDir(appDir).filePath(QStringLiteral("../share/morphologique")),
            QStringLiteral(MORPHO_SHARE_DIR)};
}

Outcome<void> seedDataFiles(const QStringList& shippedDirs) {
    QStringList failures;
    for (const QString& name : {kBaseThesaurusName, kLexiconName}) {
        const QString failure = seedOne(name, shippedDirs);
        if (!failure.isEmpty() && !failures.contains(failure)) {
            failures << failure;
        }
    }
    if (failures.isEmpty()) {
        return {};
    }
    return failure(
        QStringLiteral("Les données du programme n'ont pas pu être mises en place dans le "
                       "dossier %1 :\n%2")
            .arg(dataDir(), failures.join(QLatin1Char('\n'))));
}

Outcome<void> restoreDataFile(const QString& name, const QStringList& shippedDirs) {
    const QString why = seedOne(name, shippedDirs);
    if (why.isEmpty()) {
        return {};
    }
    return failure(
        QStringLiteral("Le fichier %1 est absent ou vide et n'a pas pu être rétabli :\n%2")
            .arg(QDir(dataDir()).filePath(name), why));
}

}  // namespace records::paths
