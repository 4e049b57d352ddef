#pragma once

#include <QHashFunctions>
#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <optional>

namespace analysis {

// A text stored once for the whole program. A grid of a large text repeats the same forms,
// lemmas, translations and codes hundreds of thousands of times; each cell holds the number of
// its text instead of a string. Equal texts have equal numbers, so comparing two is comparing
// numbers. Texts are never forgotten: there are few distinct ones, even for a whole corpus.
// The store is not shared between threads: grids are built and changed on one thread.
class SharedText {
  public:
    SharedText() = default;              // the empty text
    SharedText(const QString& text);     // NOLINT: a cell takes any text it is given
    SharedText(QStringView text);        // NOLINT
    SharedText(QLatin1StringView text);  // NOLINT
    SharedText(const char* utf8) : SharedText(QString::fromUtf8(utf8)) {}  // NOLINT

    const QString& str() const;
    operator const QString&() const { return str(); }  // NOLINT

    bool isEmpty() const { return id_ == 0; }
    qsizetype size() const { return str().size(); }
    void clear() { id_ = 0; }

    friend bool operator==(SharedText a, SharedText b) { return a.id_ == b.id_; }
    friend bool operator==(SharedText a, const QString& b) { return a.str() == b; }
    friend bool operator==(SharedText a, QStringView b) { return a.str() == b; }
    friend bool operator==(SharedText a, QLatin1StringView b) { return a.str() == b; }
    friend size_t qHash(SharedText text, size_t seed = 0) { return ::qHash(text.id_, seed); }

    // How many distinct texts the store holds: for the benchmarks' memory figures.
    static qsizetype storedCount();

  private:
    quint32 id_ = 0;
};

// The colour of a cell's text, or none for the grid's default colour, in two bytes: a grid
// uses a handful of colours, each stored once. Reads and compares as an optional 0xBBGGRR value.
class CellColour {
  public:
    CellColour() = default;
    CellColour(std::nullopt_t) {}               // NOLINT
    CellColour(quint32 colour);                 // NOLINT
    CellColour(std::optional<quint32> colour);  // NOLINT

    bool has_value() const { return index_ != 0; }
    explicit operator bool() const { return has_value(); }
    quint32 value() const;
    quint32 operator*() const { return value(); }
    quint32 value_or(quint32 otherwise) const { return has_value() ? value() : otherwise; }
    void reset() { index_ = 0; }
    operator std::optional<quint32>() const {  // NOLINT
        return has_value() ? std::optional<quint32>(value()) : std::nullopt;
    }

    friend bool operator==(CellColour a, CellColour b) { return a.index_ == b.index_; }
    friend bool operator==(CellColour a, quint32 b) { return a.has_value() && a.value() == b; }
    friend bool operator==(CellColour a, std::optional<quint32> b) {
        return std::optional<quint32>(a) == b;
    }

  private:
    quint16 index_ = 0;
};

}  // namespace analysis
