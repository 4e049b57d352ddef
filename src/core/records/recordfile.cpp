#include "core/records/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace records {
namespace {

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// pread and pwrite may move fewer bytes than asked: go on until all are moved, the end of the
// file is met (reading) or the system refuses (errno tells why).
bool readFully(int fd, char* buffer, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t n = ::pread(fd, buffer, static_cast<size_t>(size), offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;  // the file is shorter than its length said
            }
            return false;
        }
        buffer += n;
        size -= n;
        offset += n;
    }
    return true;
}

bool writeFully(int fd, const char* buffer, qint64 size, qint64 offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, buffer, static_cast<size_t>(size), offset);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        buffer += n;
        size -= n;
        offset += n;
    }
    return true;
}

QString systemFailure(const QString& what, const QString& path, int error) {
    return QStringLiteral("%1 %2.\n%3.").arg(what, quoted(path), systemReason(error));
}

// The file a write really goes to: the end of a chain of symbolic links, each of which stays a
// link. A link is read one step at a time, so that a link to a file not created yet still leads
// to it; a loop stops at the system's own limit.
QString resolvedTarget(const QString& path) {
    constexpr int kMaxLinksFollowed = 40;
    QString target = path;
    for (int followed = 0; followed < kMaxLinksFollowed; ++followed) {
        const QFileInfo info(target);
        const QString next = info.isSymLink() ? info.symLinkTarget() : QString();
        if (next.isEmpty()) {
            break;
        }
        target = next;
    }
    return target;
}

mode_t modeForNewFile() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileStamp fileStamp(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    constexpr qint64 kNs = 1000000000;
    return {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
            static_cast<qint64>(info.st_size),
            static_cast<qint64>(info.st_mtim.tv_sec) * kNs + info.st_mtim.tv_nsec,
            static_cast<qint64>(info.st_ctim.tv_sec) * kNs + info.st_ctim.tv_nsec};
}

QString systemReason(int error) {
    switch (error) {
        case ENOSPC:
            return QStringLiteral("Aucun espace disponible sur le disque");
        case EFBIG:
            return QStringLiteral("La taille de fichier autorisée est dépassée");
        case EDQUOT:
            return QStringLiteral("Le quota d'espace disque est dépassé");
        case EACCES:
        case EPERM:
            return QStringLiteral("Permission refusée");
        case EROFS:
            return QStringLiteral("Le support est en lecture seule");
        case ENOENT:
            return QStringLiteral("Fichier ou dossier introuvable");
        case ENOTDIR:
            return QStringLiteral("Un élément du chemin n'est pas un dossier");
        case EISDIR:
            return QStringLiteral("Le chemin désigne un dossier");
        case EIO:
            return QStringLiteral("Erreur d'entrée-sortie");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("Trop de fichiers sont ouverts");
        case ENOMEM:
            return QStringLiteral("La mémoire est insuffisante");
        case ENAMETOOLONG:
            return QStringLiteral("Le nom du fichier est trop long");
        default:
            return QStringLiteral("Erreur système %1").arg(error);
    }
}

RecordFile::RecordFile(const QString& path, int recordLength)
    : path_(path), recordLength_(recordLength) {}

RecordFile::~RecordFile() {
    close();
}

void RecordFile::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

Failure<> RecordFile::failed(const QString& what, int error) const {
    return failure(systemFailure(what, path_, error));
}

Outcome<void> RecordFile::open() {
    close();
    if (path_.isEmpty()) {
        return failed(QStringLiteral("Impossible d'ouvrir le fichier"), ENOENT);
    }
    const QByteArray native = nativePath(path_);
    fd_ = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    writable_ = fd_ >= 0;
    if (fd_ < 0) {
        const int openError = errno;
        fd_ = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
        if (fd_ < 0) {
            return failed(QStringLiteral("Impossible d'ouvrir le fichier"), openError);
        }
    }
    struct stat info {};
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EIO;
        close();
        return failed(QStringLiteral("Impossible d'ouvrir le fichier"), error);
    }
    return {};
}

qint64 RecordFile::length() const {
    struct stat info {};
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) {
        return 0;
    }
    return info.st_size;
}

Outcome<void> RecordFile::resize(qint64 length) {
    if (::ftruncate(fd_, length) != 0) {
        return failed(QStringLiteral("Impossible de modifier le fichier"), errno);
    }
    return {};
}

Outcome<void> RecordFile::readRaw(qint64 n, char* buffer) {
    if (n < 1 || n > count()) {
        return records::failure(
            QStringLiteral("L'enregistrement %1 n'existe pas dans le fichier %2.")
                .arg(n)
                .arg(quoted(path_)));
    }
    if (!readFully(fd_, buffer, recordLength_, (n - 1) * recordLength_)) {
        return failed(QStringLiteral("Impossible de lire le fichier"), errno);
    }
    return {};
}

Outcome<void> RecordFile::writeRaw(qint64 n, const char* buffer) {
    if (n < 1) {
        return records::failure(
            QStringLiteral("Position d'enregistrement invalide dans le fichier %1.")
                .arg(quoted(path_)));
    }
    if (!writable_) {
        return records::failure(
            QStringLiteral("Le fichier %1 est protégé en écriture.").arg(quoted(path_)));
    }
    if (!writeFully(fd_, buffer, recordLength_, (n - 1) * recordLength_)) {
        return failed(QStringLiteral("Impossible d'écrire dans le fichier"), errno);
    }
    return {};
}

Outcome<QByteArray> RecordFile::readAllRaw() {
    const qint64 size = count() * recordLength_;
    QByteArray bytes(size, Qt::Uninitialized);
    if (!readFully(fd_, bytes.data(), size, 0)) {
        return failed(QStringLiteral("Impossible de lire le fichier"), errno);
    }
    return bytes;
}

