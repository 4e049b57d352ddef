#include "shell/textfile.h"

#include "records/cp1252.h"

#include <QFile>
#include <QStringDecoder>

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

}  // namespace

QString decodeText(const QByteArray& bytes) {
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(bytes);
        if (!utf8.hasError()) {
            return decoded.startsWith(QChar(0xFEFF)) ? decoded.mid(1) : decoded;
        }
    }
    return records::cp1252::decode(bytes);
}

std::optional<TextFile> readTextFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() != file.size()) {
        return std::nullopt;
    }
    return TextFile{decodeText(bytes), bytes.size()};
}

}  // namespace shell
