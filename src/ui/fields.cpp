#include "ui/fields.h"

#include "ui/platform.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
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

QString flattened(const QString& text) {
    QString flat;
    flat.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // CR LF: one break, one space
        }
        const bool breaksOrControls = c.category() == QChar::Other_Control ||
                                      c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        flat += breaksOrControls ? QChar(u' ') : c;
    }
    return flat;
}

LineField::LineField(QWidget* parent, int lines) : QPlainTextEdit(parent) {
    setTabChangesFocus(true);
    setFixedHeight(fontMetrics().lineSpacing() * lines + 12);
}

void LineField::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (enterValidates_) {
        emit entered();
    } else {
        focusNextChild();
    }
}

bool LineField::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText();
}

void LineField::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        insertPlainText(flattened(source->text()));
    }
}

bool acceptsStoringLosses(QWidget* parent, const QStringList& losses) {
    if (losses.isEmpty()) {
        return true;
    }
    return msgBox(parent,
                  QStringLiteral("Le Thesaurus ne peut pas garder ces valeurs telles qu'elles "
                                 "sont écrites :\n%1\nEnregistrer l'analyse quand même ?")
                      .arg(losses.join(QLatin1Char('\n'))),
                  Buttons::YesNo, Icon::Information,
                  QStringLiteral("Enregistrement dans le Thesaurus")) == Answer::Yes;
}

}  // namespace ui
