// Preparing the analysis workspace: a 64000-byte Latin text against a thesaurus of 32767
// records, with the indexed lookup and with the entry-by-entry scan on the same input.
//
//   ./build/bench/bench_lookup --benchmark_counters_tabular=true
//
// The scans that lower-case at each comparison take a minute or two each; leave them out with
// --benchmark_filter=-lowerOnce:0

#include <benchmark/benchmark.h>

#include "qtbenchmain.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

#include "core/lookup/lookup.h"
#include "core/lookup/thesauruslists.h"
#include "core/records/cp1252.h"
#include "core/text/wordforms.h"
#include "support/controls.h"
#include "support/plainscan.h"
#include "ui/forms.h"
#include "ui/grid.h"
#include "windows/workspaces/frmanalyse.h"

namespace {

constexpr qsizetype kTextBytes = 64000;
constexpr qint64 kRecords = 32767;

QString longText() {
    QFile file(QStringLiteral(MORPHO_SAMPLES_DIR "/caesar-bg-1-1.txt"));
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read the sample text");
    }
    const QString chapter = records::cp1252::decode(file.readAll());
    QString text;
    while (text.size() < kTextBytes) {
        text += chapter;
    }
    return text.left(kTextBytes);
}

// Distinct made-up forms from a few syllables, none of them a letter-for-letter Latin word.
QStringList syntheticForms(qsizetype count) {
    static const QStringList syllables = {"ba", "ce",  "di", "fo", "gu", "la", "me", "ni",
                                          "po", "qua", "ru", "sé", "ti", "vo", "xu", "ya"};
    QStringList forms;
    for (qsizetype n = 0; forms.size() < count; ++n) {
        QString form;
        for (qsizetype rest = n + syllables.size(); rest > 0; rest /= syllables.size()) {
            form += syllables[rest % syllables.size()];
        }
        forms << form;
    }
    return forms;
}

QByteArray record(const QString& form, int analysis) {
    records::ThesaurusRecord r;
    r.setForm(form);
    r.setLemma(form + QStringLiteral("um"));
    r.setCategory(QStringLiteral("N2"));
    r.setCaseGenderNumber(analysis == 0 ? QStringLiteral("nom. n. sg.") : QStringLiteral("acc."));
    r.setMoodTenseVoice(QStringLiteral("_"));
    r.setTranslation(QStringLiteral("traduction %1").arg(analysis));
    return r.toBytes();
}

// Every form of the text with one to three analyses, then made-up forms with one or two,
// in ascending order of lower-cased form and numbered by position, as the base thesaurus is.
QByteArray thesaurusBytes(const QStringList& textForms) {
    QStringList forms = QSet<QString>(textForms.begin(), textForms.end()).values();
    forms += syntheticForms(kRecords * 3 / 4);
    std::sort(forms.begin(), forms.end(), [](const QString& a, const QString& b) {
        return records::cp1252::toLower(a) < records::cp1252::toLower(b);
    });
    QByteArray bytes;
    qint64 count = 0;
    for (qsizetype i = 0; i < forms.size() && count < kRecords; ++i) {
        for (int analysis = 0; analysis <= int(i % 3) % 2 + int(i % 7 == 0) && count < kRecords;
             ++analysis) {
            QByteArray r = record(forms[i], analysis);
            ++count;
            r[0] = char(count & 0xFF);
            r[1] = char(count >> 8);
            bytes += r;
        }
    }
    return bytes;
}

struct Input {
    QTemporaryDir dir;
    QString text = longText();
    QString thesaurus = dir.filePath(QStringLiteral("thesaurus.dat"));

    Input() {
        QFile file(thesaurus);
        const QByteArray bytes = thesaurusBytes(analysis::cutWordForms(text));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            bytes.size() != kRecords * records::ThesaurusRecord::Length) {
            qFatal("cannot write the thesaurus");
        }
    }
};

const Input& input() {
    static const Input shared;
    return shared;
}

analysis::LookupKind kindOf(const benchmark::State& state) {
    return state.range(0) == 1 ? analysis::LookupKind::Sorted : analysis::LookupKind::Full;
}

