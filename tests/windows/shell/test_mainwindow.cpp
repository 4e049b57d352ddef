#include "core/text/textfile.h"
#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "support/workspacedriver.h"
#include "ui/forms.h"
#include "ui/mnemonics.h"
#include "windows/about/frmAbout.h"
#include "windows/shell/Morphologique.h"
#include "windows/workspaces/frmanalyse02.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using shell::Morphologique;

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void menusAndStartState();
    void cancelledDialogChangesNothing();
    void sizeBoundaryAsksOnlyAboveLimit_data();
    void sizeBoundaryAsksOnlyAboveLimit();
    void answeringNoLeavesNoText();
    void emptyFileLoads();
    void unreadableFileShowsFailure();
    void textEncodings();
    void closeTextAndOpenAnother();
    void openAnalysisInBothStates();
    void aboutIsModalAndOkReturns();
    void quitClosesEveryWindow();
    void sharedAccessKeyCyclesThroughMenus();

  private:
    QString writeText(const QString& name, const QByteArray& bytes);
    void openText(const QString& path);

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    Morphologique* main_ = nullptr;
};

void TestMainWindow::init() {
    startClean(platform_, home_);
    main_ = ui::Forms::instance().load<Morphologique>();
    ui::Forms::showModeless(main_);
}

void TestMainWindow::cleanup() {
    ui::Forms::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(platform_->busyDepth, 0);
    QCOMPARE(platform_->unansweredQuestions, 0);
    platform_.reset();
}

QString TestMainWindow::writeText(const QString& name, const QByteArray& bytes) {
    const QString path = home_.file(name);
    writeFile(path, bytes);
    return path;
}

void TestMainWindow::openText(const QString& path) {
    platform_->fileNames.push_back(path);
    drive::action(main_, "ouvrir")->trigger();
}

void TestMainWindow::menusAndStartState() {
    QCOMPARE(main_->windowTitle(), QStringLiteral("Vorante Lumivexa - Analyse morphologique"));
    QStringList captions;
    for (QAction* top : main_->menuBar()->actions()) {
        captions << top->text();
        for (QAction* item : top->menu()->actions()) {
            captions << QStringLiteral("  ") + item->text();
            if (item->menu()) {
                for (QAction* sub : item->menu()->actions()) {
                    captions << QStringLiteral("    ") + sub->text();
                }
            }
        }
    }
    const QStringList expected = {QStringLiteral("&Fichier"),
                                  QStringLiteral("  &Ouvrir un texte..."),
                                  QStringLiteral("  &Fermer"),
                                  QStringLiteral("  &Quitter"),
                                  QStringLiteral("&Application"),
                                  QStringLiteral("  &Analyse du texte"),
                                  QStringLiteral("  &Ouvrir une analyse..."),
                                  QStringLiteral("  &Dictionnaire (Lemmes)"),
                                  QStringLiteral("  &Thesaurus (Formes)"),
                                  QStringLiteral("    &Vorante Lumivexa"),
                                  QStringLiteral("    &Autre Thesaurus"),
                                  QStringLiteral("&Aide"),
                                  QStringLiteral("  &A propos de")};
    QCOMPARE(captions, expected);
    QVERIFY(drive::action(main_, "ouvrir")->isEnabled());
    QVERIFY(!drive::action(main_, "fermer")->isEnabled());
    QVERIFY(!drive::action(main_, "analyse")->isEnabled());
    for (QAction* a : {drive::action(main_, "quitter"), drive::action(main_, "ouvriranalyse"),
                       drive::action(main_, "lexique"), drive::action(main_, "thesaurusvorante"),
                       drive::action(main_, "thesaurusautre"), drive::action(main_, "about")}) {
        QVERIFY(a->isEnabled());
    }
    QCOMPARE(drive::child<QLabel>(main_, "lblFichier")->text(),
             QStringLiteral("Chargez un fichier texte avec la commande Ouvrir"));
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());
    QVERIFY(main_->findChild<QPlainTextEdit*>(QStringLiteral("txtfichier")));
    QCOMPARE(drive::textField(main_, "txtfichier")->accessibleName(),
             QStringLiteral("Texte latin"));
}

void TestMainWindow::cancelledDialogChangesNothing() {
    drive::action(main_, "ouvrir")->trigger();
    QCOMPARE(platform_->fileDialogFilters,
             QStringList{QStringLiteral("Fichiers Texte (*.TXT)|*.TXT")});
    QVERIFY(platform_->messages.isEmpty());
    QVERIFY(!main_->hasText());
    QCOMPARE(platform_->busyCount, 0);
}

