#include "about/frmAbout.h"
#include "about/frmSplash.h"
#include "shell/Morphologique.h"
#include "support/fakeplatform.h"
#include "support/testenv.h"
#include "ui/forms.h"

#include <QDir>
#include <QLabel>
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
    void keyPressHandsOverOnce();
    void clicksHandOverOnlyOnListedControls_data();
    void clicksHandOverOnlyOnListedControls();
    void splashLabels();
    void closingTheSplashStillHandsOver();
    void aboutBoxContents();
    void sysInfoTriesProgramPathFirst();
    void sysInfoFallsBackToToolsDirectory_data();
    void sysInfoFallsBackToToolsDirectory();
    void sysInfoStartFailureIsReported();
    void ownLookupAnswersOnlyTheProgramPath();

  private:
    frmSplash* showSplash();
    bool mainLoaded() const {
        return ui::Forms::instance().isLoaded(QStringLiteral("Morphologique"));
    }
    void runSysInfo();

    TestDataHome home_;
    std::unique_ptr<FakePlatform> platform_;
    QStringList lookups_;
};

void TestSplashAbout::init() {
    platform_ = std::make_unique<FakePlatform>();
    lookups_.clear();
}

void TestSplashAbout::cleanup() {
    ui::Forms::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    frmAbout::setKeyLookup(nullptr);
    platform_.reset();
}

frmSplash* TestSplashAbout::showSplash() {
    auto* splash = ui::Forms::instance().load<frmSplash>();
    ui::Forms::showModeless(splash);
    return splash;
}

void TestSplashAbout::timerHandsOverAfterThreeSeconds() {
    frmSplash* splash = showSplash();
    QCOMPARE(splash->Timer1->interval(), 3000);
    QVERIFY(splash->Timer1->isActive());
    QTest::qWait(2500);
    QVERIFY(!mainLoaded());
    QTRY_VERIFY_WITH_TIMEOUT(mainLoaded(), 2000);
    QVERIFY(ui::Forms::instance().find<shell::Morphologique>()->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
}

void TestSplashAbout::keyPressHandsOverOnce() {
    QPointer<frmSplash> splash = showSplash();
    QTest::keyClick(splash, Qt::Key_Space);
    QVERIFY(mainLoaded());
    auto* main = ui::Forms::instance().find<shell::Morphologique>();
    QVERIFY(main->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
    // Nothing that was still queued for the splash can bring a second main window.
    if (splash) {
        splash->Timer1_Timer();
    }
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
    QCOMPARE(splash->Label1->text(), QStringLiteral("VORANTE LUMIVEXA"));
    QCOMPARE(splash->Label5->text(), QStringLiteral("VORANTE LUMIVEXA"));
    QCOMPARE(splash->Label6->text(), QStringLiteral("Analyse Morphologique"));
    QCOMPARE(splash->Label8->text(), QStringLiteral("Analyse Morphologique"));
    QCOMPARE(splash->Label2->text(), QStringLiteral("Version 3.5"));
    QCOMPARE(splash->Label3->text(), QStringLiteral("Windows 95, 98, NT et 2000"));
    QCOMPARE(splash->Label9->text(), QStringLiteral("Octobre 2001"));
    QVERIFY(splash->Label7->text().isEmpty());
    QCOMPARE(splash->Image1->pixmap().size(), QSize(100, 220));
    QVERIFY(splash->windowTitle().isEmpty());
}

void TestSplashAbout::closingTheSplashStillHandsOver() {
    frmSplash* splash = showSplash();
    splash->close();
    QVERIFY(mainLoaded());
    QVERIFY(ui::Forms::instance().find<shell::Morphologique>()->isVisible());
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmSplash")));
}

void TestSplashAbout::aboutBoxContents() {
    auto* box = ui::Forms::instance().load<frmAbout>();
    QCOMPARE(box->windowTitle(), QStringLiteral("Vorante Lumivexa - A propos de "));
    QCOMPARE(box->Label1->text(), QStringLiteral("Analyse morphologique"));
    QCOMPARE(box->lblVersion->text(), QStringLiteral("Version 3.5"));
    QVERIFY(box->lblDisclaimer->text().isEmpty());
    QCOMPARE(box->cmdSysInfo->text(), QStringLiteral("&Infos système..."));
    QCOMPARE(box->cmdOK->text(), QStringLiteral("OK"));
    box->cmdOK->click();
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("frmAbout")));
}

void TestSplashAbout::runSysInfo() {
    auto* box = ui::Forms::instance().load<frmAbout>();
    box->cmdSysInfo->click();
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
