#pragma once
// The ruler's own pop-up menu: line numbers on or off, their spacing, the gradient, three
// colour schemes, and both background colours picked in the colour dialog. Check and radio
// marks are brought up to date every time before it opens.
#include "platform/Color.h"

#include <QMenu>
#include <string>

class TRuler;

class TRulerMenu : public QMenu {
    Q_OBJECT
public:
    explicit TRulerMenu(TRuler* ruler);

    // Item `index` in menu order, separators included (0 .. 17).
    QAction* Item(int index) const { return actions().value(index); }
    // The marks as the ruler stands now.
    void RefreshChecks();
    // Colour scheme by tag: 100 caption colours, 101 the defaults, 102 dark grey to black.
    void ApplyScheme(int tag);
    // The two colour dialogs, background then gradient; the second runs whatever the first
    // gave.
    void PickColours();

    // Where the colour dialog keeps its custom colours (empty: beside the executable).
    std::string CustomColorsFile;

private:
    TRuler* FRuler;
};

// The colours of scheme `tag` (100, 101 or 102) as {Color, GradientColor}.
struct TRulerScheme {
    TColor Color;
    TColor GradientColor;
};
TRulerScheme RulerScheme(int tag);
