#include "windows/browsers/Thesaurusmodification.h"

#include "core/browsing/browsing.h"
#include "core/lookup/storing.h"
#include "core/records/records.h"
#include "ui/fields.h"
#include "ui/grid.h"
#include "ui/platform.h"
#include "ui/widgets.h"
#include "windows/about/frmAbout.h"
#include "windows/browsers/frmrecherche02.h"
#include "windows/keypads/keypads.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace thesaurus {

Thesaurusmodification::Thesaurusmodification() {
    setWindowTitle(QStringLiteral("Vorante Lumivexa - Modification du Thesaurus"));
    setAccessibleName(windowTitle());
    buildMenus();
    buildBody();
    resize(560, sizeHint().height());
}

void Thesaurusmodification::buildMenus() {
    const ui::QuitAboutMenus menus = ui::quitAboutMenus(this);
    fichier = menus.fichier;
    quitter = menus.quitter;
    aide = menus.aide;
    about = menus.about;
    connect(quitter, &QAction::triggered, this, &Thesaurusmodification::quitter_Click);
    connect(about, &QAction::triggered, this, &Thesaurusmodification::about_Click);
}

QWidget* Thesaurusmodification::buildFields(QWidget* parent) {
    auto* fields = new QWidget(parent);
    auto* form = new QFormLayout(fields);
    // Enter in a field saves, as the window's main command.
    auto text = [this, fields](const QString& name, const QString& what, int lines) {
        auto* t = ui::named(new ui::LineField(fields, lines), name, what);
        t->setEnterValidates(true);
        connect(t, &ui::LineField::entered, this, &Thesaurusmodification::Command2_Click);
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
    Text1 = ui::named(new QLineEdit(fields), QStringLiteral("Text1"), QStringLiteral("Forme"));
    Text1->setEnabled(false);
    Text2 = text(QStringLiteral("Text2"), QStringLiteral("Lemme"), 1);
    Text3 = text(QStringLiteral("Text3"), QStringLiteral("Traduction"), 3);
    Text4 = text(QStringLiteral("Text4"), QStringLiteral("Cat. gramm."), 1);
    Text5 = text(QStringLiteral("Text5"), QStringLiteral("Cas, genre, nombre"), 1);
    Text6 = text(QStringLiteral("Text6"), QStringLiteral("Mode, temps, voix"), 1);
    form->addRow(QStringLiteral("Forme :"), Text1);
    form->addRow(QStringLiteral("Lemme :"), Text2);
    form->addRow(QStringLiteral("Traduction :"), Text3);
    form->addRow(QStringLiteral("Cat. gramm. :"),
                 withKeypad(Text4, Command1_b, QStringLiteral("Command1_b"),
                            QStringLiteral("Pavé des catégories grammaticales"),
                            &Thesaurusmodification::Command1_b_Click));
    form->addRow(QStringLiteral("Cas, genre, nombre :"),
                 withKeypad(Text5, Command3, QStringLiteral("Command3"),
                            QStringLiteral("Pavé cas, genre, nombre"),
                            &Thesaurusmodification::Command3_Click));
    form->addRow(QStringLiteral("Mode, temps, voix :"),
                 withKeypad(Text6, Command4, QStringLiteral("Command4"),
                            QStringLiteral("Pavé mode, temps, voix"),
                            &Thesaurusmodification::Command4_Click));
    Text7 = ui::named(new QLineEdit(fields), QStringLiteral("Text7"),
                      QStringLiteral("Numéro de l'enregistrement"));
    Text7->hide();
    return fields;
}

void Thesaurusmodification::buildBody() {
    auto* central = new QWidget(this);
    const ui::ShadowTitle title = ui::programTitle(central);
    Label1 = title.face;
    Label2 = title.shadow;
    auto* buttons = new QHBoxLayout;
    auto button = [&](const QString& name, const QString& caption, const QString& what,
                      auto handler) {
        auto* b = ui::named(new QPushButton(caption, central), name, what);
        b->setAutoDefault(true);  // Enter presses the button that has the focus
        connect(b, &QPushButton::clicked, this, handler);
        buttons->addWidget(b);
        return b;
    };
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("P2"),
                      QStringLiteral("Tableau des catégories (P2)"),
                      &Thesaurusmodification::Command5_Click);
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("P3"),
                      QStringLiteral("Tableau des cas, modes, temps et voix (P3)"),
                      &Thesaurusmodification::Command6_Click);
    buttons->addStretch(1);
    // Alt+A is the "&Aide" menu's: Annuler takes its N.
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("&Enregistrer"),
                      QStringLiteral("Enregistrer"), &Thesaurusmodification::Command2_Click);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("A&nnuler"),
                      QStringLiteral("Annuler"), &Thesaurusmodification::Command1_Click);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(title.container);
    layout->addWidget(buildFields(central), 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    followVisualOrder();
}

