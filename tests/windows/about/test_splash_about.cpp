#include "support/cleanstart.h"
#include "support/controls.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "ui/forms.h"
#include "windows/about/frmAbout.h"
#include "windows/about/frmSplash.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/startup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using about::frmAbout;
using about::frmSplash;

class TestSplashAbout : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void timerHandsOverAfterThreeSeconds();
    void earlyTimerIsReArmedForTheTimeLeft();
    void keyPressHandsOverOnce();
    void clicksHandOverOnlyOnListedControls_data();
    void clicksHandOverOnlyOnListedControls();
    void splashLabels();
    void closingTheSplashStillHandsOver();
    void endingTheProgramDoesNotHandOver();
    void givenTextOpensAfterHandOver_data();
    void givenTextOpensAfterHandOver();
    void programIconIsDrawn();
    void aboutBoxContents();
    void sysInfoTriesProgramPathFirst();
    void sysInfoFallsBackToToolsDirectory_data();
    void sysInfoFallsBackToToolsDirectory();
    void sysInfoStartFailureIsReported();
    void ownLookupAnswersOnlyTheProgramPath();

  private:
    frmSplash* showSplash(const QString& textPath = QString());
    bool mainLoaded() const {
        return ui::Forms::instance().isLoaded(QStringLiteral("Morphologique"));
    }
    void runSysInfo();

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QStringList lookups_;
};

void TestSplashAbout::init() {
    startClean(platform_, home_);
    lookups_.clear();
}

void TestSplashAbout::cleanup() {
    ui::Forms::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmAbout::setKeyLookup(nullptr);
    platform_.reset();
}

// The splash as the program shows it, handing over to the main window.
frmSplash* TestSplashAbout::showSplash(const QString& textPath) {
    return app::showSplash(textPath);
}

namespace {

// A control of a window, found by its name as the user's tools find it.
template <class T>
T* child(const QObject* window, const char* name) {
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found) {
        qFatal("no control named %s", name);
    }
    return found;
}

QTimer* timerOf(const frmSplash* splash) {
    return child<QTimer>(splash, "Timer1");
}

// A clock started by the splash's first show event, just before the splash starts its own.
class ShowClock : public QObject {
  public:
    QElapsedTimer clock;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && qobject_cast<frmSplash*>(watched) &&
            !clock.isValid()) {
            clock.start();
        }
        return false;
    }
};

}  // namespace

