#pragma once

#include <QString>

class QWidget;

namespace ui {

// The text of a text field, single-line (QLineEdit) or multi-line (QPlainTextEdit, QTextEdit);
// empty for any other control.
QString fieldText(const QWidget* field);
// Replaces the whole text of a text field; false, and nothing changed, for any other control.
bool setFieldText(QWidget* field, const QString& text);

}  // namespace ui
