#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The coding scheme of the category, case-gender-number and mood-tense-voice fields: the rows
// the keypads and charts show, and how a keypad composes the text it writes. No widgets here.
namespace keypads {

// One row of a keypad: its option button, the code label and description shown beside it, and
// the abbreviation it gives its group's part. A clearing row has no code label and gives "".
struct Row {
    QString control;
    QString codeLabel;
    QString description;
    QString code;
    // Rows are set off in blocks: a wider gap comes before a row that opens one.
    bool opensBlock = false;

    bool clears() const { return codeLabel.isEmpty(); }
};

// An exclusive group of rows, top to bottom, ending with its clearing row.
struct Group {
    QString name;     // what the group holds, as screen readers announce it
    QString caption;  // caption of the group's own frame; empty when it shares one
    QList<Row> rows;

    // The rows that carry a code, as the charts show them.
    QList<Row> codeRows() const;
};

const Group& categoryGroup();
const Group& caseGroup();
const Group& genderGroup();
const Group& personGroup();
const Group& numberGroup();
const Group& moodGroup();
const Group& tenseGroup();
const Group& voiceGroup();

enum class Keypad { Category, CaseGenderNumber, MoodTenseVoice };

// A keypad's groups, in the order in which their parts are composed.
QList<const Group*> groupsOf(Keypad keypad);

// The abbreviations of case, gender and person carry their own trailing blank: the parts are
// simply joined.
QString composeCaseGenderNumber(const QString& casePart, const QString& gender,
                                const QString& person, const QString& number);
// The mood-tense-voice abbreviations carry no blank: one goes after the mood when a tense or a
// voice follows, and after the tense when a voice follows, even behind an empty part.
QString composeMoodTenseVoice(const QString& mood, const QString& tense, const QString& voice);
// What "OK" writes, from one part per group in groupsOf() order.
QString compose(Keypad keypad, const QStringList& parts);

}  // namespace keypads
