#include "keypads/keypadwindow.h"
#include "records/paths.h"
#include "shell/Morphologique.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "thesaurus/Thesaurusmodification.h"
#include "thesaurus/frmrecherche02.h"
#include "ui/forms.h"
#include "ui/grid.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using thesaurus::frmrecherche02;
using thesaurus::Thesaurusmodification;

namespace {

// Not in any order; four forms begin with "a".
const std::vector<Analysis> kMine = {
    {"rosa", "N1", "rosa", "nom. f. sg.", "_", "la rose"},
    {"amo", "V1", "amo", "1 sg.", "ind. prés. act.", "aimer"},
    {"arma", "N2", "arma", "nom. n. pl.", "_", "les armes"},
    {"Amor", "N3", "amor", "nom. m. sg.", "_", "l'amour"},
    {"cano", "V3", "cano", "1 sg.", "ind. prés. act.", "chanter"},
    {"amor", "V1", "amo", "1 sg.", "ind. prés. pass.", "je suis aimé"},
};

QByteArray recordBytes(const QString& path, int number) {
    return readFile(path).mid((number - 1) * 216, 216);
}

QStringList forms(const ui::ResultBrowser* b) {
    QStringList texts;
    for (int r = 1; r < b->grille02->rows(); ++r) {
        texts << b->grille02->textAt(r, 0);
    }
    return texts;
}

// Runs `act` on the window of that name once it shows, from inside its modal loop.
void whenShown(const QString& name, const std::function<void(QWidget*)>& act) {
    QTimer::singleShot(0, [name, act] {
        QWidget* window = ui::Forms::instance().find(name);
        QVERIFY(window && window->isVisible() && window->isModal());
        act(window);
    });
}

void whenModificationShown(const std::function<void(Thesaurusmodification*)>& act) {
    whenShown(QStringLiteral("Thesaurusmodification"),
              [act](QWidget* w) { act(qobject_cast<Thesaurusmodification*>(w)); });
}

}  // namespace

class TestMaintenance : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void deletingRowTwoOfFour();
    void deletingTheOnlyRowThenNothingIsSelected();
    void modificationRewritesInPlace();
    void modificationKeypadsAndCharts();
    void leavingWithoutSavingWritesNothing();
    void failedWritesChangeNothing();
    void replacedFileIsNotWritten();

  private:
    frmrecherche02* openMine();
    void deleteRow(frmrecherche02* b, int row, ui::Answer answer = ui::Answer::Yes);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QString mine_;
};

void TestMaintenance::init() {
    platform_ = std::make_unique<FakePlatform>();
    QDir().mkpath(records::paths::dataDir());
    mine_ = home_.file(QStringLiteral("mien.dat"));
    QFile::setPermissions(mine_, QFile::ReadOwner | QFile::WriteOwner);
    writeThesaurus(mine_, kMine);
    drive::mainWindowWithText(QString());
}

