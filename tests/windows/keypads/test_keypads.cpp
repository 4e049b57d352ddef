#include "core/coding/coding.h"
#include "support/cleanstart.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/fields.h"
#include "ui/forms.h"
#include "windows/keypads/charts.h"
#include "windows/keypads/keypads.h"
#include "windows/keypads/keypadwindow.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <utility>

using keypads::KeypadWindow;

namespace {

const QString kOld = QStringLiteral("ancien contenu");
const QString kAnalysis = QStringLiteral("frmanalyse");
const QStringList kOwners = {kAnalysis, QStringLiteral("frmanalyse02"),
                             QStringLiteral("Thesaurusmodification")};
const QStringList kFields = {QStringLiteral("Text4"), QStringLiteral("Text5"),
                             QStringLiteral("Text6")};

// A window that edits analyses, as far as the keypads see it: a form field and the three
// detail fields they write into. It closes its keypads as it closes.
class StandInOwner : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    StandInOwner() {
        auto* layout = new QVBoxLayout(this);
        auto* form = new QLineEdit(QStringLiteral("amicus"), this);
        form->setObjectName(QStringLiteral("Text1"));
        layout->addWidget(form);
        for (const QString& name : kFields) {
            auto* field = new QPlainTextEdit(kOld, this);
            field->setObjectName(name);
            layout->addWidget(field);
        }
    }

  protected:
    void Form_Unload() override { keypads::unloadKeypadsOf(objectName()); }
};

QStringList options(int first, int last) {
    QStringList names;
    for (int n = first; n <= last; ++n) {
        names << QStringLiteral("Option%1").arg(n);
    }
    return names;
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// The field a variant's owner gives it: the detail field of the keypad's kind.
QWidget* ownersField(const QString& variant) {
    const keypads::Variant* v = keypads::findVariant(variant);
    QWidget* owner = ui::Forms::instance().find(v->owner);
    return owner->findChild<QWidget*>(kFields.at(int(v->keypad)));
}

QPushButton* okButton(const KeypadWindow* k) {
    return k->findChild<QPushButton*>(QStringLiteral("Command1"));
}
QPushButton* cancelButton(const KeypadWindow* k) {
    return k->findChild<QPushButton*>(QStringLiteral("Command2"));
}

bool loaded(const QString& name) {
    return ui::Forms::instance().isLoaded(name);
}

}  // namespace

class TestKeypads : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void labelsCodesAndBlanksAgree();
    void moodTenseVoiceSeparators_data();
    void moodTenseVoiceSeparators();

    void openingState_data();
    void openingState();
    void keysRightAfterOpening_data();
    void keysRightAfterOpening();
    void tabOrderVisitsEveryRowAndSelectsIt_data();
    void tabOrderVisitsEveryRowAndSelectsIt();

    void clickedCompositions_data();
    void clickedCompositions();
    void openingsAfreshAndReopeningAsIs();
    void ctrlEnterWritesFromAnyRow();
    void leavingWritesNothing_data();
    void leavingWritesNothing();

    void eachVariantWritesOnlyIntoItsOwnersField_data();
    void eachVariantWritesOnlyIntoItsOwnersField();
    void closingTheOwnerUnloadsItsKeypadsOnly();

    void chartsShowTheCodeRowsOnly();
    void chartIsOneWindowForEveryCaller();

  private:
    KeypadWindow* open(const QString& variant) {
        keypads::openKeypad(variant, ownersField(variant));
        KeypadWindow* k = ui::Forms::instance().find<KeypadWindow>(variant);
        return k && QTest::qWaitForWindowActive(k) ? k : nullptr;
    }
    static void click(KeypadWindow* k, const QString& option) {
        QTest::mouseClick(k->option(option), Qt::LeftButton);
    }
    static QString text(const QString& owner, const QString& field) {
        return ui::fieldText(ui::Forms::instance().find(owner)->findChild<QWidget*>(field));
    }
    // Every owner's fields, as "owner.field=text".
    static QStringList allFields();

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
};

void TestKeypads::init() {
    startClean(platform_, home_);
    for (const QString& name : kOwners) {
        ui::Forms::instance().load<StandInOwner>(name, [] { return new StandInOwner; });
    }
}

void TestKeypads::cleanup() {
    ui::Forms::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(platform_->messages.isEmpty());
    platform_.reset();
}