// Tab goes down the fields, each keypad button right after its field, then along the buttons.
void Thesaurusmodification::followVisualOrder() {
    QWidget* order[] = {Text2, Text3,    Text4,    Command1_b, Text5,    Command3,
                        Text6, Command4, Command5, Command6,   Command2, Command1};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

frmrecherche02* Thesaurusmodification::browser() {
    return ui::Forms::instance().find<frmrecherche02>();
}

void Thesaurusmodification::Form_Load() {
    const frmrecherche02* from = browser();
    if (!from) {
        return;
    }
    selectedRow = from->grille02->rowSel();
    QWidget* fields[] = {Text1, Text2, Text3, Text4, Text5, Text6};
    for (int c = 0; c < 6; ++c) {
        ui::setFieldText(fields[c], records::trimmedRight(from->grille02->textAt(selectedRow, c)));
    }
    Text1->setEnabled(false);
    Text7->setText(from->List8.value(selectedRow - 1));
    listed_ = from->listedRecords.value(selectedRow - 1);
    Text2->setFocus();
}

analysis::DetailFields Thesaurusmodification::values() const {
    using ui::flattened;
    return {flattened(Text1->text()),        flattened(Text2->toPlainText()),
            flattened(Text3->toPlainText()), flattened(Text4->toPlainText()),
            flattened(Text5->toPlainText()), flattened(Text6->toPlainText())};
}

void Thesaurusmodification::Command2_Click() {
    frmrecherche02* to = browser();
    if (!to) {
        unload();
        return;
    }
    const analysis::DetailFields entry = values();
    const qint64 number = Text7->text().toLongLong();
    // The duplicate rule of the workspaces, on the file as it is now, the entry itself aside.
    to->reloadLists(true);
    if (analysis::holdsAnalysis(to->lists, entryRecord(entry), number - 1)) {
        ui::msgBox(this, QStringLiteral("FORME (+ analyses) déjà présente dans le Thesaurus."),
                   ui::Buttons::Ok, ui::Icon::Information, QStringLiteral("Analyse existante"));
        return;
    }
    if (!ui::acceptsStoringLosses(this, analysis::storingLosses(entry))) {
        return;
    }
    const WriteResult written = rewriteEntry(to->thesaurusPath(), number, listed_, entry);
    if (!written.ok) {
        ui::msgBox(this, written.error, ui::Buttons::Ok, ui::Icon::Information,
                   QStringLiteral("Modification impossible"));
        if (written.stale) {
            // What was typed was typed over an entry that is no longer there: the browser
            // shows the file as it is, and the user starts again from it.
            to->readAgain();
            unload();
        }
        // Otherwise the window stays open with what the user typed.
        return;
    }
    to->showRewritten(selectedRow, written.written);
    to->reloadLists();
    unload();
}

// Escape cancels, from whichever control it reaches the window: none of them uses it.
void Thesaurusmodification::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1_Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void Thesaurusmodification::Command1_Click() {
    unload();
}
void Thesaurusmodification::quitter_Click() {
    unload();
}
void Thesaurusmodification::Command1_b_Click() {
    keypads::openKeypad(QStringLiteral("pave02_a2"), Text4);
}
void Thesaurusmodification::Command3_Click() {
    keypads::openKeypad(QStringLiteral("pave03_a2"), Text5);
}
void Thesaurusmodification::Command4_Click() {
    keypads::openKeypad(QStringLiteral("pave03_b2"), Text6);
}
void Thesaurusmodification::Command5_Click() {
    keypads::openChart(QStringLiteral("pave02"), true);
}
void Thesaurusmodification::Command6_Click() {
    keypads::openChart(QStringLiteral("pave03"), true);
}
void Thesaurusmodification::about_Click() {
    about::showAboutBox();
}

void Thesaurusmodification::Form_Unload() {
    keypads::unloadKeypadsOf(objectName());
}

}  // namespace thesaurus