void TestMaintenance::cleanup() {
    drive::closeAll();
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

frmrecherche02* TestMaintenance::openMine() {
    platform_->fileNames.push_back(mine_);
    ui::Forms::instance().find<shell::Morphologique>()->thesaurusautre->trigger();
    return ui::Forms::instance().find<frmrecherche02>();
}

void TestMaintenance::deleteRow(frmrecherche02* b, int row, ui::Answer answer) {
    drive::clickRow(b->grille02, row);
    platform_->answers.push_back(answer);
    b->Command2->click();
}

void TestMaintenance::deletingRowTwoOfFour() {
    frmrecherche02* b = openMine();
    b->letterItems[0]->trigger();
    QCOMPARE(forms(b), (QStringList{"amo", "arma", "Amor", "amor", ""}));
    QCOMPARE(b->List8, (QStringList{"2", "3", "4", "6"}));
    const QByteArray before = readFile(mine_);
    const QStringList third = drive::rowCells(b->grille02, 3);

    deleteRow(b, 2);
    QCOMPARE(platform_->messages.size(), 1);
    const FakePlatform::Message& question = platform_->messages[0];
    QCOMPARE(question.text, QStringLiteral("Désirez-vous vraiment supprimer cette forme?\r\n"));
    QCOMPARE(question.title, QStringLiteral("Suppression d'une forme"));
    QCOMPARE(question.buttons, ui::Buttons::YesNo);

    QCOMPARE(readFile(mine_).size(), before.size());
    const QByteArray marker = QByteArray("\x03\x00", 2) + QByteArray("$$$").leftJustified(30) +
                              QByteArray("_").leftJustified(7) + QByteArray("_").leftJustified(50) +
                              QByteArray("_").leftJustified(15) +
                              QByteArray("_").leftJustified(22) +
                              QByteArray("_").leftJustified(80) + QByteArray(10, ' ');
    QCOMPARE(recordBytes(mine_, 3), marker);
    QCOMPARE(readFile(mine_).left(432), before.left(432));
    QCOMPARE(readFile(mine_).mid(648), before.mid(648));

    // Rows 3 and 4 moved up, the record numbers with them; the row left empty is dropped.
    QCOMPARE(forms(b), (QStringList{"amo", "Amor", "amor", ""}));
    QCOMPARE(drive::rowCells(b->grille02, 2), third);
    QCOMPARE(b->List8, (QStringList{"2", "4", "6"}));
    QCOMPARE(b->lists.forms[2], QStringLiteral("$$$"));
    QCOMPARE(b->lists.lemmas[2], QStringLiteral("_").leftJustified(50));

    // The entry now shown in row 2 is the one a second deletion takes.
    deleteRow(b, 2);
    QCOMPARE(recordBytes(mine_, 4).mid(2, 3), QByteArray("$$$"));
    QCOMPARE(b->List8, (QStringList{"2", "6"}));

    b->Text1->setText(QStringLiteral("$$$"));
    b->Command1->click();
    QCOMPARE(forms(b), (QStringList{"$$$", "$$$", ""}));
    QCOMPARE(b->List8, (QStringList{"3", "4"}));
    QCOMPARE(records::trimmedRight(b->grille02->textAt(1, 2)), QStringLiteral("_"));
    b->letterItems[0]->trigger();
    QCOMPARE(b->List8, (QStringList{"2", "6"}));
}

void TestMaintenance::deletingTheOnlyRowThenNothingIsSelected() {
    frmrecherche02* b = openMine();
    b->Text1->setText(QStringLiteral("cano"));
    b->Command1->click();
    // Nothing clicked since the listing: nothing is taken for the user's choice.
    b->Command2->click();
    QCOMPARE(platform_->messageTexts(),
             QStringList{"Aucun élément de la grille n'est sélectionné"});

    const QByteArray before = readFile(mine_);
    deleteRow(b, 1, ui::Answer::No);
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(forms(b), (QStringList{"cano", ""}));
    QCOMPARE(b->List8, QStringList{"5"});
    QCOMPARE(b->lists.forms[4], QStringLiteral("cano"));

    deleteRow(b, 1);
    QVERIFY(b->grille02->isVisible());
    QCOMPARE(forms(b), QStringList{""});
    QVERIFY(b->List8.isEmpty());
    platform_->messages.clear();
    b->Command2->click();
    QCOMPARE(platform_->messageTexts(),
             QStringList{"Aucun élément de la grille n'est sélectionné"});
    b->Command3->click();  // nothing to modify: no window, no message
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));

    // While the result message shows, both commands do nothing.
    b->Text1->setText(QStringLiteral("nihil"));
    b->Command1->click();
    platform_->messages.clear();
    b->Command2->click();
    b->Command3->click();
    QVERIFY(platform_->messages.isEmpty());
}