void TestMainWindow::sizeBoundaryAsksOnlyAboveLimit_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("asked");
    QTest::newRow("64000 bytes") << 64000 << false;
    QTest::newRow("64001 bytes") << 64001 << true;
}

void TestMainWindow::sizeBoundaryAsksOnlyAboveLimit() {
    QFETCH(int, size);
    QFETCH(bool, asked);
    QByteArray bytes(size, 'a');
    for (int i = 80; i < size; i += 81) {
        bytes[i] = '\n';
    }
    const QString path = writeText(QStringLiteral("big.txt"), bytes);
    if (asked) {
        platform_->answers.push_back(ui::Answer::Yes);
    }
    openText(path);
    QCOMPARE(platform_->messages.size(), asked ? 1 : 0);
    if (asked) {
        const FakePlatform::Message& m = platform_->messages.first();
        QCOMPARE(m.title, QStringLiteral("La taille du fichier"));
        QCOMPARE(m.buttons, ui::Buttons::YesNo);
        QCOMPARE(m.text, shell::textSizeWarning());
        QVERIFY(
            m.text.startsWith(QStringLiteral("Attention!\r\nLe texte, objet des statistiques "
                                             "à établir,\r\ndépasse la taille maximale")));
        QVERIFY(
            m.text.endsWith(QStringLiteral("64 Kb de données.\n\r\r\nDésirez-vous "
                                           "continuer?\n\r")));
        QCOMPARE(ui::displayText(m.text).count(QStringLiteral("\n\n")), 1);
    }
    QVERIFY(main_->hasText());
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText().size(), size);
    QCOMPARE(drive::child<QLabel>(main_, "lblFichier")->text(), path);
    QVERIFY(!drive::action(main_, "ouvrir")->isEnabled());
    QVERIFY(drive::action(main_, "analyse")->isEnabled());
    QCOMPARE(platform_->busyCount, 1);
}

void TestMainWindow::answeringNoLeavesNoText() {
    const QString path = writeText(QStringLiteral("huge.txt"), QByteArray(70000, 'x'));
    platform_->answers.push_back(ui::Answer::No);
    openText(path);
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());
    QVERIFY(!main_->hasText());
    QVERIFY(drive::action(main_, "ouvrir")->isEnabled());
    QCOMPARE(drive::child<QLabel>(main_, "lblFichier")->text(),
             QStringLiteral("Chargez un fichier texte avec la commande Ouvrir"));
}

void TestMainWindow::emptyFileLoads() {
    openText(writeText(QStringLiteral("vide.txt"), QByteArray()));
    QVERIFY(main_->hasText());
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());
    QVERIFY(drive::action(main_, "analyse")->isEnabled());
}

// A file that cannot be read says why; a text too large to hold keeps the size message.
void TestMainWindow::unreadableFileShowsFailure() {
    drive::textField(main_, "txtfichier")->setPlainText(QStringLiteral("reste d'une saisie"));
    const QString absent = home_.file(QStringLiteral("absent.txt"));
    openText(absent);
    QCOMPARE(platform_->messages.size(), 1);
    const FakePlatform::Message& m = platform_->messages.first();
    QCOMPARE(m.title, QStringLiteral("Lecture impossible"));
    QCOMPARE(m.icon, ui::Icon::Information);
    QCOMPARE(ui::displayText(m.text),
             QStringLiteral("Le fichier « %1 » ne peut pas être lu.\nFichier ou dossier "
                            "introuvable.")
                 .arg(absent));
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());
    QVERIFY(!main_->hasText());
    QVERIFY(drive::action(main_, "ouvrir")->isEnabled());

    // A sparse file beyond what the program can hold.
    const QString huge = home_.file(QStringLiteral("enorme.txt"));
    QVERIFY(writeFile(huge, QByteArray()));
    QVERIFY(QFile::resize(huge, shell::kMaxTextBytes + 1));
    openText(huge);
    QCOMPARE(platform_->messages.size(), 2);
    QCOMPARE(platform_->messages[1].title, QStringLiteral("Fichier trop volumineux"));
    QCOMPARE(ui::displayText(platform_->messages[1].text),
             QStringLiteral("Le fichier est trop volumineux.\nLe fichier ne peut dépasser la "
                            "taille de 60 KO"));
    QVERIFY(!main_->hasText());
}