Outcome<RecordBytes> readRecordBytes(const QString& path, int recordLength) {
    RecordFile file(path, recordLength);
    if (const Outcome<void> opened = file.open(); !opened.ok()) {
        return opened.failure();
    }
    Outcome<QByteArray> bytes = file.readAllRaw();
    if (!bytes.ok()) {
        return bytes.failure();
    }
    return RecordBytes{std::move(bytes).value(), file.length()};
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

ThesaurusShape thesaurusShape(const QByteArray& bytes) {
    ThesaurusShape shape;
    shape.length = bytes.size();
    shape.wholeRecords = bytes.size() % ThesaurusRecord::Length == 0;
    ThesaurusRecord record;
    const qsizetype count = bytes.size() / ThesaurusRecord::Length;
    for (qsizetype i = 0; i < count && shape.numberedByPosition; ++i) {
        std::memcpy(record.data(), bytes.constData() + i * ThesaurusRecord::Length,
                    ThesaurusRecord::Length);
        shape.numberedByPosition = record.number() == i + 1;
    }
    return shape;
}

ThesaurusShape thesaurusShape(const QByteArray& wholeRecords, qint64 fileLength) {
    ThesaurusShape shape = thesaurusShape(wholeRecords);
    shape.length = fileLength;
    shape.wholeRecords = fileLength % ThesaurusRecord::Length == 0;
    return shape;
}

QString notAThesaurusReason(const QString& path, const ThesaurusShape& shape) {
    if (!shape.wholeRecords) {
        return QStringLiteral(
                   "Le fichier %1 ne semble pas être un Thesaurus : sa taille (%2) "
                   "n'est pas un multiple de %3 octets.")
            .arg(quoted(path), byteCount(shape.length))
            .arg(ThesaurusRecord::Length);
    }
    if (!shape.numberedByPosition) {
        return QStringLiteral(
                   "Le fichier %1 ne semble pas être un Thesaurus : ses enregistrements ne "
                   "portent pas leur numéro d'ordre.")
            .arg(quoted(path));
    }
    return {};
}

namespace {

// A cheap test before each append: whole records, and the last one numbered with its place.
QString refusalToAppend(RecordFile& file) {
    ThesaurusShape shape;
    shape.length = file.length();
    shape.wholeRecords = shape.length % ThesaurusRecord::Length == 0;
    const qint64 count = file.count();
    ThesaurusRecord last;
    if (shape.wholeRecords && count > 0 && file.read(count, last).ok()) {
        shape.numberedByPosition = last.number() == count;
    }
    const QString reason = notAThesaurusReason(file.path(), shape);
    if (reason.isEmpty()) {
        return {};
    }
    return reason + QStringLiteral("\nL'analyse n'y a pas été enregistrée.");
}

}  // namespace

Outcome<qint64> appendThesaurusRecord(const QString& path, ThesaurusRecord record) {
    RecordFile file(path, ThesaurusRecord::Length);
    if (const Outcome<void> opened = file.open(); !opened.ok()) {
        return opened.failure();
    }
    if (const QString refusal = refusalToAppend(file); !refusal.isEmpty()) {
        return failure(refusal);
    }
    const qint64 position = appendPosition(file.length(), ThesaurusRecord::Length);
    if (position > kMaxRecordNumber) {
        return failure(QStringLiteral("Le Thesaurus %1 est complet : il ne peut contenir plus de "
                                      "%2 analyses.\nL'analyse n'a pas été enregistrée.")
                           .arg(quoted(path))
                           .arg(kMaxRecordNumber));
    }
    record.setNumber(static_cast<qint16>(position));
    const qint64 lengthBefore = file.length();
    if (const Outcome<void> written = file.write(position, record); !written.ok()) {
        (void)file.resize(lengthBefore);  // no partial record left behind
        return written.failure();
    }
    return position;
}

Outcome<void> replaceFile(const QString& path, const QByteArray& bytes) {
    bool given = false;
    return replaceFile(path, [&bytes, &given] {
        const bool first = !given;
        given = true;
        return first ? bytes : QByteArray();
    });
}

namespace {

bool writePieces(int fd, const Pieces& next) {
    qint64 offset = 0;
    for (QByteArray piece = next(); !piece.isEmpty(); piece = next()) {
        if (!writeFully(fd, piece.constData(), piece.size(), offset)) {
            return false;
        }
        offset += piece.size();
    }
    return true;
}

}  // namespace

Outcome<void> replaceFile(const QString& path, const Pieces& next) {
    const QString target = resolvedTarget(path);
    const QFileInfo info(target);
    QByteArray scratch =
        nativePath(info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    const int fd = ::mkostemp(scratch.data(), O_CLOEXEC);
    if (fd < 0) {
        return records::failure(
            systemFailure(QStringLiteral("Impossible d'écrire le fichier"), path, errno));
    }
    struct stat old {};
    const mode_t mode = ::stat(nativePath(target).constData(), &old) == 0 ? (old.st_mode & 07777)
                                                                          : modeForNewFile();
    const bool written = writePieces(fd, next) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed || ::rename(scratch.constData(), nativePath(target).constData()) != 0) {
        const int reason = !written ? writeError : !closed ? closeError : errno;
        ::unlink(scratch.constData());
        return records::failure(
            systemFailure(QStringLiteral("Impossible d'écrire le fichier"), path, reason));
    }
    return {};
}

Outcome<void> copyRecords(const QString& from, const QString& to, int recordLength) {
    const Outcome<RecordBytes> source = readRecordBytes(from, recordLength);
    if (!source.ok()) {
        return source.failure();
    }
    return replaceFile(to, source.value().bytes);
}

void reportFileSizeLimitAsWriteError() {
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace records