void TestMaintenance::modificationRewritesInPlace() {
    frmrecherche02* b = openMine();
    b->letterItems[0]->trigger();
    drive::clickRow(b->grille02, 3);
    const QString longTranslation = QString(85, u'x');
    whenModificationShown([&](Thesaurusmodification* m) {
        QCOMPARE(m->windowTitle(), QStringLiteral("Vorante Lumivexa - Modification du Thesaurus"));
        QCOMPARE(m->Text1->text(), QStringLiteral("Amor"));
        QVERIFY(!m->Text1->isEnabled());
        QCOMPARE(m->Text2->toPlainText(), QStringLiteral("amor"));
        QCOMPARE(m->Text3->toPlainText(), QStringLiteral("l'amour"));
        QCOMPARE(m->Text4->toPlainText(), QStringLiteral("N3"));
        QCOMPARE(m->Text5->toPlainText(), QStringLiteral("nom. m. sg."));
        QCOMPARE(m->Text6->toPlainText(), QStringLiteral("_"));
        QCOMPARE(m->Text7->text(), QStringLiteral("4"));
        QVERIFY(m->Text7->isHidden());
        m->Text2->setPlainText(QString());
        m->Text3->setPlainText(longTranslation);
        m->Text5->setPlainText(QStringLiteral("voc. m. sg."));
        m->Command2->click();
    });
    const QByteArray before = readFile(mine_);
    b->Command3->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QVERIFY(platform_->messages.isEmpty());

    QCOMPARE(readFile(mine_).size(), before.size());
    records::ThesaurusRecord expected;
    expected.setNumber(4);
    expected.setAnalysis(QStringLiteral("Amor"), QStringLiteral("N3"), QString(),
                         QStringLiteral("voc. m. sg."), QStringLiteral("_"), longTranslation);
    QCOMPARE(recordBytes(mine_, 4), expected.toBytes());
    QCOMPARE(recordBytes(mine_, 4).mid(126, 80), QByteArray(80, 'x'));
    QCOMPARE(readFile(mine_).left(648), before.left(648));
    // The row shows what was typed, the lists what the file holds; List8 stays.
    QCOMPARE(b->grille02->textAt(3, 2), longTranslation);
    QCOMPARE(b->grille02->textAt(3, 1), QString());
    QCOMPARE(b->lists.translations[3], QString(80, u'x'));
    QCOMPARE(b->lists.caseGenderNumbers[3], QStringLiteral("voc. m. sg.").leftJustified(15));
    QCOMPARE(b->List8, (QStringList{"2", "3", "4", "6"}));

    // Deleting the same row afterwards marks the same record.
    deleteRow(b, 3);
    QCOMPARE(recordBytes(mine_, 4).mid(0, 5), QByteArray("\x04\x00$$$", 5));
}

void TestMaintenance::modificationKeypadsAndCharts() {
    frmrecherche02* b = openMine();
    b->letterItems[2]->trigger();
    drive::clickRow(b->grille02, 1);
    whenModificationShown([](Thesaurusmodification* m) {
        whenShown(QStringLiteral("pave02_a2"), [](QWidget* w) {
            auto* k = qobject_cast<keypads::KeypadWindow*>(w);
            for (const char* option : {"Option10", "Option8"}) {
                QTest::mouseClick(k->option(QLatin1String(option)), Qt::LeftButton, {},
                                  QPoint(4, 4));
            }
            k->Command1->click();
        });
        m->Command1_b->click();
        QCOMPARE(m->Text4->toPlainText(), QStringLiteral("A1"));
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave02_a2")));

        whenShown(QStringLiteral("pave02"), [](QWidget* w) { w->close(); });
        m->Command5->click();
        whenShown(QStringLiteral("pave03"), [](QWidget* w) { w->close(); });
        m->Command6->click();

        // Closing the window closes a keypad still open over it, writing nothing.
        whenShown(QStringLiteral("pave03_b2"), [m](QWidget*) { m->quitter->trigger(); });
        m->Command4->click();
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("pave03_b2")));
    });
    const QByteArray before = readFile(mine_);
    b->Command3->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(records::trimmedRight(b->grille02->textAt(1, 3)), QStringLiteral("V3"));
}