analysis::ThesaurusLists loadLists() {
    auto loaded = analysis::loadThesaurusLists(input().thesaurus);
    if (!loaded.ok()) {
        qFatal("cannot load the thesaurus");
    }
    return std::move(loaded).value();
}

// What a workspace holds once prepared. It is freed when the workspace closes, so the
// benchmarks free it outside the timed part.
struct Prepared {
    QStringList words;
    analysis::ThesaurusLists lists;
    analysis::LookupResult result;
    std::vector<analysis::RowTexts> texts;
};

template <class Prepare>
void timePreparation(benchmark::State& state, Prepare prepare) {
    input();
    for (auto _ : state) {
        auto prepared = std::make_unique<Prepared>();
        prepare(*prepared);
        state.PauseTiming();
        prepared.reset();
        state.ResumeTiming();
    }
}

// Cutting, loading the thesaurus file, the indexed lookup and every cell text.
void BM_Prepare(benchmark::State& state) {
    qint64 rows = 0;
    timePreparation(state, [&](Prepared& p) {
        p.words = analysis::cutWordForms(input().text);
        p.lists = loadLists();
        p.result = analysis::lookup(p.words, p.lists, kindOf(state));
        p.texts.reserve(p.result.rows.size());
        for (const analysis::LookupRow& row : p.result.rows) {
            p.texts.push_back(analysis::rowTexts(row, p.words, p.lists));
        }
        rows = p.result.rowCount;
    });
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_Prepare)->ArgName("kind")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The parts of the preparation on their own.
void BM_CutText(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(analysis::cutWordForms(input().text));
    }
}
BENCHMARK(BM_CutText)->Unit(benchmark::kMillisecond);

void BM_LoadThesaurus(benchmark::State& state) {
    timePreparation(state, [](Prepared& p) { p.lists = loadLists(); });
}
BENCHMARK(BM_LoadThesaurus)->Unit(benchmark::kMillisecond);

void BM_Lookup(benchmark::State& state) {
    const QStringList words = analysis::cutWordForms(input().text);
    const analysis::ThesaurusLists lists = loadLists();
    for (auto _ : state) {
        benchmark::DoNotOptimize(analysis::lookup(words, lists, kindOf(state)));
    }
}
BENCHMARK(BM_Lookup)->ArgName("kind")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same preparation with the entry-by-entry scan filling a simulated grid. Second argument:
// the scan lower-cases both sides at each comparison (0), as the lookup is written, or the
// entries once beforehand (1), which leaves it only its words x entries comparisons.
void BM_PlainScan(benchmark::State& state) {
    const auto lowering =
        state.range(1) == 0 ? plainscan::Lowering::AtEachComparison : plainscan::Lowering::Once;
    qint64 rows = 0;
    timePreparation(state, [&](Prepared&) {
        const QStringList words = analysis::cutWordForms(input().text);
        const analysis::ThesaurusLists lists = loadLists();
        rows = plainscan::scan(words, lists, kindOf(state), lowering).rowCount();
    });
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_PlainScan)
    ->ArgNames({"kind", "lowerOnce"})
    ->ArgsProduct({{1, 2}, {1, 0}})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The whole preparation as the program runs it: the analysis workspace loading on the main
// window's text and the chosen thesaurus, cutting, loading, looking up and filling its grid.
void BM_Workspace(benchmark::State& state) {
    const analysis::TextToAnalyse text{input().text, QString()};
    const analysis::ThesaurusChoice thesaurus{
        input().thesaurus,
        state.range(0) == 1 ? analysis::ThesaurusKind::Base : analysis::ThesaurusKind::Other};
    qint64 rows = 0;
    for (auto _ : state) {
        auto* workspace = ui::Forms::instance().load<analysis::frmanalyse>(
            ui::Forms::nameOf<analysis::frmanalyse>(),
            [&] { return new analysis::frmanalyse(text, thesaurus); });
        state.PauseTiming();
        rows = drive::analysisGrid(workspace)->rows();
        ui::Forms::instance().forget(workspace);
        delete workspace;
        state.ResumeTiming();
    }
    state.counters["rows"] = double(rows);
    ui::Forms::instance().unloadAll();
}
BENCHMARK(BM_Workspace)->ArgName("kind")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace

MORPHO_QT_BENCHMARK_MAIN()
