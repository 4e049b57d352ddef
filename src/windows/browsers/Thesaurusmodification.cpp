#include "windows/browsers/Thesaurusmodification.h"

#include "core/records/records.h"
#include "ui/fields.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"
#include "windows/keypads/keypads.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace thesaurus {

Thesaurusmodification::Thesaurusmodification(ResultRow entry) : entry_(std::move(entry)) {
    setWindowTitle(QStringLiteral("Vorante Lumivexa - Modification du Thesaurus"));
    setAccessibleName(windowTitle());
    buildMenus();
    buildBody();
    resize(560, sizeHint().height());
}

void Thesaurusmodification::buildMenus() {
    const ui::QuitAboutMenus menus = ui::quitAboutMenus(this);
    connect(menus.quitter, &QAction::triggered, this, &Thesaurusmodification::unload);
    connect(menus.about, &QAction::triggered, this, &about::showAboutBox);
}

QWidget* Thesaurusmodification::buildFields(QWidget* parent) {
    auto* fields = new QWidget(parent);
    auto* form = new QFormLayout(fields);
    // Enter in a field saves, as the window's main command.
    auto text = [this, fields](const QString& name, const QString& what, int lines) {
        auto* t = ui::named(new ui::LineField(fields, lines), name, what);
        t->setEnterValidates(true);
        connect(t, &ui::LineField::entered, this, &Thesaurusmodification::save);
        return t;
    };
    // A field with the picture button of its keypad on its right.
    auto withKeypad = [this, fields](QWidget* field, QPushButton*& button, const QString& name,
                                     const QString& what, auto handler) {
        button = ui::named(new QPushButton(ui::keypadIcon(), QString(), fields), name, what);
        button->setToolTip(what);
        button->setIconSize(QSize(22, 22));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, handler);
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(button, 0, Qt::AlignTop);
        return row;
    };
    formField_ = ui::named(new QLineEdit(fields), QStringLiteral("Text1"), QStringLiteral("Forme"));
    formField_->setEnabled(false);
    lemmaField_ = text(QStringLiteral("Text2"), QStringLiteral("Lemme"), 1);
    translationField_ = text(QStringLiteral("Text3"), QStringLiteral("Traduction"), 3);
    categoryField_ = text(QStringLiteral("Text4"), QStringLiteral("Cat. gramm."), 1);
    caseGenderNumberField_ = text(QStringLiteral("Text5"), QStringLiteral("Cas, genre, nombre"), 1);
    moodTenseVoiceField_ = text(QStringLiteral("Text6"), QStringLiteral("Mode, temps, voix"), 1);
    form->addRow(QStringLiteral("Forme :"), formField_);
    form->addRow(QStringLiteral("Lemme :"), lemmaField_);
    form->addRow(QStringLiteral("Traduction :"), translationField_);
    // Each keypad writes into the field beside its button.
    form->addRow(QStringLiteral("Cat. gramm. :"),
                 withKeypad(categoryField_, categoryKeypadButton_, QStringLiteral("Command1_b"),
                            QStringLiteral("Pavé des catégories grammaticales"), [this] {
                                keypads::openKeypad(QStringLiteral("pave02_a2"), categoryField_);
                            }));
    form->addRow(
        QStringLiteral("Cas, genre, nombre :"),
        withKeypad(caseGenderNumberField_, caseGenderNumberKeypadButton_,
                   QStringLiteral("Command3"), QStringLiteral("Pavé cas, genre, nombre"), [this] {
                       keypads::openKeypad(QStringLiteral("pave03_a2"), caseGenderNumberField_);
                   }));
    form->addRow(
        QStringLiteral("Mode, temps, voix :"),
        withKeypad(moodTenseVoiceField_, moodTenseVoiceKeypadButton_, QStringLiteral("Command4"),
                   QStringLiteral("Pavé mode, temps, voix"), [this] {
                       keypads::openKeypad(QStringLiteral("pave03_b2"), moodTenseVoiceField_);
                   }));
    recordNumberField_ = ui::named(new QLineEdit(fields), QStringLiteral("Text7"),
                                   QStringLiteral("Numéro de l'enregistrement"));
    recordNumberField_->hide();
    return fields;
}

void Thesaurusmodification::buildBody() {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title = ui::programTitle(central);
    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& name, const QString& caption, const QString& what,
                      auto handler) {
        auto* b = ui::named(new QPushButton(caption, central), name, what);
        b->setAutoDefault(true);  // Enter presses the button that has the focus
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
        return b;
    };
    categoryChartButton_ = button(QStringLiteral("Command5"), QStringLiteral("P2"),
                                  QStringLiteral("Tableau des catégories (P2)"),
                                  [] { keypads::openChart(QStringLiteral("pave02"), true); });
    caseMoodChartButton_ = button(QStringLiteral("Command6"), QStringLiteral("P3"),
                                  QStringLiteral("Tableau des cas, modes, temps et voix (P3)"),
                                  [] { keypads::openChart(QStringLiteral("pave03"), true); });
    buttons->addStretch(1);
    // Alt+A is the "&Aide" menu's: Annuler takes its N.
    saveButton_ = button(QStringLiteral("Command2"), QStringLiteral("&Enregistrer"),
                         QStringLiteral("Enregistrer"), &Thesaurusmodification::save);
    cancelButton_ = button(QStringLiteral("Command1"), QStringLiteral("A&nnuler"),
                           QStringLiteral("Annuler"), &Thesaurusmodification::unload);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addWidget(buildFields(central), 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    followVisualOrder();
}

// Tab goes down the fields, each keypad button right after its field, then along the buttons.
void Thesaurusmodification::followVisualOrder() {
    QWidget* order[] = {lemmaField_,
                        translationField_,
                        categoryField_,
                        categoryKeypadButton_,
                        caseGenderNumberField_,
                        caseGenderNumberKeypadButton_,
                        moodTenseVoiceField_,
                        moodTenseVoiceKeypadButton_,
                        categoryChartButton_,
                        caseMoodChartButton_,
                        saveButton_,
                        cancelButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Thesaurusmodification::Form_Load() {
    QWidget* fields[] = {
        formField_,          lemmaField_, translationField_, categoryField_, caseGenderNumberField_,
        moodTenseVoiceField_};
    const analysis::DetailFields& values = entry_.values;
    const QString shown[] = {values.form,
                             values.lemma,
                             values.translation,
                             values.category,
                             values.caseGenderNumber,
                             values.moodTenseVoice};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        ui::setFieldText(fields[i], records::trimmedRight(shown[i]));
    }
    formField_->setEnabled(false);
    recordNumberField_->setText(QString::number(entry_.recordNumber));
    lemmaField_->setFocus();
}

analysis::DetailFields Thesaurusmodification::typedValues() const {
    using ui::flattened;
    return {flattened(formField_->text()),
            flattened(lemmaField_->toPlainText()),
            flattened(translationField_->toPlainText()),
            flattened(categoryField_->toPlainText()),
            flattened(caseGenderNumberField_->toPlainText()),
            flattened(moodTenseVoiceField_->toPlainText())};
}

void Thesaurusmodification::save() {
    emit edited(entry_, typedValues());
}

// Escape cancels, from whichever control it reaches the window: none of them uses it.
void Thesaurusmodification::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        unload();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Thesaurusmodification::Form_Unload() {
    keypads::unloadKeypadsOf(objectName());
}

}  // namespace thesaurus