void TestMaintenance::leavingWithoutSavingWritesNothing() {
    frmrecherche02* b = openMine();
    b->letterItems[17]->trigger();  // "r": rosa
    drive::clickRow(b->grille02, 1);
    const QByteArray before = readFile(mine_);
    const QStringList row = drive::rowCells(b->grille02, 1);
    const std::vector<std::function<void(Thesaurusmodification*)>> leaves = {
        [](Thesaurusmodification* m) { m->Command1->click(); },
        [](Thesaurusmodification* m) { m->quitter->trigger(); },
        [](Thesaurusmodification* m) { m->close(); },
    };
    for (const auto& leave : leaves) {
        whenModificationShown([&leave](Thesaurusmodification* m) {
            m->Text2->setPlainText(QStringLiteral("changé"));
            leave(m);
        });
        b->Command3->click();
        QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Thesaurusmodification")));
        QCOMPARE(readFile(mine_), before);
        QCOMPARE(drive::rowCells(b->grille02, 1), row);
    }
    QVERIFY(platform_->messages.isEmpty());
}

void TestMaintenance::failedWritesChangeNothing() {
    frmrecherche02* b = openMine();
    b->letterItems[0]->trigger();
    const QByteArray before = readFile(mine_);
    const QStringList rows = forms(b);
    {
        // The write of record 3 is cut short 50 bytes in, as on a full disk.
        FileSizeLimit limit(2 * 216 + 50);
        deleteRow(b, 2);
    }
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messages.size(), 2);
    QCOMPARE(platform_->messages[1].title, QStringLiteral("Suppression impossible"));
    QVERIFY(platform_->messages[1].text.contains(QStringLiteral("dépassée")));
    QVERIFY(platform_->messages[1].text.endsWith(QStringLiteral("n'a pas été supprimée.")));
    QCOMPARE(forms(b), rows);
    QCOMPARE(b->List8, (QStringList{"2", "3", "4", "6"}));
    QCOMPARE(b->lists.forms[2], QStringLiteral("arma"));

    whenModificationShown([](Thesaurusmodification* m) {
        m->Text3->setPlainText(QStringLiteral("les armes de guerre"));
        {
            FileSizeLimit limit(2 * 216 + 150);
            m->Command2->click();
        }
        // The window stays open with what was typed.
        QVERIFY(m->isVisible());
        QCOMPARE(m->Text3->toPlainText(), QStringLiteral("les armes de guerre"));
        m->Command1->click();
    });
    b->Command3->click();
    QCOMPARE(readFile(mine_), before);
    QCOMPARE(platform_->messages.last().title, QStringLiteral("Modification impossible"));
    QCOMPARE(records::trimmedRight(b->grille02->textAt(2, 2)), QStringLiteral("les armes"));

    // A thesaurus the user may read but not write.
    QFile::setPermissions(mine_, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(runUnprivileged([&] {
        deleteRow(b, 1);
        return platform_->messages.last().text.contains(QStringLiteral("protégé en écriture")) &&
               b->List8.size() == 4 && forms(b) == rows;
    }));
    QCOMPARE(readFile(mine_), before);
}

void TestMaintenance::replacedFileIsNotWritten() {
    frmrecherche02* b = openMine();
    b->letterItems[0]->trigger();
    // Another thesaurus created meanwhile under the same name.
    const std::vector<Analysis> other = {kMine[4], kMine[0], kMine[1]};
    writeThesaurus(mine_, other);
    const QByteArray replaced = readFile(mine_);
    deleteRow(b, 1);  // "amo", record 2: now "rosa" there
    QCOMPARE(readFile(mine_), replaced);
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("a changé depuis sa lecture")));
    QCOMPARE(b->lists.forms, (std::vector<QString>{"cano", "rosa", "amo"}));
    QCOMPARE(b->List8.size(), 4);

    QFile::remove(mine_);
    whenModificationShown([](Thesaurusmodification* m) {
        m->Command2->click();
        QVERIFY(m->isVisible());
        m->Command1->click();
    });
    b->Command3->click();
    QVERIFY(platform_->messages.last().text.contains(QStringLiteral("introuvable")));
    QVERIFY(!QFileInfo::exists(mine_));
    QCOMPARE(b->lists.size(), qint64(0));
}

QTEST_MAIN(TestMaintenance)
#include "test_maintenance.moc"