void TestSplashAbout::timerHandsOverAfterThreeSeconds() {
    ShowClock shown;
    qApp->installEventFilter(&shown);
    frmSplash* splash = showSplash();
    qApp->removeEventFilter(&shown);
    QVERIFY(shown.clock.isValid());
    qint64 handedOverAt = -1;
    connect(splash, &frmSplash::handedOver, this, [&] { handedOverAt = shown.clock.elapsed(); });
    QVERIFY(!mainLoaded());
    // Not a moment before the three seconds, counted from the showing.
    QTRY_VERIFY_WITH_TIMEOUT(mainLoaded(), 2 * frmSplash::kInterval);
    QVERIFY2(handedOverAt >= 3000, qPrintable(QString::number(handedOverAt)));
    QVERIFY(ui::Forms::instance().find<shell::Morphologique>()->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
}

void TestSplashAbout::earlyTimerIsReArmedForTheTimeLeft() {
    frmSplash* splash = showSplash();
    QTest::qWait(200);
    // A tick that comes before the three seconds are over, as a coarse timer's may.
    QVERIFY(QMetaObject::invokeMethod(timerOf(splash), "timeout"));
    QVERIFY(!mainLoaded());
    QVERIFY(timerOf(splash)->isActive());
    QVERIFY(timerOf(splash)->interval() <= 2800);
    QVERIFY(timerOf(splash)->interval() > 0);
}

void TestSplashAbout::keyPressHandsOverOnce() {
    QPointer<frmSplash> splash = showSplash();
    QSignalSpy handOvers(splash.data(), &frmSplash::handedOver);
    QTest::keyClick(splash, Qt::Key_Space);
    QCOMPARE(handOvers.count(), 1);
    QVERIFY(mainLoaded());
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    QVERIFY(main->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
    // Nothing that was still queued for the splash can bring a second main window.
    if (splash) {
        QVERIFY(QMetaObject::invokeMethod(timerOf(splash), "timeout"));
    }
    QCOMPARE(handOvers.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!splash);
    QCOMPARE(ui::Forms::instance().loadedNames(), QStringList{QStringLiteral("Morphologique")});
    QCOMPARE(ui::Forms::instance().find<shell::Morphologique>(), main);
}

void TestSplashAbout::clicksHandOverOnlyOnListedControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("handsOver");
    for (const char* name :
         {"Frame1", "Image1", "imgLogo", "Label2", "Label3", "Label4", "Label5", "Label8"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    }
    for (const char* name : {"Label1", "Label6", "Label7", "Label9"}) {
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    }
}

void TestSplashAbout::clicksHandOverOnlyOnListedControls() {
    QFETCH(QString, control);
    QFETCH(bool, handsOver);
    frmSplash* splash = showSplash();
    auto* widget = splash->findChild<QWidget*>(control);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(mainLoaded(), handsOver);
    QCOMPARE(ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")), !handsOver);
}

void TestSplashAbout::splashLabels() {
    frmSplash* splash = showSplash();
    QCOMPARE(child<QLabel>(splash, "Label1")->text(), QStringLiteral("VORANTE LUMIVEXA"));
    QCOMPARE(child<QLabel>(splash, "Label5")->text(), QStringLiteral("VORANTE LUMIVEXA"));
    QCOMPARE(child<QLabel>(splash, "Label6")->text(), QStringLiteral("Analyse Morphologique"));
    QCOMPARE(child<QLabel>(splash, "Label8")->text(), QStringLiteral("Analyse Morphologique"));
    QCOMPARE(child<QLabel>(splash, "Label2")->text(), QStringLiteral("Version 3.5"));
    QCOMPARE(child<QLabel>(splash, "Label3")->text(), QStringLiteral("Windows 95, 98, NT et 2000"));
    QCOMPARE(child<QLabel>(splash, "Label9")->text(), QStringLiteral("Octobre 2001"));
    QVERIFY(child<QLabel>(splash, "Label7")->text().isEmpty());
    QCOMPARE(child<QLabel>(splash, "Image1")->pixmap().size(), QSize(100, 220));
    QVERIFY(splash->windowTitle().isEmpty());
}

void TestSplashAbout::closingTheSplashStillHandsOver() {
    frmSplash* splash = showSplash();
    QSignalSpy handOvers(splash, &frmSplash::handedOver);
    splash->close();
    QCOMPARE(handOvers.count(), 1);
    QVERIFY(mainLoaded());
    QVERIFY(ui::Forms::instance().find<shell::Morphologique>()->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
}

void TestSplashAbout::endingTheProgramDoesNotHandOver() {
    frmSplash* splash = showSplash();
    QSignalSpy handOvers(splash, &frmSplash::handedOver);
    ui::Forms::instance().unloadAll();
    QCOMPARE(handOvers.count(), 0);
    QVERIFY(ui::Forms::instance().loadedNames().isEmpty());
}

// A text given at start is opened as the menu opens one: same question, same messages.
void TestSplashAbout::givenTextOpensAfterHandOver_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<bool>("loaded");
    const QString warning = QStringLiteral("La taille du fichier");
    QTest::newRow("small text") << 100 << true << QStringList() << true;
    QTest::newRow("large text, answer Yes") << 64001 << true << QStringList{warning} << true;
    QTest::newRow("large text, answer No") << 64001 << true << QStringList{warning} << false;
    QTest::newRow("missing file") << 0 << false << QStringList{QStringLiteral("Lecture impossible")}
                                  << false;
}

void TestSplashAbout::givenTextOpensAfterHandOver() {
    QFETCH(int, size);
    QFETCH(bool, exists);
    QFETCH(QStringList, titles);
    QFETCH(bool, loaded);
    const QString path = home_.file(QStringLiteral("texte.txt"));
    QFile::remove(path);
    if (exists) {
        QVERIFY(writeFile(path, QByteArray(size, 'a')));
    }
    if (!titles.isEmpty() && exists) {
        platform_->answers.push_back(loaded ? ui::Answer::Yes : ui::Answer::No);
    }
    frmSplash* splash = showSplash(path);
    QVERIFY(!mainLoaded());
    QTest::keyClick(splash, Qt::Key_Space);
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    QVERIFY(main && main->isVisible());
    // The text comes once the main window is up, not within the hand-over itself.
    QVERIFY(platform_->messages.isEmpty() && !main->hasText());
    QTRY_COMPARE(platform_->messages.size(), titles.size());
    QTest::qWait(20);
    QStringList shownTitles;
    for (const FakePlatform::Message& m : platform_->messages) {
        shownTitles << m.title;
    }
    QCOMPARE(shownTitles, titles);
    QCOMPARE(main->hasText(), loaded);
    QCOMPARE(drive::child<QLabel>(main, "lblFichier")->text(),
             loaded ? path : QStringLiteral("Chargez un fichier texte avec la commande Ouvrir"));
    QCOMPARE(drive::textField(main, "txtfichier")->toPlainText().size(), loaded ? size : 0);
    QCOMPARE(drive::action(main, "ouvrir")->isEnabled(), !loaded);
}

void TestSplashAbout::programIconIsDrawn() {
    const QIcon icon = app::programIcon();
    QVERIFY(!icon.isNull());
    for (const int size : {16, 48}) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // A disc: its corners are transparent, its middle is painted.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    }
}

void TestSplashAbout::aboutBoxContents() {
    auto* box = ui::Forms::instance().load<frmAbout>();
    QCOMPARE(box->windowTitle(), QStringLiteral("Vorante Lumivexa - A propos de "));
    QCOMPARE(child<QLabel>(box, "Label1")->text(), QStringLiteral("Analyse morphologique"));
    QCOMPARE(child<QLabel>(box, "lblVersion")->text(), QStringLiteral("Version 3.5"));
    QVERIFY(child<QLabel>(box, "lblDisclaimer")->text().isEmpty());
    QCOMPARE(child<QPushButton>(box, "cmdSysInfo")->text(), QStringLiteral("&Infos système..."));
    QCOMPARE(child<QPushButton>(box, "cmdOK")->text(), QStringLiteral("OK"));
    child<QPushButton>(box, "cmdOK")->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmAbout")));
}

void TestSplashAbout::runSysInfo() {
    auto* box = ui::Forms::instance().load<frmAbout>();
    child<QPushButton>(box, "cmdSysInfo")->click();
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("frmAbout")));
}

void TestSplashAbout::sysInfoTriesProgramPathFirst() {
    frmAbout::setKeyLookup(
        [this](quint32 root, const QString& key, const QString& value, QString& out) {
            lookups_ << key + QLatin1Char('|') + value;
            out.clear();
            if (root == about::kLocalMachine && value == QStringLiteral("PATH")) {
                out = QStringLiteral("/usr/bin/infos-systeme");
                return true;
            }
            return false;
        });
    runSysInfo();
    QCOMPARE(lookups_,
             QStringList{QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH")});
    QCOMPARE(platform_->startedPrograms, QStringList{QStringLiteral("/usr/bin/infos-systeme")});
    QVERIFY(platform_->messages.isEmpty());
}

void TestSplashAbout::sysInfoFallsBackToToolsDirectory_data() {
    QTest::addColumn<bool>("programThere");
    QTest::newRow("program missing") << false;
    QTest::newRow("program there") << true;
}

void TestSplashAbout::sysInfoFallsBackToToolsDirectory() {
    QFETCH(bool, programThere);
    const QString dir =
        home_.file(programThere ? QStringLiteral("tools1") : QStringLiteral("tools0"));
    QDir().mkpath(dir);
    const QString program = QDir(dir).filePath(QStringLiteral("MSINFO32.EXE"));
    if (programThere) {
        writeFile(program, QByteArray("#!/bin/sh\n"));
    }
    frmAbout::setKeyLookup(
        [this, dir](quint32, const QString& key, const QString& value, QString& out) {
            lookups_ << key + QLatin1Char('|') + value;
            out.clear();
            if (value == QStringLiteral("MSINFO")) {
                out = dir;
                return true;
            }
            return false;
        });
    runSysInfo();
    QCOMPARE(lookups_,
             (QStringList{QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"),
                          QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO")}));
    if (programThere) {
        QCOMPARE(platform_->startedPrograms, QStringList{program});
        QVERIFY(platform_->messages.isEmpty());
    } else {
        QVERIFY(platform_->startedPrograms.isEmpty());
        QCOMPARE(platform_->messageTexts(),
                 QStringList{QStringLiteral(
                     "Les informations système ne sont pas disponibles actuellement")});
        QCOMPARE(platform_->messages.first().title, QStringLiteral("Analyse morphologique"));
    }
}

void TestSplashAbout::sysInfoStartFailureIsReported() {
    frmAbout::setKeyLookup([](quint32, const QString&, const QString& value, QString& out) {
        out = value == QStringLiteral("PATH") ? QStringLiteral("/nowhere/infos") : QString();
        return !out.isEmpty();
    });
    platform_->unstartablePrograms << QStringLiteral("/nowhere/infos");
    runSysInfo();
    QCOMPARE(platform_->messageTexts(),
             QStringList{
                 QStringLiteral("Les informations système ne sont pas disponibles actuellement")});
}

void TestSplashAbout::ownLookupAnswersOnlyTheProgramPath() {
    QString value = QStringLiteral("stale");
    QVERIFY(!about::GetKeyValue(about::kLocalMachine, about::kToolsLocationKey,
                                about::kToolsLocationValue, value));
    QVERIFY(value.isEmpty());
    // With a PATH holding none of the known programs, there is no program path either.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(home_.path()));
    QVERIFY(!about::GetKeyValue(about::kLocalMachine, about::kMsInfoKey, about::kMsInfoPathValue,
                                value));
    const QString fake = home_.file(QStringLiteral("kinfocenter"));
    writeFile(fake, QByteArray("#!/bin/sh\n"));
    QFile::setPermissions(fake, QFile::permissions(fake) | QFile::ExeOwner);
    QVERIFY(about::GetKeyValue(about::kLocalMachine, about::kMsInfoKey, about::kMsInfoPathValue,
                               value));
    QCOMPARE(value, fake);
    qputenv("PATH", path);
}

QTEST_MAIN(TestSplashAbout)
#include "test_splash_about.moc"
