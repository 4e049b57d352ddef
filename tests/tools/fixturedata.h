#pragma once

#include "latindata/families.h"
#include "latindata/generator.h"

#include <QFile>

// The small Latin lexical data and hand lists of tests/tools/fixtures.
namespace fixtures {

inline const QString kFixtures = QStringLiteral(LATINDATA_FIXTURES_DIR);

inline QString fixture(const QString& name) {
    QFile file(kFixtures + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline latindata::LexicalData fixtureData() {
    latindata::LexicalData data;
    QStringList problems;
    if (!latindata::readLexicalData(kFixtures + QStringLiteral("/data"), &data, &problems)) {
        qFatal("fixtures: %s", qPrintable(problems.join(QLatin1Char('\n'))));
    }
    return data;
}

inline latindata::HandLists fixtureLists() {
    QStringList problems;
    return {latindata::CategoryRules::parse(fixture(QStringLiteral("categories.tsv")), &problems),
            latindata::parseFrenchFamilies(fixture(QStringLiteral("familles.tsv")), &problems)};
}

}  // namespace fixtures
