#include "support/workspacedriver.h"
#include "support/controls.h"

#include "core/records/recordfile.h"
#include "support/fakeplatform.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "ui/gridmodel.h"
#include "windows/shell/Morphologique.h"
#include "windows/shell/ThesaurusChoix.h"
#include "windows/workspaces/frmanalyse.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

records::ThesaurusRecord thesaurusRecord(const Analysis& a, qint16 number) {
    records::ThesaurusRecord r;
    r.setNumber(number);
    r.setAnalysis(a.form, a.category, a.lemma, a.caseGenderNumber, a.moodTenseVoice, a.translation);
    return r;
}

void writeThesaurus(const QString& path, const std::vector<Analysis>& analyses) {
    QFile::remove(path);
    records::RecordFile file(path, records::ThesaurusRecord::Length);
    QVERIFY(file.open());
    qint16 n = 0;
    for (const Analysis& a : analyses) {
        ++n;
        QVERIFY(file.write(n, thesaurusRecord(a, n)));
    }
}

namespace drive {

shell::Morphologique* mainWindowWithText(const QString& text) {
    auto* main = ui::Forms::instance().load<shell::Morphologique>();
    ui::Forms::showModeless(main);
    drive::textField(main, "txtfichier")->setPlainText(text);
    drive::action(main, "analyse")->setEnabled(true);
    return main;
}

shell::ThesaurusChoix* openThesaurusChoice() {
    drive::action(ui::Forms::instance().find<shell::Morphologique>(), "analyse")->trigger();
    return ui::Forms::instance().find<shell::ThesaurusChoix>();
}

analysis::frmanalyse* workspace() {
    return ui::Forms::instance().find<analysis::frmanalyse>();
}

analysis::frmanalyse* analyseWithThesaurus(FakePlatform& platform, const QString& text,
                                           const QString& thesaurus) {
    mainWindowWithText(text);
    platform.fileNames.push_back(thesaurus);
    drive::button(openThesaurusChoice(), "Command2")->click();
    return workspace();
}

QStringList rowCells(const ui::Grid* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->cols(); ++c) {
        QString cell = grid->textAt(row, c);
        if (grid->boldAt(row, c)) {
            cell += QStringLiteral("|b");
        }
        if (const auto colour = grid->foreColorAt(row, c)) {
            cell += QStringLiteral("|%1").arg(*colour, 6, 16, QLatin1Char('0'));
        }
        cells << cell;
    }
    return cells;
}

void clickRow(analysis::frmanalyse* ws, int row) {
    clickRow(drive::analysisGrid(ws), row);
}

void clickRow(ui::Grid* grid, int row) {
    QTableView* view = grid->view();
    const QModelIndex index = view->model()->index(row - 1, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void closeAll() {
    ui::Forms::instance().unloadAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void insideModalLoop(const std::function<void()>& act) {
    QTimer::singleShot(0, [act] {
        act();
        if (QTest::currentTestFailed()) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isModal() && window->isVisible()) {
                    window->hide();
                }
            }
        }
    });
}

}  // namespace drive
