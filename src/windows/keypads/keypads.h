#pragma once

#include "core/coding/coding.h"

#include <QList>
#include <QString>

// Opening and closing the keypads and the coding charts.
namespace keypads {

// One keypad window: the keypad it shows, the window and field it writes into on "OK", and
// whether its caller waits for it.
struct Variant {
    QString name;
    Keypad keypad;
    QString owner;
    QString field;
    bool modal;
};

const QList<Variant>& variants();
const Variant* findVariant(const QString& name);

// Opens a keypad variant ("pave02_a", "pave03_b2", ...): created and loaded on first use, which
// runs its opening steps, then shown modeless, or modal when its caller waits for it. A keypad
// already open is only brought to the front, with its current selection.
void openKeypad(const QString& variantName);

// Opens a coding chart ("pave02" or "pave03"), one window for every caller. A chart already
// open is only brought to the front, even when a modal showing is asked for.
void openChart(const QString& name, bool modal);

// Closes the keypads that write into ownerName's fields, writing nothing; an owner calls this
// as it closes.
void unloadKeypadsOf(const QString& ownerName);

}  // namespace keypads
