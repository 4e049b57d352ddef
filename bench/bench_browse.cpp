// The browsers on the generated data. The thesaurus browsers on the base thesaurus: loading its
// records into the browser lists, the letter listings of the largest letters and the form
// search with the grid filled and painted, and a deletion with the reload of the lists that
// follows it. The lexicon browser: loading the lexicon, the letter listings "a" and "c" and the
// largest lemma search, "a".
//
//   ./build-rel/bench/bench_browse --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "core/browsing/browsing.h"
#include "core/browsing/lexiconlists.h"
#include "core/records/paths.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "ui/platform.h"
#include "windows/browsers/frmrecherche01.h"
#include "windows/browsers/frmrecherche02.h"
#include "windows/lexicon/frmlexique.h"

namespace {

// A private data folder holding a copy of the shipped data, and a platform that answers Yes,
// picks that copy in file dialogs and never prints.
class BenchHome : public ui::Platform {
  public:
    BenchHome() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path()));
        QDir().mkpath(records::paths::dataDir());
        for (const QString& name :
             {records::paths::kBaseThesaurusName, records::paths::kLexiconName}) {
            const QString target = QDir(records::paths::dataDir()).filePath(name);
            if (!QFile::copy(QDir(QStringLiteral(MORPHO_BUILD_DATA_DIR)).filePath(name), target)) {
                qFatal("the shipped data is not built");
            }
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
        copy_ = dir_.filePath(QStringLiteral("copie.dat"));
        QFile::copy(records::paths::baseThesaurus(), copy_);
        QFile::setPermissions(copy_, QFile::permissions(copy_) | QFile::WriteOwner);
        ui::setPlatform(this);
    }
    ~BenchHome() override { ui::setPlatform(nullptr); }

    ui::Answer message(QWidget*, const QString&, ui::Buttons, ui::Icon, const QString&) override {
        return ui::Answer::Yes;
    }
    QString openFileName(QWidget*, const QString&) override { return copy_; }
    QString openOrNewFileName(QWidget*, const QString&) override { return copy_; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }
    std::unique_ptr<ui::PrintJob> startPrinting(QWidget*) override { return nullptr; }
    void showPrintPreview(QWidget*, const QList<QStringList>&) override {}
    void setBusy(QWidget*, bool) override {}
    std::unique_ptr<ui::ProgressReport> startProgress(QWidget*, const QString&) override {
        return std::make_unique<ui::UnwatchedProgress>();
    }
    bool fileExists(const QString& path) override { return QFile::exists(path); }
    bool deleteFile(const QString& path) override { return QFile::remove(path); }
    bool startProgram(const QString&) override { return false; }

  private:
    QTemporaryDir dir_;
    QString copy_;
};

BenchHome& home() {
    static BenchHome shared;
    return shared;
}

