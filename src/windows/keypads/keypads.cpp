#include "windows/keypads/keypads.h"

#include "ui/forms.h"
#include "windows/keypads/charts.h"
#include "windows/keypads/pave02_a.h"
#include "windows/keypads/pave03_a.h"
#include "windows/keypads/pave03_b.h"

namespace keypads {
namespace {

Variant variant(const char* name, Keypad keypad, const char* owner, bool modal = false) {
    return {QString::fromLatin1(name), keypad, QString::fromLatin1(owner), modal};
}

template <class W>
KeypadWindow* loadAs(const Variant& v, QWidget* field) {
    return ui::Forms::instance().load<W>(v.name, [field] { return new W(Target(field)); });
}

KeypadWindow* loadKeypad(const Variant& v, QWidget* field) {
    switch (v.keypad) {
        case Keypad::Category:
            return loadAs<pave02_a>(v, field);
        case Keypad::CaseGenderNumber:
            return loadAs<pave03_a>(v, field);
        case Keypad::MoodTenseVoice:
            return loadAs<pave03_b>(v, field);
    }
    return nullptr;
}

CodingWindow* loadChart(const QString& name) {
    ui::Forms& forms = ui::Forms::instance();
    if (name == ui::Forms::nameOf<pave02>()) {
        return forms.load<pave02>();
    }
    if (name == ui::Forms::nameOf<pave03>()) {
        return forms.load<pave03>();
    }
    return nullptr;
}

void show(QWidget* window, bool modal) {
    // A window already on screen cannot become modal: it is only brought to the front.
    if (modal && !window->isVisible()) {
        ui::Forms::showModal(window);
    } else {
        ui::Forms::showModeless(window);
    }
}

}  // namespace

const QList<Variant>& variants() {
    const bool modal = true;
    static const QList<Variant> table = {
        variant("pave02_a", Keypad::Category, "frmanalyse"),
        variant("pave02_a1", Keypad::Category, "frmanalyse02"),
        variant("pave02_a2", Keypad::Category, "Thesaurusmodification", modal),
        variant("pave03_a", Keypad::CaseGenderNumber, "frmanalyse"),
        variant("pave03_a1", Keypad::CaseGenderNumber, "frmanalyse02"),
        variant("pave03_a2", Keypad::CaseGenderNumber, "Thesaurusmodification", modal),
        variant("pave03_b", Keypad::MoodTenseVoice, "frmanalyse"),
        variant("pave03_b1", Keypad::MoodTenseVoice, "frmanalyse02"),
        variant("pave03_b2", Keypad::MoodTenseVoice, "Thesaurusmodification", modal),
    };
    return table;
}

const Variant* findVariant(const QString& name) {
    for (const Variant& v : variants()) {
        if (v.name == name) {
            return &v;
        }
    }
    return nullptr;
}

void openKeypad(const QString& variantName, QWidget* field) {
    if (const Variant* v = findVariant(variantName)) {
        show(loadKeypad(*v, field), v->modal);
    }
}

void openChart(const QString& name, bool modal) {
    if (CodingWindow* chart = loadChart(name)) {
        show(chart, modal);
    }
}

void unloadKeypadsOf(const QString& ownerName) {
    for (const Variant& v : variants()) {
        if (v.owner == ownerName) {
            ui::Forms::instance().unload(v.name);
        }
    }
}

}  // namespace keypads
