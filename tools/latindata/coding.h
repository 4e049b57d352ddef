#pragma once

#include "latindata/cells.h"

#include <QString>

namespace keypads {
struct Group;
}

// The stored values of an analysis, made by the keypads' own composing functions from the
// rows whose descriptions name the features, so that they are what a user would compose.
namespace latindata {

// The code of the group's row with this description; empty for an empty description, and for
// a description no row has (unknownDescription is then set).
QString keypadCode(const keypads::Group& group, const QString& description,
                   bool* unknownDescription = nullptr);

struct Coding {
    QString caseGenderNumber;  // "nom. m. sg.", "3 pl.", empty when the cell has none
    QString moodTenseVoice;    // "ind. prés. act.", "adj. verb.", empty for a noun's cell
};

Coding encode(const Features& features, bool* unknownDescription = nullptr);

// The features that coded fields name, read with the keypads' codes (the reverse of encode):
// each group's longest code found at its place, in composing order. What no code reads is
// left out.
Features decode(const QString& caseGenderNumber, const QString& moodTenseVoice);

// Whether the keypads can write the cell: they have no locative.
bool isCodable(const Features& features);

}  // namespace latindata