// Argument: the trimming of the base thesaurus browser (0) or of the other browser (1).
void BM_LoadLists(benchmark::State& state) {
    home();
    const auto trimming =
        state.range(0) == 0 ? thesaurus::Trimming::Base : thesaurus::Trimming::Other;
    qint64 entries = 0;
    for (auto _ : state) {
        auto loaded = std::make_unique<records::Outcome<analysis::ThesaurusLists>>(
            thesaurus::loadBrowserLists(records::paths::baseThesaurus(), trimming));
        state.PauseTiming();
        entries = loaded->value().size();
        loaded.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = double(entries);
}
BENCHMARK(BM_LoadLists)->ArgName("other")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

template <class W>
W* shownBrowser() {
    home();
    W* browser = ui::Forms::instance().load<W>();
    browser->resize(1000, 700);
    ui::Forms::showModeless(browser);
    QApplication::processEvents();
    return browser;
}

// The browser's control of that name, as the user reaches it.
template <class T>
T* control(const QWidget* browser, const QString& name) {
    T* found = browser->findChild<T*>(name);
    if (!found) {
        qFatal("no control %s", qPrintable(name));
    }
    return found;
}

// The letter listing of the menu "&Recherche" > "&Alphabétique".
void listLetter(const QWidget* browser, QChar letter) {
    control<QAction>(browser, QStringLiteral("l") + letter)->trigger();
}

void searchTyped(const QWidget* browser) {
    control<QPushButton>(browser, QStringLiteral("Command1"))->click();
}

void typeSearch(const QWidget* browser, const QString& text) {
    control<QLineEdit>(browser, QStringLiteral("Text1"))->setText(text);
}

// A listing as the user sees it: the rows found, the grid filled and painted.
template <class Listing>
void timeListing(benchmark::State& state, ui::ResultBrowser* browser, Listing listing) {
    for (auto _ : state) {
        listing();
        QApplication::processEvents();
    }
    state.counters["rows"] = double(browser->resultRows().size());
}

// Argument: the letter, "a" being 0.
void BM_LetterListing(benchmark::State& state) {
    auto* browser = shownBrowser<thesaurus::frmrecherche01>();
    const QChar letter = QLatin1Char(char('a' + state.range(0)));
    timeListing(state, browser, [&] { listLetter(browser, letter); });
}
BENCHMARK(BM_LetterListing)
    ->ArgName("letter")
    ->Arg('s' - 'a')
    ->Arg('a' - 'a')
    ->Unit(benchmark::kMillisecond);

void BM_FormSearch(benchmark::State& state) {
    auto* browser = shownBrowser<thesaurus::frmrecherche01>();
    typeSearch(browser, QStringLiteral("Est"));
    timeListing(state, browser, [&] { searchTyped(browser); });
}
BENCHMARK(BM_FormSearch)->Unit(benchmark::kMillisecond);

// Deleting the first row a form search lists: the record checked against the one listed, the
// marker written over it in place, the lists read again from the file, the rows moved up. Each
// round deletes an entry of another form, from the middle of the thesaurus on.
void BM_DeleteAndReload(benchmark::State& state) {
    auto* browser = shownBrowser<thesaurus::frmrecherche02>();
    auto next = static_cast<std::size_t>(browser->lists().size() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        const std::vector<QString>& forms = browser->lists().forms;
        while (next < forms.size() && (forms[next] == records::kDeletedForm ||
                                       (next > 0 && forms[next] == forms[next - 1]))) {
            ++next;
        }
        if (next >= forms.size()) {
            state.SkipWithError("no entry left to delete");
            break;
        }
        typeSearch(browser, forms[next++]);
        searchTyped(browser);
        control<ui::Grid>(browser, QStringLiteral("grille02"))->setRow(1);
        QApplication::processEvents();
        state.ResumeTiming();
        control<QPushButton>(browser, QStringLiteral("Command2"))->click();
        QApplication::processEvents();
    }
    state.counters["entries"] = double(browser->lists().size());
}
BENCHMARK(BM_DeleteAndReload)->Unit(benchmark::kMillisecond);

void BM_LoadLexiconLists(benchmark::State& state) {
    home();
    qint64 entries = 0;
    for (auto _ : state) {
        auto loaded = std::make_unique<records::Outcome<lexicon::LexiconLists>>(
            lexicon::loadLexiconLists(records::paths::lexicon()));
        state.PauseTiming();
        entries = loaded->value().size();
        loaded.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = double(entries);
}
BENCHMARK(BM_LoadLexiconLists)->Unit(benchmark::kMillisecond);

// Argument: the letter, "a" being 0.
void BM_LexiconLetterListing(benchmark::State& state) {
    auto* browser = shownBrowser<lexicon::frmlexique>();
    const QChar letter = QLatin1Char(char('a' + state.range(0)));
    timeListing(state, browser, [&] { listLetter(browser, letter); });
}
BENCHMARK(BM_LexiconLetterListing)
    ->ArgName("letter")
    ->Arg('a' - 'a')
    ->Arg('c' - 'a')
    ->Unit(benchmark::kMillisecond);

void BM_LexiconSearch(benchmark::State& state) {
    auto* browser = shownBrowser<lexicon::frmlexique>();
    typeSearch(browser, QStringLiteral("a"));
    timeListing(state, browser, [&] { searchTyped(browser); });
}
BENCHMARK(BM_LexiconSearch)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