QStringList TestKeypads::allFields() {
    QStringList texts;
    for (const QString& owner : kOwners) {
        for (const QString& field : kFields) {
            if (loaded(owner)) {
                texts << owner + '.' + field + '=' + text(owner, field);
            }
        }
    }
    return texts;
}

// A row writes its code label without the leading blanks and the " :"; the case, gender and
// person codes keep one trailing blank as their separator. Each group ends with "Annuler".
void TestKeypads::labelsCodesAndBlanksAgree() {
    using namespace keypads;
    struct Expect {
        const Group& group;
        int leadingBlanks;
        bool trailingBlank;
        int codeRows;
    };
    for (const Expect& e : QList<Expect>{{categoryGroup(), 2, false, 22},
                                         {caseGroup(), 1, true, 6},
                                         {genderGroup(), 1, true, 3},
                                         {personGroup(), 1, true, 3},
                                         {numberGroup(), 1, false, 2},
                                         {moodGroup(), 1, false, 8},
                                         {tenseGroup(), 1, false, 6},
                                         {voiceGroup(), 1, false, 3}}) {
        QCOMPARE(e.group.codeRows().size(), e.codeRows);
        QCOMPARE(e.group.rows.size(), e.codeRows + 1);
        const Row& clearing = e.group.rows.last();
        QVERIFY(clearing.clears() && clearing.code.isEmpty());
        QCOMPARE(clearing.description, QStringLiteral("Annuler"));
        for (const Row& row : e.group.codeRows()) {
            const QString label = row.codeLabel;
            QVERIFY2(label.startsWith(QString(e.leadingBlanks, ' ')) &&
                         label.at(e.leadingBlanks) != ' ' && label.endsWith(QStringLiteral(" :")),
                     qPrintable(label));
            const QString bare = label.mid(e.leadingBlanks).chopped(2);
            QCOMPARE(row.code, e.trailingBlank ? bare + ' ' : bare);
        }
    }
}

void TestKeypads::moodTenseVoiceSeparators_data() {
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("written");
    QTest::newRow("mood alone") << QStringList{"ind.", "", ""} << "ind.";
    QTest::newRow("all three") << QStringList{"ind.", "prés.", "act."} << "ind. prés. act.";
    QTest::newRow("no voice") << QStringList{"ind.", "prés.", ""} << "ind. prés.";
    QTest::newRow("no tense") << QStringList{"ind.", "", "act."} << "ind.  act.";
    QTest::newRow("no mood") << QStringList{"", "prés.", "act."} << " prés. act.";
    QTest::newRow("tense alone") << QStringList{"", "prés.", ""} << " prés.";
    QTest::newRow("voice alone") << QStringList{"", "", "act."} << "  act.";
    QTest::newRow("nothing") << QStringList{"", "", ""} << "";
}

void TestKeypads::moodTenseVoiceSeparators() {
    QFETCH(QStringList, parts);
    QFETCH(QString, written);
    QCOMPARE(keypads::compose(keypads::Keypad::MoodTenseVoice, parts), written);
}

void TestKeypads::openingState_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("title");
    QTest::newRow("category") << "pave02_a"
                              << "Command2" << QStringList() << "Vorante Lumivexa - Pavé 2";
    QTest::newRow("case-gender-number")
        << "pave03_a"
        << "Option1" << QStringList{"Option1"} << "Vorante Lumivexa - Pavé 3";
    QTest::newRow("mood-tense-voice")
        << "pave03_b"
        << "Option7" << QStringList{"Option7"} << "Vorante Lumivexa - Pavé 3";
}

void TestKeypads::openingState() {
    QFETCH(QString, variant);
    QFETCH(QString, focus);
    QFETCH(QStringList, selected);
    QFETCH(QString, title);
    KeypadWindow* k = open(variant);
    QVERIFY(k && !k->isModal());
    QCOMPARE(k->windowTitle(), title);
    QCOMPARE(drive::child<QLabel>(k, "lblTitre")->text(),
             QStringLiteral("Système de codification "));
    QCOMPARE(focusName(), focus);
    QStringList checked;
    for (QRadioButton* b : k->findChildren<QRadioButton*>()) {
        QVERIFY(b->text().isEmpty());
        if (b->isChecked()) {
            checked << b->objectName();
        }
    }
    QCOMPARE(checked, selected);
    QCOMPARE(drive::action(k, "quitter")->text(), QStringLiteral("&Quitter"));
    QCOMPARE(drive::action(k, "about")->text(), QStringLiteral("&A propos de"));
}

