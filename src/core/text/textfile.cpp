#include "core/text/textfile.h"

#include "core/records/cp1252.h"
#include "core/records/recordfile.h"

#include <QFile>
#include <QStringDecoder>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <new>

namespace shell {
namespace {

bool isAscii(const QByteArray& bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

records::Failure<TextFailure> failed(TextFailure kind, int error) {
    return records::failure(kind, records::systemReason(error));
}

// The whole content of an open file; errno tells why when it could not be read.
bool readAll(int fd, qint64 size, QByteArray& bytes) {
    bytes.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(size - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            bytes.truncate(done);
            return n == 0;  // shorter than it was: keep what is there
        }
        done += n;
    }
    return true;
}

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

}  // namespace

QString decodeText(const QByteArray& bytes) {
    if (!isAscii(bytes)) {
        // The decoder drops one leading byte-order mark itself; a second one is content.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(bytes);
        if (!utf8.hasError()) {
            return decoded;
        }
    }
    return records::cp1252::decode(bytes);
}

TextReading readTextFile(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return failed(TextFailure::Unreadable, errno);
    }
    const FileCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        return failed(TextFailure::Unreadable, S_ISDIR(info.st_mode) ? EISDIR : errno);
    }
    if (info.st_size > kMaxTextBytes) {
        return failed(TextFailure::TooLarge, EFBIG);
    }
    TextFile file;
    try {
        QByteArray bytes;
        if (!readAll(fd, info.st_size, bytes)) {
            return failed(TextFailure::Unreadable, errno);
        }
        file.text = decodeText(bytes);
        file.byteSize = bytes.size();
    } catch (const std::bad_alloc&) {
        return failed(TextFailure::TooLarge, ENOMEM);
    }
    return file;
}

}  // namespace shell
