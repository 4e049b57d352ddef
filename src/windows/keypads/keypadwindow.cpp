#include "windows/keypads/keypadwindow.h"

#include "ui/fields.h"
#include "ui/widgets.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace keypads {

void OptionButton::focusInEvent(QFocusEvent* event) {
    QRadioButton::focusInEvent(event);
    // Qt keeps only the focused button of a group in the tab chain; here every row is a stop.
    if (QButtonGroup* rows = group()) {
        for (QAbstractButton* row : rows->buttons()) {
            row->setFocusPolicy(Qt::StrongFocus);
        }
    }
    if (event->reason() != Qt::MouseFocusReason && !isChecked()) {
        setChecked(true);
    }
}

KeypadWindow::KeypadWindow(Keypad keypad, const QString& title, Target target)
    : CodingWindow(title), keypad_(keypad), target_(std::move(target)) {
    for (qsizetype i = 0; i < groupsOf(keypad_).size(); ++i) {
        parts_ << QString();
        groups_ << new QButtonGroup(this);
    }
    okButton_ = ui::named(new QPushButton(QStringLiteral("OK")), QStringLiteral("Command1"),
                          QStringLiteral("OK"));
    cancelButton_ = ui::named(new QPushButton(QStringLiteral("Annuler")),
                              QStringLiteral("Command2"), QStringLiteral("Annuler"));
    // Outside a dialog no button is the default: Enter presses only the focused button.
    for (QPushButton* button : {okButton_, cancelButton_}) {
        button->setAutoDefault(true);
    }
    // Ctrl+Enter writes the composition from any row, without going to "OK" first.
    okButton_->setToolTip(QStringLiteral("Écrire la composition (Ctrl+Entrée)"));
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(Qt::CTRL | key), this), &QShortcut::activated, this,
                &KeypadWindow::writeAndClose);
    }
    connect(okButton_, &QPushButton::clicked, this, &KeypadWindow::writeAndClose);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { unload(); });
}

void KeypadWindow::addGroupRows(QGridLayout* grid, int group) {
    const Group& rows = *groupsOf(keypad_).at(group);
    for (const Row& row : rows.rows) {
        const QString number = row.control.mid(QStringLiteral("Option").size());
        const int line = addRowLabels(grid, row, number);
        const QString accessibleName =
            row.clears() ? QStringLiteral("Annuler (%1)").arg(rows.name)
                         : row.codeLabel.trimmed() + QLatin1Char(' ') + row.description.trimmed();
        auto* button = ui::named(new OptionButton, row.control, accessibleName);
        groups_[group]->addButton(button);
        grid->addWidget(button, line, 2);
        connect(button, &QRadioButton::toggled, this, [this, group, code = row.code](bool on) {
            if (on) {
                select(group, code);
            }
        });
    }
    grid->setRowStretch(grid->rowCount(), 1);
}

QGroupBox* KeypadWindow::groupFrame(const QString& name, int group) {
    const Group& rows = *groupsOf(keypad_).at(group);
    QGroupBox* box = frame(name, rows.caption, rows.name, this);
    addGroupRows(rowGrid(box), group);
    return box;
}

void KeypadWindow::setFrames(QLayout* frames, const QStringList& tabOrder) {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(frames);
    body->addLayout(buttons);
    setBody(body);

    QWidget* previous = nullptr;
    for (const QString& name : tabOrder) {
        auto* control = findChild<QWidget*>(name);
        Q_ASSERT(control);
        if (previous) {
            setTabOrder(previous, control);
        } else {
            openingFocus_ = control;
        }
        previous = control;
    }
}

QStringList KeypadWindow::optionNames(int first, int last) {
    QStringList names;
    for (int n = first; n <= last; ++n) {
        names << QStringLiteral("Option%1").arg(n);
    }
    return names;
}

void KeypadWindow::Form_Load() {
    deselectAll();
    for (QString& part : parts_) {
        part.clear();
    }
    openingFocus_->setFocus(Qt::TabFocusReason);
    // Receiving the focus selects an option button; doing it here as well gives the same
    // opening state when the window manager hands the focus over late.
    if (auto* button = qobject_cast<QRadioButton*>(openingFocus_)) {
        button->setChecked(true);
    }
}

void KeypadWindow::deselectAll() {
    for (QButtonGroup* group : groups_) {
        // An exclusive group keeps its selected button: lift that for a moment.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) {
            button->setChecked(false);
        }
        group->setExclusive(true);
    }
}

void KeypadWindow::select(int group, const QString& code) {
    parts_[group] = code;
}

QString KeypadWindow::composition() const {
    return compose(keypad_, parts_);
}

QRadioButton* KeypadWindow::option(const QString& name) const {
    return findChild<QRadioButton*>(name);
}

void KeypadWindow::writeAndClose() {
    // The owner may have closed meanwhile; then there is nothing to write into.
    if (QWidget* field = target_) {
        ui::setFieldText(field, QString());
        ui::setFieldText(field, composition());
    }
    unload();
}

}  // namespace keypads
