#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// Decodes a text file's bytes: UTF-8 when they are valid UTF-8 holding non-ASCII characters
// (the byte-order mark, if any, dropped once), Windows-1252 otherwise.
QString decodeText(const QByteArray& bytes);

// The most a text may weigh: beyond it the program cannot hold it.
constexpr qint64 kMaxTextBytes = qint64(512) * 1024 * 1024;

struct TextFile {
    enum class Failure { None, Unreadable, TooLarge };

    QString text;
    qint64 byteSize = 0;
    Failure failure = Failure::None;
    QString reason;  // French: why it could not be read

    bool ok() const { return failure == Failure::None; }
};

// Reads a whole text file.
TextFile readTextFile(const QString& path);

}  // namespace shell