void TestKeypads::keysRightAfterOpening_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<int>("move");  // a key pressed first, or 0
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("written");  // null: the keypad stays open
    QTest::newRow("Enter on Annuler") << "pave02_a" << 0 << int(Qt::Key_Return) << kOld;
    QTest::newRow("space on Annuler") << "pave02_a" << 0 << int(Qt::Key_Space) << kOld;
    QTest::newRow("Enter on OK") << "pave02_a" << int(Qt::Key_Tab) << int(Qt::Key_Enter) << "";
    QTest::newRow("Escape") << "pave02_a" << 0 << int(Qt::Key_Escape) << QString();
    QTest::newRow("Escape on a row") << "pave03_b" << 0 << int(Qt::Key_Escape) << QString();
    QTest::newRow("Enter on a row") << "pave03_a" << 0 << int(Qt::Key_Enter) << QString();
    QTest::newRow("arrow, then space on a row")
        << "pave03_a" << int(Qt::Key_Down) << int(Qt::Key_Space) << QString();
}

// No button is the default or the cancel button: keys act on the focused control only.
void TestKeypads::keysRightAfterOpening() {
    QFETCH(QString, variant);
    QFETCH(int, move);
    QFETCH(int, key);
    QFETCH(QString, written);
    KeypadWindow* k = open(variant);
    if (move) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(move));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    const QString field = kFields.at(int(keypads::findVariant(variant)->keypad));
    QCOMPARE(loaded(variant), written.isNull());
    QCOMPARE(text(kAnalysis, field), written.isNull() ? kOld : written);
    if (move == Qt::Key_Down) {  // the arrow moved the selection from "nom. " to "voc. "
        QCOMPARE(k->composition(), QStringLiteral("voc. "));
    }
}

void TestKeypads::tabOrderVisitsEveryRowAndSelectsIt_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("afterOneRound");
    const QStringList buttons = {QStringLiteral("Command1"), QStringLiteral("Command2")};
    // A round ends on the clearing rows; coming back to the first control selects it again.
    QTest::newRow("category") << "pave02_a" << QStringList{"Command2", "Command1"} + options(1, 23)
                              << "";
    QTest::newRow("case-gender-number")
        << "pave03_a" << options(1, 6) + options(24, 28) + buttons + options(7, 13) << "nom. ";
    QTest::newRow("mood-tense-voice")
        << "pave03_b" << options(7, 23) + buttons + options(1, 3) << "ind.";
}

void TestKeypads::tabOrderVisitsEveryRowAndSelectsIt() {
    QFETCH(QString, variant);
    QFETCH(QStringList, order);
    QFETCH(QString, afterOneRound);
    KeypadWindow* k = open(variant);
    QStringList visited{focusName()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusName();
        if (auto* row = qobject_cast<QRadioButton*>(QApplication::focusWidget())) {
            QVERIFY2(row->isChecked(), qPrintable(row->objectName()));
        }
    }
    QCOMPARE(visited, order + QStringList{order.first()});
    QCOMPARE(k->composition(), afterOneRound);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusName(), order.last());
}

void TestKeypads::clickedCompositions_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("written");
    const QString cat = QStringLiteral("pave02_a");
    QTest::newRow("no row: empty") << cat << QStringList() << "";
    QTest::newRow("V1 then N3") << cat << QStringList{"Option10", "Option4"} << "N3";
    QTest::newRow("clearing row") << cat << QStringList{"Option18", "Option23"} << "";
    const QString cgn = QStringLiteral("pave03_a");
    QTest::newRow("opening nominative") << cgn << QStringList() << "nom. ";
    QTest::newRow("nom. m. sg.") << cgn << QStringList{"Option26", "Option28"} << "nom. m. sg.";
    QTest::newRow("person, case cleared")
        << cgn << QStringList{"Option7", "Option12", "Option28"} << "1 sg.";
    QTest::newRow("person after gender")
        << cgn << QStringList{"Option10", "Option25", "Option27"} << "nom. f. 3 pl.";
    QTest::newRow("clearing keeps other groups")
        << cgn << QStringList{"Option5", "Option26", "Option7"} << "m. ";
    const QString mtv = QStringLiteral("pave03_b");
    QTest::newRow("opening indicative") << mtv << QStringList() << "ind.";
    QTest::newRow("mood cleared") << mtv << QStringList{"Option1", "Option16", "Option23"}
                                  << " prés. act.";
    QTest::newRow("25 characters")
        << mtv << QStringList{"Option13", "Option17", "Option23"} << "adj. verb. fut. ant. act.";
}

