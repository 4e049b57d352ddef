#pragma once

#include <QPlainTextEdit>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

// The text of a text field, single-line (QLineEdit) or multi-line (QPlainTextEdit, QTextEdit);
// empty for any other control.
QString fieldText(const QWidget* field);
// Replaces the whole text of a text field; false, and nothing changed, for any other control.
bool setFieldText(QWidget* field, const QString& text);

// The text on one line: each line break (CR LF counts as one), tab or other control character
// becomes a space. A record field holds one line; a hidden line break would make two records
// that look the same differ.
QString flattened(const QString& text);

// A field whose value is one line of a record, shown on as many lines as it was given (a long
// translation wraps). It takes no line break: pasted or dropped text is flattened, Tab moves
// on, and Enter moves to the next field or, when the window says so, validates.
class LineField : public QPlainTextEdit {
    Q_OBJECT
  public:
    LineField(QWidget* parent, int lines);

    // Enter emits `entered` instead of moving to the next field.
    void setEnterValidates(bool validates) { enterValidates_ = validates; }
    // The value, flattened: whatever reached the field, it stores no control character.
    QString value() const { return flattened(toPlainText()); }

  signals:
    void entered();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

  private:
    bool enterValidates_ = false;
};

// Asks whether to store values the record cannot keep as typed, listing the losses (one line
// per field, see analysis::storingLosses). True when there are none or the user answers Yes.
bool acceptsStoringLosses(QWidget* parent, const QStringList& losses);

}  // namespace ui
