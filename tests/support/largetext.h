#pragma once

#include <QFile>
#include <QString>

// The large text of the benchmarks and of the large-file tests: the samples of tests/samples
// one after the other, again and again, up to a size. MORPHO_SAMPLES_DIR names that folder.
namespace largetext {

inline QString sample(const char* name) {
    QFile file(QStringLiteral(MORPHO_SAMPLES_DIR "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read the sample %s", name);
    }
    return QString::fromUtf8(file.readAll());
}

inline QString upTo(qint64 bytes) {
    const QString samples = sample("caesar-bg-1-1.txt") + QLatin1Char('\n') +
                            sample("virgil-line.txt") + QLatin1Char('\n');
    QString text;
    text.reserve(static_cast<qsizetype>(bytes));
    while (text.size() + samples.size() <= bytes) {
        text += samples;
    }
    return text;
}

}  // namespace largetext