// Chosen with the mouse; "OK" replaces the whole field and closes.
void TestKeypads::clickedCompositions() {
    QFETCH(QString, variant);
    QFETCH(QStringList, clicks);
    QFETCH(QString, written);
    KeypadWindow* k = open(variant);
    for (const QString& option : clicks) {
        click(k, option);
    }
    QTest::mouseClick(okButton(k), Qt::LeftButton);
    QCOMPARE(text(kAnalysis, kFields.at(int(keypads::findVariant(variant)->keypad))), written);
    QVERIFY(!loaded(variant));
}

void TestKeypads::openingsAfreshAndReopeningAsIs() {
    KeypadWindow* k = open(QStringLiteral("pave03_b"));
    click(k, QStringLiteral("Option16"));
    click(k, QStringLiteral("Option23"));
    okButton(k)->click();
    QCOMPARE(text(kAnalysis, QStringLiteral("Text6")), QStringLiteral("ind. prés. act."));
    k = open(QStringLiteral("pave03_b"));
    click(k, QStringLiteral("Option20"));
    // Opened again while open: brought to the front as it is.
    QCOMPARE(open(QStringLiteral("pave03_b")), k);
    QVERIFY(k->option(QStringLiteral("Option20"))->isChecked());
    okButton(k)->click();
    QCOMPARE(text(kAnalysis, QStringLiteral("Text6")), QStringLiteral("ind. fut."));
}