void TestMainWindow::textEncodings() {
    openText(writeText(QStringLiteral("latin1.txt"), QByteArray("\xE6ternus c\x9Clum")));
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText(), QStringLiteral("æternus cœlum"));
    drive::action(main_, "fermer")->trigger();
    openText(writeText(QStringLiteral("utf8.txt"), QByteArray("\xEF\xBB\xBFprésent æ")));
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText(), QStringLiteral("présent æ"));
    drive::action(main_, "fermer")->trigger();
    openText(writeText(QStringLiteral("utf8nobom.txt"), QByteArray("cœlum")));
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText(), QStringLiteral("cœlum"));
    drive::action(main_, "fermer")->trigger();
    // One byte-order mark starts the file; a second one is part of the text.
    openText(writeText(QStringLiteral("twobom.txt"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFæ")));
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText(), QStringLiteral("\uFEFFæ"));
}

void TestMainWindow::closeTextAndOpenAnother() {
    openText(writeText(QStringLiteral("a.txt"), QByteArray("Gallia est omnis divisa")));
    QVERIFY(main_->hasText());
    drive::action(main_, "fermer")->trigger();
    QVERIFY(!main_->hasText());
    QVERIFY(!drive::action(main_, "analyse")->isEnabled());
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());
    openText(writeText(QStringLiteral("b.txt"), QByteArray("Arma virumque cano")));
    QCOMPARE(drive::textField(main_, "txtfichier")->toPlainText(),
             QStringLiteral("Arma virumque cano"));
}

void TestMainWindow::openAnalysisInBothStates() {
    const QString analysis = home_.file(QStringLiteral("analyse.dat"));
    platform_->fileNames.push_back(analysis);
    drive::action(main_, "ouvriranalyse")->trigger();
    QCOMPARE(platform_->fileDialogFilters.last(), QStringLiteral("Fichiers données (*.DAT)|*.DAT"));
    // The saved workspace opens on the chosen file, whose name its title shows.
    auto* saved = ui::Forms::instance().find<analysis::frmanalyse02>();
    QVERIFY(saved && saved->windowTitle().endsWith(QStringLiteral(" - analyse.dat")));
    saved->unload();
    openText(writeText(QStringLiteral("c.txt"), QByteArray("et")));
    platform_->messages.clear();
    drive::action(main_, "ouvriranalyse")->trigger();  // cancelled: no workspace opens
    QVERIFY(!ui::Forms::instance().find<analysis::frmanalyse02>());
    QVERIFY(main_->hasText());
}

void TestMainWindow::aboutIsModalAndOkReturns() {
    bool seen = false;
    drive::insideModalLoop([&seen] {
        auto* box = ui::Forms::instance().find<about::frmAbout>();
        QVERIFY(box);
        seen = box->isVisible() && box->isModal();
        QCOMPARE(box->windowTitle(), QStringLiteral("Vorante Lumivexa - A propos de "));
        box->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    });
    drive::action(main_, "about")->trigger();
    QVERIFY(seen);
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmAbout")));
}

void TestMainWindow::quitClosesEveryWindow() {
    ui::Forms::instance().load<about::frmAbout>();
    QCOMPARE(ui::Forms::instance().loadedNames().size(), 2);
    drive::action(main_, "quitter")->trigger();
    QVERIFY(ui::Forms::instance().loadedNames().isEmpty());
    QVERIFY(platform_->messages.isEmpty());
}

void TestMainWindow::sharedAccessKeyCyclesThroughMenus() {
    ui::MnemonicCycler::install();
    QVERIFY(QTest::qWaitForWindowActive(main_));
    QCOMPARE(ui::menusWithAccessKey(main_->menuBar(), QLatin1Char('a')).size(), 2);
    QTest::keyClick(drive::textField(main_, "txtfichier"), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(main_->menuBar()->activeAction(), drive::menu(main_, "application")->menuAction());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(main_->menuBar()->activeAction(), drive::menu(main_, "aide")->menuAction());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(main_->menuBar()->activeAction(), drive::menu(main_, "application")->menuAction());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QVERIFY(drive::textField(main_, "txtfichier")->toPlainText().isEmpty());

    // The opened menu is ready for Enter on its first usable entry.
    QTest::keyClick(drive::textField(main_, "txtfichier"), Qt::Key_A, Qt::AltModifier);
    QCOMPARE(drive::menu(main_, "application")->activeAction(),
             drive::action(main_, "ouvriranalyse"));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
