#include "editor/ruler/RulerMenu.h"

#include "colordlg/HexColorDialog.h"
#include "editor/ruler/Ruler.h"

#include <QActionGroup>

namespace {
void SetLongHint(QAction* a, const QString& hint)
{
    a->setProperty("hint", hint);
    a->setToolTip(hint.section(u'|', 1));
    a->setStatusTip(hint.section(u'|', 1));
}

QString SpacingCaption(int n)
{
    const QString w = n == 1 ? QStringLiteral("varje") : n == 2 ? QStringLiteral("varannan") : QStringLiteral("var %1:e").arg(n);
    return QStringLiteral("Visa nummer på ") + w + QStringLiteral(" rad");
}
} // namespace

TRulerScheme RulerScheme(int tag)
{
    switch (tag) {
    case 100: return {clActiveCaption, clGradientActiveCaption};
    case 102: return {0x444444, clBlack};
    default: return {clBtnShadow, clBtnFace};
    }
}

TRulerMenu::TRulerMenu(TRuler* ruler) : QMenu(ruler), FRuler(ruler)
{
    setObjectName("RulerMenu");
    setToolTipsVisible(true);

    QAction* numbers = addAction(QStringLiteral("Visa radnummer"));
    numbers->setCheckable(true);
    SetLongHint(numbers, QStringLiteral("|Visar eller döljer radnummer."));
    connect(numbers, &QAction::triggered, this, [this] { FRuler->SetShowLineNumbers(!FRuler->ShowLineNumbers()); });
    addSeparator();

    auto* spacing = new QActionGroup(this);
    for (int n = 1; n <= 10; ++n) {
        QAction* a = addAction(SpacingCaption(n));
        a->setCheckable(true);
        a->setData(n);
        a->setActionGroup(spacing);
        SetLongHint(a, QStringLiteral("|Anger avståndet mellan radnumren."));
        connect(a, &QAction::triggered, this, [this, n] { FRuler->SetLineNumberEvery(n); });
    }
    addSeparator();

    QAction* gradient = addAction(QStringLiteral("Gradient bakgrund"));
    gradient->setCheckable(true);
    SetLongHint(gradient, QStringLiteral("|Anger huruvida linjalens bakgrund ska vara en färggradient."));
    connect(gradient, &QAction::triggered, this, [this] {
        FRuler->SetSurfaceType(FRuler->SurfaceType() == stGradient ? stSolid : stGradient);
    });

    QAction* pick = addAction(QStringLiteral("Ange bakgrundsfärger..."));
    pick->setCheckable(true);
    SetLongHint(pick, QStringLiteral("|Anger linjalens bakgrundsfärger."));
    connect(pick, &QAction::triggered, this, [this] { PickColours(); });

    const std::pair<int, QString> schemes[] = {{100, QStringLiteral("Standardfärgschema: Standard (titelfärger)")},
                                               {101, QStringLiteral("Standardfärgschema: Standard (kontrollfärg)")},
                                               {102, QStringLiteral("Standardfärgschema: Standard (Tarnwick svart)")}};
    for (const auto& [tag, caption] : schemes) {
        QAction* a = addAction(caption);
        a->setCheckable(true);
        a->setData(tag);
        SetLongHint(a, QStringLiteral("|Sätter linjalens bakgrundsfärger till standardvärdena."));
        connect(a, &QAction::triggered, this, [this, t = tag] { ApplyScheme(t); });
    }
    connect(this, &QMenu::aboutToShow, this, [this] { RefreshChecks(); });
}

void TRulerMenu::RefreshChecks()
{
    Item(0)->setChecked(FRuler->ShowLineNumbers());
    for (int k = 1; k <= 10; ++k) Item(k + 1)->setChecked(FRuler->LineNumberEvery() == k);
    // No spacing of 1 to 10: no radio mark at all.
    if (FRuler->LineNumberEvery() < 1 || FRuler->LineNumberEvery() > 10)
        for (int k = 1; k <= 10; ++k) {
            Item(k + 1)->actionGroup()->setExclusive(false);
            Item(k + 1)->setChecked(false);
            Item(k + 1)->actionGroup()->setExclusive(true);
        }
    Item(13)->setChecked(FRuler->SurfaceType() == stGradient);
    bool anyScheme = false;
    for (int i = 15; i <= 17; ++i) {
        const TRulerScheme s = RulerScheme(100 + i - 15);
        const bool match = ColorToRGB(FRuler->Color()) == ColorToRGB(s.Color) &&
                           ColorToRGB(FRuler->GradientColor()) == ColorToRGB(s.GradientColor);
        Item(i)->setChecked(match);
        anyScheme = anyScheme || match;
    }
    Item(14)->setChecked(!anyScheme);
}

void TRulerMenu::ApplyScheme(int tag)
{
    const TRulerScheme s = RulerScheme(tag);
    FRuler->SetColor(s.Color);
    FRuler->SetGradientColor(s.GradientColor);
}

void TRulerMenu::PickColours()
{
    THexColorDialog dialog(FRuler);
    dialog.CustomColorsFile = CustomColorsFile;
    dialog.Title = QStringLiteral("Ange bakgrundsfärg");
    dialog.BtnCaption = QStringLiteral("Ange");
    dialog.CurrentColor = ColorToRGB(FRuler->Color());
    if (dialog.Execute()) FRuler->SetColor(dialog.CurrentColor);
    dialog.Title = QStringLiteral("Ange gradient bakgrundsfärg");
    dialog.CurrentColor = ColorToRGB(FRuler->GradientColor());
    if (dialog.Execute()) FRuler->SetGradientColor(dialog.CurrentColor);
}
