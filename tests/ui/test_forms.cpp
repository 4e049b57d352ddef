#include "support/fakeplatform.h"
#include "ui/forms.h"
#include "ui/platform.h"
#include "ui/translations.h"

#include <QFileSystemModel>
#include <QTemporaryDir>

#include <QTimer>
#include <QtTest>

namespace {

int loads = 0;
int unloads = 0;

class Probe : public ui::Form<QWidget> {
    Q_OBJECT
  public:
    void Form_Load() override { ++loads; }

  protected:
    void Form_Unload() override { ++unloads; }
};

}  // namespace

class TestForms : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        loads = 0;
        unloads = 0;
    }
    void cleanup() {
        ui::Forms::instance().unloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void loadedOnceUntilClosed();
    void variantsOfOneClassAreSeparateWindows();
    void modalShowingEndsOnUnloadOrHide();
    void unloadAllClosesEverything();
    void filtersIgnoreCase();
    void messageLineBreaks();
    void dialogsSpeakFrench();
};

void TestForms::loadedOnceUntilClosed() {
    Probe* first = ui::Forms::instance().load<Probe>();
    QCOMPARE(first->objectName(), QStringLiteral("Probe"));
    QCOMPARE(ui::Forms::instance().load<Probe>(), first);
    QCOMPARE(loads, 1);
    first->hide();  // hidden is still loaded
    QCOMPARE(ui::Forms::instance().find<Probe>(), first);
    first->unload();
    QCOMPARE(unloads, 1);
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("Probe")));
    // A window loaded again after closing runs its load work again, as a new window.
    QPointer<Probe> old = first;
    Probe* second = ui::Forms::instance().load<Probe>();
    QCOMPARE(loads, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);
    QCOMPARE(ui::Forms::instance().find<Probe>(), second);
}

void TestForms::variantsOfOneClassAreSeparateWindows() {
    auto make = [] { return new Probe; };
    Probe* a = ui::Forms::instance().load<Probe>(QStringLiteral("probe_a"), make);
    Probe* a1 = ui::Forms::instance().load<Probe>(QStringLiteral("probe_a1"), make);
    QVERIFY(a != a1);
    QCOMPARE(ui::Forms::instance().find<Probe>(QStringLiteral("probe_a1")), a1);
    ui::Forms::instance().unload(QStringLiteral("probe_a"));
    QVERIFY(!ui::Forms::instance().isLoaded(QStringLiteral("probe_a")));
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("probe_a1")));
}

void TestForms::modalShowingEndsOnUnloadOrHide() {
    Probe* probe = ui::Forms::instance().load<Probe>();
    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        wasModal = probe->isModal();
        probe->unload();
    });
    ui::Forms::showModal(probe);
    QVERIFY(wasModal);
    QCOMPARE(unloads, 1);

    Probe* again = ui::Forms::instance().load<Probe>();
    QTimer::singleShot(0, again, &QWidget::hide);
    ui::Forms::showModal(again);
    QVERIFY(ui::Forms::instance().isLoaded(QStringLiteral("Probe")));
    QVERIFY(!again->isModal());
}

void TestForms::unloadAllClosesEverything() {
    auto make = [] { return new Probe; };
    for (const char* name : {"w1", "w2", "w3"}) {
        ui::Forms::showModeless(ui::Forms::instance().load<Probe>(QString::fromLatin1(name), make));
    }
    ui::Forms::instance().unloadAll();
    QCOMPARE(unloads, 3);
    QVERIFY(ui::Forms::instance().loadedNames().isEmpty());
}

void TestForms::filtersIgnoreCase() {
    const QString filter = QStringLiteral("Fichiers Texte (*.TXT)|*.TXT");
    QVERIFY(ui::matchesFilter(QStringLiteral("texte.txt"), filter));
    QVERIFY(ui::matchesFilter(QStringLiteral("TEXTE.TXT"), filter));
    QVERIFY(!ui::matchesFilter(QStringLiteral("texte.txt.bak"), filter));
    QCOMPARE(ui::filterPatterns(filter), QStringList{QStringLiteral("*.TXT")});
    QCOMPARE(ui::qtNameFilter(filter), QStringLiteral("Fichiers Texte (*.TXT) (*.[tT][xX][tT])"));
    QCOMPARE(ui::defaultSuffix(QStringLiteral("Fichiers données (*.DAT)|*.DAT")),
             QStringLiteral("DAT"));
}

void TestForms::messageLineBreaks() {
    QCOMPARE(ui::displayText(QStringLiteral("a\r\nb\n\r\r\nc\n\r")), QStringLiteral("a\nb\n\nc"));
    QCOMPARE(ui::displayText(QStringLiteral("a\rb\nc")), QStringLiteral("a\nb\nc"));
    FakePlatform platform;
    ui::msgBox(nullptr, QStringLiteral("texte"));
    QCOMPARE(platform.messages.first().title, QStringLiteral("Analyse morphologique"));
}

// Qt's own words in the file dialogs: its catalogues where they have them, the program's own
// words where they lack them, and sizes, types and dates in French whatever the system speaks.
void TestForms::dialogsSpeakFrench() {
    ui::installFrenchTranslations(*qApp);
    QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"),
             QStringLiteral("Dossier"));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Folder"), QStringLiteral("Dossier"));
    QCOMPARE(QCoreApplication::translate("QFileSystemModel", "%1 bytes"),
             QStringLiteral("%1 octets"));

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("textes")));
    QFile file(dir.filePath(QStringLiteral("mien.DAT")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(3000, 'x'));
    file.close();
    QFileSystemModel files;
    QAbstractProxyModel* french = ui::frenchFileListModel(&files);
    french->setSourceModel(&files);
    const QModelIndex root = files.setRootPath(dir.path());
    QTRY_COMPARE(files.rowCount(root), 2);
    const QModelIndex data = files.index(file.fileName(), 0);
    const QModelIndex folder = files.index(dir.filePath(QStringLiteral("textes")), 0);
    const auto shown = [&](const QModelIndex& source, int column) {
        return french->mapFromSource(source.siblingAtColumn(column)).data().toString();
    };
    QCOMPARE(shown(data, 1), QStringLiteral("2,93 Kio"));
    QCOMPARE(shown(data, 2), QStringLiteral("Fichier DAT"));
    QCOMPARE(shown(folder, 2), QStringLiteral("Dossier"));
    QVERIFY(!shown(data, 3).contains(QStringLiteral("AM")) &&
            !shown(data, 3).contains(QStringLiteral("PM")));
}

QTEST_MAIN(TestForms)
#include "test_forms.moc"
