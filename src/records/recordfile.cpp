#include "records/recordfile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace records {
namespace {

QString quoted(const QString& path) {
    return QStringLiteral("« %1 »").arg(path);
}

}  // namespace

RecordFile::RecordFile(const QString& path, int recordLength)
    : file_(path), path_(path), recordLength_(recordLength) {}

bool RecordFile::fail(const QString& what) {
    error_ = QStringLiteral("%1 %2.\n%3").arg(what, quoted(path_), file_.errorString());
    return false;
}

bool RecordFile::open() {
    // Unbuffered, a write that the disk cuts short reports how much it wrote.
    if (file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        return true;
    }
    if (QFileInfo::exists(path_) && file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return true;
    }
    return fail(QStringLiteral("Impossible d'ouvrir le fichier"));
}

bool RecordFile::readRaw(qint64 n, char* buffer) {
    if (n < 1 || n > count()) {
        error_ = QStringLiteral("L'enregistrement %1 n'existe pas dans le fichier %2.")
                     .arg(n)
                     .arg(quoted(path_));
        return false;
    }
    if (!file_.seek((n - 1) * recordLength_) ||
        file_.read(buffer, recordLength_) != recordLength_) {
        return fail(QStringLiteral("Impossible de lire le fichier"));
    }
    return true;
}

bool RecordFile::writeRaw(qint64 n, const char* buffer) {
    if (n < 1) {
        error_ = QStringLiteral("Position d'enregistrement invalide dans le fichier %1.")
                     .arg(quoted(path_));
        return false;
    }
    if (!file_.isWritable()) {
        error_ = QStringLiteral("Le fichier %1 est protégé en écriture.").arg(quoted(path_));
        return false;
    }
    if (!file_.seek((n - 1) * recordLength_) ||
        file_.write(buffer, recordLength_) != recordLength_) {
        return fail(QStringLiteral("Impossible d'écrire dans le fichier"));
    }
    return true;
}

bool RecordFile::readAllRaw(QByteArray& bytes) {
    const qint64 size = count() * recordLength_;
    if (!file_.seek(0)) {
        return fail(QStringLiteral("Impossible de lire le fichier"));
    }
    bytes = file_.read(size);
    if (bytes.size() != size) {
        return fail(QStringLiteral("Impossible de lire le fichier"));
    }
    return true;
}

qint64 appendPosition(qint64 fileLength, int recordLength) {
    const qint64 whole = fileLength / recordLength;
    const qint64 twiceRest = 2 * (fileLength % recordLength);
    if (twiceRest < recordLength) {
        return whole + 1;
    }
    if (twiceRest > recordLength) {
        return whole + 2;
    }
    return (whole + 1) % 2 == 0 ? whole + 1 : whole + 2;
}

AppendResult appendThesaurusRecord(const QString& path, ThesaurusRecord record) {
    AppendResult result;
    RecordFile file(path, ThesaurusRecord::Length);
    if (!file.open()) {
        result.error = file.error();
        return result;
    }
    const qint64 position = appendPosition(file.length(), ThesaurusRecord::Length);
    if (position > kMaxRecordNumber) {
        result.error = QStringLiteral(
                           "Le Thesaurus %1 est complet : il ne peut contenir plus de "
                           "%2 analyses.\nL'analyse n'a pas été enregistrée.")
                           .arg(quoted(path))
                           .arg(kMaxRecordNumber);
        return result;
    }
    record.setNumber(static_cast<qint16>(position));
    const qint64 lengthBefore = file.length();
    if (!file.write(position, record)) {
        result.error = file.error();
        file.resize(lengthBefore);  // no partial record left behind
        return result;
    }
    result.ok = true;
    result.position = position;
    return result;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered, a write that the disk cuts short reports how much it wrote.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("Impossible d'écrire le fichier %1.\n%2")
                     .arg(quoted(path), file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("Impossible d'écrire le fichier %1.\n%2")
                     .arg(quoted(path), file.errorString());
        return false;
    }
    return true;
}

bool copyRecords(const QString& from, const QString& to, int recordLength, QString* error) {
    RecordFile source(from, recordLength);
    QByteArray bytes;
    if (!source.open() || !source.readAllRaw(bytes)) {
        *error = source.error();
        return false;
    }
    return replaceFile(to, bytes, error);
}

}  // namespace records
