#include "ui/fields.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace ui {

QString fieldText(const QWidget* field) {
    if (const auto* line = qobject_cast<const QLineEdit*>(field)) {
        return line->text();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(field)) {
        return plain->toPlainText();
    }
    if (const auto* rich = qobject_cast<const QTextEdit*>(field)) {
        return rich->toPlainText();
    }
    return {};
}

bool setFieldText(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->setText(text);
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->setPlainText(text);
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        rich->setPlainText(text);
        return true;
    }
    return false;
}

}  // namespace ui
