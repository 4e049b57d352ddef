#include "core/grid/sharedtext.h"

#include <QHash>

#include <deque>
#include <limits>
#include <vector>

namespace analysis {
namespace {

// The texts by number; number 0 is the empty text. A deque, so that a text handed out by
// reference stays where it is while others are added.
class TextStore {
  public:
    TextStore() { texts_.emplace_back(); }

    quint32 idOf(const QString& text) {
        if (text.isEmpty()) {
            return 0;
        }
        const auto found = ids_.constFind(text);
        return found != ids_.cend() ? found.value() : add(text);
    }
    const QString& text(quint32 id) const { return texts_[id]; }
    qsizetype count() const { return static_cast<qsizetype>(texts_.size()); }

  private:
    quint32 add(const QString& text) {
        const auto id = static_cast<quint32>(texts_.size());
        texts_.push_back(text);
        ids_.insert(text, id);
        return id;
    }

    std::deque<QString> texts_;
    QHash<QString, quint32> ids_;
};

TextStore& store() {
    static TextStore texts;
    return texts;
}

// The colours by number; number 0 is none.
std::vector<quint32>& palette() {
    static std::vector<quint32> colours{0};
    return colours;
}

quint16 colourIndex(quint32 colour) {
    std::vector<quint32>& colours = palette();
    for (std::size_t i = 1; i < colours.size(); ++i) {
        if (colours[i] == colour) {
            return static_cast<quint16>(i);
        }
    }
    // The colours are the program's own few; a palette full beyond reason shows the default.
    if (colours.size() > std::numeric_limits<quint16>::max()) {
        return 0;
    }
    colours.push_back(colour);
    return static_cast<quint16>(colours.size() - 1);
}

}  // namespace

SharedText::SharedText(const QString& text) : id_(store().idOf(text)) {}
SharedText::SharedText(QStringView text) : id_(store().idOf(text.toString())) {}
SharedText::SharedText(QLatin1StringView text) : id_(store().idOf(QString(text))) {}

const QString& SharedText::str() const {
    return store().text(id_);
}

qsizetype SharedText::storedCount() {
    return store().count();
}

CellColour::CellColour(quint32 colour) : index_(colourIndex(colour)) {}
CellColour::CellColour(std::optional<quint32> colour)
    : index_(colour ? colourIndex(*colour) : quint16(0)) {}

quint32 CellColour::value() const {
    return palette()[index_];
}

}  // namespace analysis
