#include "support/testenv.h"

#include "records/paths.h"

#include <QDir>
#include <QFile>

TestDataHome::TestDataHome() {
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("share"))));
}

bool TestDataHome::installShippedData() const {
    QDir().mkpath(records::paths::dataDir());
    for (const QString& name : {records::paths::kBaseThesaurusName, records::paths::kLexiconName}) {
        const QString target = QDir(records::paths::dataDir()).filePath(name);
        QFile::remove(target);
        if (!QFile::copy(QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(name), target)) {
            return false;
        }
        QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
    return true;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