// Beside the buttons: Ctrl+Enter writes the composition without going to "OK".
void TestKeypads::ctrlEnterWritesFromAnyRow() {
    KeypadWindow* k = open(QStringLiteral("pave03_b"));
    click(k, QStringLiteral("Option16"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(text(kAnalysis, QStringLiteral("Text6")), QStringLiteral("ind. prés."));
    QVERIFY(!loaded(QStringLiteral("pave03_b")));
}

void TestKeypads::leavingWritesNothing_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Annuler") << "Annuler";
    QTest::newRow("Quitter") << "Quitter";
    QTest::newRow("close box") << "close box";
}

void TestKeypads::leavingWritesNothing() {
    QFETCH(QString, way);
    KeypadWindow* k = open(QStringLiteral("pave02_a"));
    click(k, QStringLiteral("Option10"));
    if (way == QStringLiteral("Annuler")) {
        QTest::mouseClick(cancelButton(k), Qt::LeftButton);
    } else if (way == QStringLiteral("Quitter")) {
        drive::action(k, "quitter")->trigger();
    } else {
        k->close();
    }
    QVERIFY(!loaded(QStringLiteral("pave02_a")));
    QCOMPARE(text(kAnalysis, QStringLiteral("Text4")), kOld);
    // The next opening has forgotten V1.
    k = open(QStringLiteral("pave02_a"));
    QVERIFY(!k->findChild<QButtonGroup*>()->checkedButton());
    okButton(k)->click();
    QCOMPARE(text(kAnalysis, QStringLiteral("Text4")), QString());
}

void TestKeypads::eachVariantWritesOnlyIntoItsOwnersField_data() {
    QTest::addColumn<QString>("variant");
    QTest::addColumn<QString>("owner");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("modal");
    const char* fields[] = {"Text4", "Text5", "Text6"};
    const char* keypadNames[] = {"pave02_a", "pave03_a", "pave03_b"};
    for (int kind = 0; kind < 3; ++kind) {
        for (int owner = 0; owner < 3; ++owner) {
            const QString name = keypadNames[kind] + (owner ? QString::number(owner) : QString());
            QTest::newRow(qPrintable(name))
                << name << kOwners[owner] << fields[kind] << (owner == 2);
        }
    }
}

void TestKeypads::eachVariantWritesOnlyIntoItsOwnersField() {
    QFETCH(QString, variant);
    QFETCH(QString, owner);
    QFETCH(QString, field);
    QFETCH(bool, modal);
    // Option9 is "A2", the number's clearing row (the opening "nom. " stays) and "inf.".
    const QString written = QStringList{"A2", "nom. ", "inf."}.at(kFields.indexOf(field));
    QStringList expected = allFields();
    expected.replace(expected.indexOf(owner + '.' + field + '=' + kOld),
                     owner + '.' + field + '=' + written);
    bool shownModal = false;
    bool stillOpening = modal;
    auto choose = [&] {
        KeypadWindow* k = ui::Forms::instance().find<KeypadWindow>(variant);
        shownModal = k->isModal();
        click(k, QStringLiteral("Option9"));
        okButton(k)->click();
        stillOpening = false;
    };
    if (modal) {
        drive::insideModalLoop(choose);
    }
    keypads::openKeypad(variant, ownersField(variant));
    QVERIFY(!stillOpening);  // a modal opening returns only once the keypad has closed
    if (!modal) {
        choose();
    }
    QCOMPARE(shownModal, modal);
    QCOMPARE(allFields(), expected);
}

void TestKeypads::closingTheOwnerUnloadsItsKeypadsOnly() {
    const QStringList analysisKeypads = {QStringLiteral("pave02_a"), QStringLiteral("pave03_a"),
                                         QStringLiteral("pave03_b")};
    for (const QString& variant : analysisKeypads + QStringList{QStringLiteral("pave03_b1")}) {
        click(open(variant), QStringLiteral("Option2"));
    }
    const QStringList before = allFields();
    keypads::unloadKeypadsOf(kAnalysis);
    for (const QString& variant : analysisKeypads) {
        QVERIFY2(!loaded(variant), qPrintable(variant));
    }
    QCOMPARE(allFields(), before);
    QVERIFY(loaded(QStringLiteral("pave03_b1")));
    ui::Forms::instance().unload(QStringLiteral("frmanalyse02"));
    QVERIFY(!loaded(QStringLiteral("pave03_b1")));
    // With its field gone, a keypad's "OK" only closes it.
    KeypadWindow* k = open(QStringLiteral("pave03_a"));
    delete ownersField(QStringLiteral("pave03_a"));
    okButton(k)->click();
    QVERIFY(!loaded(QStringLiteral("pave03_a")));
}

// The charts show every code row of their groups in order, and nothing to select or press.
void TestKeypads::chartsShowTheCodeRowsOnly() {
    using namespace keypads;
    const QList<const Group*> features = {&caseGroup(),   &genderGroup(), &personGroup(),
                                          &numberGroup(), &moodGroup(),   &tenseGroup(),
                                          &voiceGroup()};
    for (const auto& [name, groups] :
         {std::pair{QStringLiteral("pave02"), QList<const Group*>{&categoryGroup()}},
          std::pair{QStringLiteral("pave03"), features}}) {
        openChart(name, false);
        auto* chart = ui::Forms::instance().find<CodingWindow>(name);
        QVERIFY(chart && chart->isVisible());
        QVERIFY(chart->findChildren<QRadioButton*>().isEmpty());
        QVERIFY(chart->findChildren<QPushButton*>().isEmpty());
        QStringList expected, shown;
        for (const Group* group : groups) {
            for (const Row& row : group->codeRows()) {
                expected << row.codeLabel + '|' + row.description;
            }
        }
        for (int n = 1; auto* code = chart->findChild<QLabel*>(QStringLiteral("lblCode%1").arg(n));
             ++n) {
            shown << code->text() + '|' +
                         chart->findChild<QLabel*>(QStringLiteral("lblDesc%1").arg(n))->text();
        }
        QCOMPARE(shown, expected);
    }
}

void TestKeypads::chartIsOneWindowForEveryCaller() {
    keypads::openChart(QStringLiteral("pave02"), false);
    QWidget* chart = ui::Forms::instance().find(QStringLiteral("pave02"));
    bool waited = false;
    QTimer::singleShot(0, [&waited] { waited = true; });
    // Already on screen: asked modal, it only comes to the front.
    keypads::openChart(QStringLiteral("pave02"), true);
    QVERIFY(!waited);
    QCOMPARE(ui::Forms::instance().find(QStringLiteral("pave02")), chart);
    QCOMPARE(ui::Forms::instance().loadedNames().count(QStringLiteral("pave02")), 1);
    // A modal chart keeps its caller waiting until "&Quitter".
    bool shownModal = false;
    drive::insideModalLoop([&shownModal] {
        auto* pave03 = ui::Forms::instance().find<keypads::pave03>();
        shownModal = pave03->isModal();
        drive::action(pave03, "quitter")->trigger();
    });
    keypads::openChart(QStringLiteral("pave03"), true);
    QVERIFY(shownModal);
    QVERIFY(!loaded(QStringLiteral("pave03")));
    // No owner closes it.
    ui::Forms::instance().unload(kAnalysis);
    QVERIFY(loaded(QStringLiteral("pave02")));
}

QTEST_MAIN(TestKeypads)
#include "test_keypads.moc"
