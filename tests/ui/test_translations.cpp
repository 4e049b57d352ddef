// Qt's own dialogs speak French: every text, item and tooltip of the print dialog, its printer
// properties and the print preview, walked widget by widget for English words.

#include "ui/printpreview.h"
#include "ui/translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

// English words of Qt's print dialogs that French never writes.
const QStringList kEnglish = {
    "Advanced", "Binding", "Both",        "Cancel",    "Close",      "Collate", "Color",
    "Colour",   "Current", "Double",      "Duplex",    "First",      "Fit",     "Grayscale",
    "Height",   "Inches",  "Landscape",   "Last",      "Layout",     "Left",    "Location",
    "Long",     "Margins", "Millimeters", "Next",      "Off",        "Output",  "Paper",
    "Previous", "Print",   "Printer",     "Printing",  "Properties", "Range",   "ranges",
    "Reverse",  "Right",   "Selection",   "separated", "Settings",   "Setup",   "Short",
    "Side",     "Sided",   "Size",        "Specify",   "Width",      "commas",
};

QStringList textsOf(QWidget* root) {
    QStringList texts{root->windowTitle(), root->toolTip()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    // Hidden ones too: which show depends on the printer chosen.
    for (QWidget* w : widgets) {
        texts << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            texts << button->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            texts << group->title();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
            texts << combo->currentText();
        } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i);
            }
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            texts << line->placeholderText();
        }
        for (QAction* action : w->actions()) {
            texts << action->text() << action->toolTip();
        }
    }
    return texts;
}

// The texts holding an English word, or a number written the English way ("54.0%").
QStringList englishIn(const QStringList& texts) {
    static const QRegularExpression words(QStringLiteral("[A-Za-z]+"));
    static const QRegularExpression englishNumber(QStringLiteral("[0-9]\\.[0-9]+ ?%"));
    QStringList found;
    for (const QString& text : texts) {
        bool english = englishNumber.match(text).hasMatch();
        for (auto it = words.globalMatch(text); it.hasNext() && !english;) {
            english = kEnglish.contains(it.next().captured());
        }
        if (english && !found.contains(text)) {
            found << text;
        }
    }
    return found;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void printDialogAndItsProperties();
    void printPreview();
    void zoomFactorsInFrench();
};

void TestTranslations::initTestCase() {
    ui::installFrenchTranslations(*qApp);
}

void TestTranslations::printDialogAndItsProperties() {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList texts = textsOf(&dialog);
    // Every tab, not only the one shown.
    if (auto* tabs = dialog.findChild<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            texts << textsOf(&dialog);
        }
    }
    auto* properties = dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
    QVERIFY(properties);
    if (properties->isEnabled()) {
        QTimer::singleShot(0, this, [&texts] {
            QWidget* shown = QApplication::activeModalWidget();
            if (shown) {
                for (auto* tabs : shown->findChildren<QTabWidget*>()) {
                    for (int i = 0; i < tabs->count(); ++i) {
                        tabs->setCurrentIndex(i);
                        texts << textsOf(shown);
                    }
                }
                texts << textsOf(shown);
                shown->close();
            }
        });
        properties->click();
    }
    dialog.reject();
    const QStringList english = englishIn(texts);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
}

void TestTranslations::printPreview() {
    QPrinter printer;
    ui::PrintPreview preview(&printer);
    connect(&preview, &ui::PrintPreview::paintRequested, this, [](QPrinter* target) {
        QPainter painter(target);
        painter.drawText(100, 100, QStringLiteral("Gallia est omnis divisa"));
    });
    preview.resize(900, 700);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    const QStringList english = englishIn(textsOf(&preview));
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
    QVERIFY(preview.zoom()->currentText().endsWith(QStringLiteral(" %")));
}

void TestTranslations::zoomFactorsInFrench() {
    QCOMPARE(ui::frenchZoomText(0.54), QStringLiteral("54,0 %"));
    QCOMPARE(ui::frenchZoomText(1.255), QStringLiteral("125,5 %"));
    QCOMPARE(ui::zoomFactorOf(QStringLiteral("54,0 %")), std::optional<double>(0.54));
    QCOMPARE(ui::zoomFactorOf(QStringLiteral("80")), std::optional<double>(0.8));
    QCOMPARE(ui::zoomFactorOf(QStringLiteral("12.5%")), std::optional<double>(0.125));
    QCOMPARE(ui::zoomFactorOf(QStringLiteral("beaucoup")), std::nullopt);
    QCOMPARE(ui::zoomFactorOf(QStringLiteral("-5 %")), std::nullopt);
}

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
