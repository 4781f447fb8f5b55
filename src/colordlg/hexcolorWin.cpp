#include "colordlg/hexcolorWin.h"

#include "colordlg/ColorModel.h"
#include "colordlg/CustomColorsFile.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/Sound.h"
#include "platform/Win1252.h"

#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QWidgetAction>

namespace {
// A hint as the window stores it, "|" and the long text: the long text is what a person
// sees, as the control's tooltip and status tip.
void SetHint(QWidget* w, const QString& hint)
{
    const QString longHint = hint.section(u'|', 1);
    w->setProperty("hint", hint);
    w->setToolTip(longHint);
    w->setStatusTip(longHint);
}

void SetHint(QAction* a, const QString& hint)
{
    const QString longHint = hint.section(u'|', 1);
    a->setProperty("hint", hint);
    a->setToolTip(longHint);
    a->setStatusTip(longHint);
}

template <typename W> W* Make(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* l = Make<QLabel>(parent, name);
    l->setText(text);
    l->adjustSize();
    l->move(left, top);
    return l;
}

// A label that keeps its right edge where the layout puts it, whatever its text.
QLabel* MakeRightLabel(QWidget* parent, const char* name, const QString& text, int right, int top, int width = 48)
{
    auto* l = Make<QLabel>(parent, name);
    l->setText(text);
    l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    l->setGeometry(right - width, top, width, l->sizeHint().height());
    return l;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* b = Make<QPushButton>(parent, name);
    b->setText(caption);
    b->setAutoDefault(false);
    Place(b, left, top, width, height);
    return b;
}

// A label's caption as screen readers say it: without its mnemonic's "&" and its colon.
QString Spoken(const QString& caption)
{
    QString s = caption;
    s.remove(u'&');
    if (s.endsWith(u':')) s.chop(1);
    return s;
}

QFont CourierNew8()
{
    QFont f(QStringLiteral("Courier New"));
    f.setPixelSize(11);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    return f;
}

QString Hex(TColor c) { return QString::fromLatin1(ColorToHex(c)); }
} // namespace

QImage SatImage(TColor color)
{
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(Qt::black);
    const TColor c = ColorToRGB(color);
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x) img.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
    return img;
}

void TColorSwatch::SetColor(TColor c)
{
    FColor = c;
    update();
}

void TColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(FColor));
}

void THexEdit::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    // A click places the caret where it lands; any other way in selects the whole code.
    if (e->reason() != Qt::MouseFocusReason) selectAll();
}

Thexcolor::Thexcolor(QWidget* owner, std::string customColorsPath)
    : TForm(owner), FCustomColorsPath(std::move(customColorsPath))
{
    setObjectName("hexcolor");
    setWindowTitle(QStringLiteral("Färg"));
    SetClientSize(623, 501);
    SetFixedFrame(true);
    setBackgroundRole(QPalette::Button);

    PickStandardColor = [](QWidget* dialogOwner, TColor initial) -> std::optional<TColor> {
        QColorDialog dialog(ToQColor(initial), dialogOwner);
        dialog.setWindowModality(Qt::ApplicationModal);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return FromQColor(dialog.selectedColor());
    };

    BuildButtons();
    PageControl1 = Make<QTabWidget>(this, "PageControl1");
    Place(PageControl1, 8, 8, 512, 321);
    SetAnchors(PageControl1, akLeft | akTop | akRight);
    BuildColourMapPage();
    BuildWebPage();
    BuildCustomPage();
    PageControl1->setCurrentIndex(0);
    BuildRgbGroup();

    // Moving over the page control, the web page or the hover label clears the hover code.
    for (QWidget* w : {static_cast<QWidget*>(PageControl1), static_cast<QWidget*>(PageControl1->tabBar()), ColWeb,
                       static_cast<QWidget*>(CurrentHover)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    setTabOrder(PageControl1, btnInsert);
    setTabOrder(btnInsert, btnCopy);
    setTabOrder(btnCopy, btnMore);
    setTabOrder(btnMore, btnClose);
    setTabOrder(btnClose, vhex);
    setTabOrder(vhex, sRed);
    setTabOrder(sRed, sGreen);
    setTabOrder(sGreen, sBlue);
    setTabOrder(sBlue, vred);
    setTabOrder(vred, vgreen);
    setTabOrder(vgreen, vblue);

    connect(this, &QDialog::finished, this, [this] { FormClose(); });
    CenterOnScreen();
    FormCreate();
}

Thexcolor::~Thexcolor() = default;

void Thexcolor::BuildButtons()
{
    btnInsert = MakeButton(this, "btnInsert", QStringLiteral("&Infoga kod"), 535, 32, 75, 25);
    btnCopy = MakeButton(this, "btnCopy", QStringLiteral("&Kopiera kod"), 535, 64, 75, 25);
    btnMore = MakeButton(this, "btnMore", QStringLiteral("&WCP..."), 535, 96, 75, 25);
    btnClose = MakeButton(this, "btnClose", QStringLiteral("&Stäng"), 535, 128, 75, 25);
    SetHint(btnInsert, QStringLiteral("|Infogar den hexadecimala färgkoden."));
    SetHint(btnCopy, QStringLiteral("|Kopierar den hexadecimala färgkoden till urklipp."));
    SetHint(btnMore, QStringLiteral("|Öppnar Windows färgvalsdialog."));
    SetHint(btnClose, QStringLiteral("|Stänger dialogrutan."));
    SetDefaultButton(btnInsert);
    SetButtonResult(btnInsert, mrOk);
    SetCancelButton(btnClose);
    connect(btnCopy, &QPushButton::clicked, this, [this] { btnCopyClick(); });
    connect(btnMore, &QPushButton::clicked, this, [this] { btnMoreClick(); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });

    realcolor = Make<TColorSwatch>(this, "realcolor");
    Place(realcolor, 535, 176, 75, 49);
    Bevel1 = Make<QFrame>(this, "Bevel1");
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    Place(Bevel1, 535, 176, 75, 49);
    SetHint(Bevel1, QStringLiteral("|Visar aktuell färg."));

    vhex = Make<THexEdit>(this, "vhex");
    Place(vhex, 535, 232, 75, 15);
    vhex->setText(QStringLiteral("#000000"));
    vhex->setAlignment(Qt::AlignCenter);
    vhex->setFrame(false);
    vhex->setFont(CourierNew8());
    vhex->setTextMargins(0, 0, 0, 0);
    QPalette pal = vhex->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    vhex->setPalette(pal);
    SetHint(vhex, QStringLiteral("|Anger färgens hexadecimala kod."));
    // No label names the field; the dialog calls the colour it holds the current colour, and a
    // screen reader starts here, where the focus is when the dialog opens.
    vhex->setAccessibleName(QStringLiteral("Aktuell färg"));
    connect(vhex, &QLineEdit::textChanged, this, [this] { AssignFromHex(); });

    for (QWidget* w : {static_cast<QWidget*>(btnInsert), static_cast<QWidget*>(btnCopy),
                       static_cast<QWidget*>(btnMore), static_cast<QWidget*>(btnClose),
                       static_cast<QWidget*>(realcolor), static_cast<QWidget*>(Bevel1), static_cast<QWidget*>(vhex)})
        SetAnchors(w, akTop | akRight);
}

void Thexcolor::BuildColourMapPage()
{
    ColMap = Make<QWidget>(nullptr, "ColMap");
    PageControl1->addTab(ColMap, QStringLiteral("Färgkarta"));
    Label8 = MakeLabel(ColMap, "Label8", QStringLiteral("Nyans:"), 8, 8);
    WavelengthLabel = MakeRightLabel(ColMap, "WavelengthLabel", QStringLiteral("0"), 65, 8, 28);

    ColorMap = Make<TColorMap>(ColMap, "ColorMap");
    Place(ColorMap, 8, 24, 488, 30);
    ColorMap->setCursor(Qt::ArrowCursor);
    ColorMap->SetCurrentPointX(0);
    ColorMap->SetCurrentPointY(0);
    ColorMap->SetMapDimension(md1D);
    SetHint(ColorMap, QStringLiteral("|Anger färgens nyans."));
    ColorMap->SetAxisNames(Spoken(Label8->text()), {});

    Label4 = MakeLabel(ColMap, "Label4", QStringLiteral("Originalfärg:"), 8, 64);
    OriginalColorLabel = MakeLabel(ColMap, "OriginalColorLabel", QStringLiteral("#000000"), 74, 64);
    OriginalColorLabel->setMinimumWidth(56);
    Label9 = MakeLabel(ColMap, "Label9", QStringLiteral("Ljusstyrka:"), 136, 64);
    BrightnessLabel = MakeRightLabel(ColMap, "BrightnessLabel", QStringLiteral("0"), 208, 64, 22);
    Label12 = MakeLabel(ColMap, "Label12", QStringLiteral("Mättnad:"), 232, 64);
    GraynessLabel = MakeRightLabel(ColMap, "GraynessLabel", QStringLiteral("0"), 298, 64, 22);
    lblIsRendering = MakeRightLabel(ColMap, "lblIsRendering", QStringLiteral("Renderar..."), 495, 64, 80);
    lblIsRendering->hide();

    ColorBrightness = Make<TColorBrightness>(ColMap, "ColorBrightness");
    Place(ColorBrightness, 8, 80, 488, 201);
    ColorBrightness->SetCurrentPointX(0);
    ColorBrightness->SetCurrentPointY(0);
    ColorBrightness->SetMapDimension(md2D);
    ColorBrightness->SetSpeedUpdate(true);
    ColorBrightness->SetOriginalColor(RGB(255, 0, 0));
    SetHint(ColorBrightness, QStringLiteral("|Anger färgens ljusstyrka och mättnad."));
    // A group of two sliders, named as the two numbers above it.
    ColorBrightness->SetAxisNames(Spoken(Label9->text()), Spoken(Label12->text()));
    ColorBrightness->setAccessibleName(Spoken(Label9->text()) + QStringLiteral(" och ") +
                                       Spoken(Label12->text()).toLower());

    // The handlers come last, as a loaded window binds them after its property values.
    ColorMap->OnPointChange = [this](QObject* s, TPoint p, TColor c) { ColorMapPointChange(s, p, c); };
    ColorBrightness->OnPointChange = [this](QObject* s, TPoint p, TColor c) { colorBrightnessPointChange(s, p, c); };
    ColorBrightness->OnBeginRender = [this](QObject* s) { ColorBrightnessBeginRender(s); };
    ColorBrightness->OnDoneRender = [this](QObject* s) { ColorBrightnessDoneRender(s); };
    BuildColorMapPopup();
    BuildColorBrightnessPopup();
}

void Thexcolor::BuildWebPage()
{
    ColWeb = Make<QWidget>(nullptr, "ColWeb");
    PageControl1->addTab(ColWeb, QStringLiteral("Webbfärger"));
    CurrentHover = Make<QLabel>(ColWeb, "CurrentHover");
    CurrentHover->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Place(CurrentHover, 416, 0, 78, 13);
    WebSafePal1 = Make<TWebSafePal>(ColWeb, "WebSafePal1");
    Place(WebSafePal1, 12, 15, 482, 263);
    WebSafePal1->SetFrameStyle(fsInset);
    WebSafePal1->SetCols(24);
    WebSafePal1->SetRows(9);
    SetHint(WebSafePal1, QStringLiteral("|Visar alla webbsäkra färger."));
    WebSafePal1->setAccessibleName(PageControl1->tabText(PageControl1->indexOf(ColWeb)));
    WebSafePal1->OnPicColor = [this](QObject* s, TColor c) { WebSafePal1PicColor(s, c); };
    WebSafePal1->OnMouseOverColor = [this](QObject* s, TColor c) { WebSafePal1MouseOverColor(s, c); };
}

void Thexcolor::BuildCustomPage()
{
    ColOwn = Make<QWidget>(nullptr, "ColOwn");
    // The page's designed size, so the anchored list keeps its designed distances to the
    // page's edges whatever size the style gives the page.
    ColOwn->resize(504, 293);
    PageControl1->addTab(ColOwn, QStringLiteral("Anpassade färger"));
    CustomColors = Make<QListWidget>(ColOwn, "CustomColors");
    Place(CustomColors, 16, 16, 472, 193);
    SetAnchors(CustomColors, akLeft | akTop | akRight | akBottom);
    CustomColors->setFont(CourierNew8());
    // Six columns filled top to bottom, rows 14 pixels high.
    CustomColors->setFlow(QListView::TopToBottom);
    CustomColors->setWrapping(true);
    CustomColors->setResizeMode(QListView::Adjust);
    CustomColors->setUniformItemSizes(true);
    CustomColors->setGridSize(QSize((472 - 4) / 6, 14));
    CustomColors->setSelectionMode(QAbstractItemView::SingleSelection);
    SetHint(CustomColors, QStringLiteral("|Listar alla sparade färger."));
    connect(CustomColors, &QListWidget::itemSelectionChanged, this, [this] {
        if (!FSelectingInCode) CustomColorsChange();
    });
    connect(CustomColors, &QListWidget::itemClicked, this, [this] { CustomColorsChange(); });

    cst2 = Make<QGroupBox>(ColOwn, "cst2");
    cst2->setTitle(QStringLiteral("Lägg till/ta bort"));
    Place(cst2, 16, 224, 473, 57);
    SaveCustom = MakeButton(cst2, "SaveCustom", QStringLiteral("L&ägg till aktuell färg: #000000"), 26, 24, 197, 21);
    DelCustom = MakeButton(cst2, "DelCustom", QStringLiteral("&Ta bort markerad anpassad färg"), 250, 24, 197, 21);
    DelCustom->setEnabled(false);
    SetHint(SaveCustom, QStringLiteral("|Sparar aktuell färg."));
    SetHint(DelCustom, QStringLiteral("|Tar bort den markerade färgen."));
    connect(SaveCustom, &QPushButton::clicked, this, [this] { AddCustomColor(); });
    connect(DelCustom, &QPushButton::clicked, this, [this] { DelCustomColor(); });
}

void Thexcolor::BuildRgbGroup()
{
    TabControl1 = Make<QFrame>(this, "TabControl1");
    TabControl1->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Place(TabControl1, 8, 344, 513, 145);
    Panel2 = Make<QGroupBox>(TabControl1, "Panel2");
    Panel2->setTitle(QStringLiteral("RGB"));
    Place(Panel2, 16, 16, 481, 113);
    SetAnchors(Panel2, akLeft | akTop | akRight | akBottom);
    Panel2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Panel2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { RCPopup->popup(Panel2->mapToGlobal(p)); });

    struct Channel {
        const char *Label, *Slider, *Edit;
        QString Caption, Hint;
        int LabelTop, SliderTop, EditTop;
    };
    const Channel channels[] = {
        {"Label1", "sRed", "vred", QStringLiteral("&Röd:"), QStringLiteral("|Anger färgens värde för rött."), 27, 23, 27},
        {"Label2", "sGreen", "vgreen", QStringLiteral("&Grön:"), QStringLiteral("|Anger färgens värde för grönt."), 50, 47, 51},
        {"Label3", "sBlue", "vblue", QStringLiteral("&Blå:"), QStringLiteral("|Anger färgens värde för blått."), 74, 71, 75},
    };
    QLabel* labels[3];
    QSlider* sliders[3];
    TIntegerEdit* edits[3];
    for (int i = 0; i < 3; ++i) {
        const Channel& ch = channels[i];
        labels[i] = MakeRightLabel(Panel2, ch.Label, ch.Caption, 42, ch.LabelTop, 36);
        sliders[i] = Make<QSlider>(Panel2, ch.Slider);
        sliders[i]->setOrientation(Qt::Horizontal);
        sliders[i]->setRange(0, 255);
        sliders[i]->setPageStep(51);
        sliders[i]->setSingleStep(1);
        sliders[i]->setTickInterval(51);
        sliders[i]->setTickPosition(QSlider::TicksBelow);
        Place(sliders[i], 56, ch.SliderTop, 374, 28);
        SetAnchors(sliders[i], akLeft | akTop | akRight);
        SetHint(sliders[i], ch.Hint);
        labels[i]->setBuddy(sliders[i]);
        // The group's title would name all three boxes alike; each is named by its colour.
        sliders[i]->setAccessibleName(Spoken(ch.Caption));
        edits[i] = Make<TIntegerEdit>(Panel2, ch.Edit);
        edits[i]->Min = 0;
        edits[i]->Max = 255;
        edits[i]->setMaxLength(3);
        edits[i]->setText(QStringLiteral("0"));
        Place(edits[i], 440, ch.EditTop, 27, 21);
        SetAnchors(edits[i], akTop | akRight);
        SetHint(edits[i], ch.Hint);
        edits[i]->setAccessibleName(Spoken(ch.Caption));
        connect(sliders[i], &QSlider::valueChanged, this, [this] { RgbScrollChange(); });
        edits[i]->OnChange = [this](QObject*) { RgbValueChange(); };
    }
    Label1 = labels[0], Label2 = labels[1], Label3 = labels[2];
    sRed = sliders[0], sGreen = sliders[1], sBlue = sliders[2];
    vred = edits[0], vgreen = edits[1], vblue = edits[2];
    BuildRcPopup();
}

void Thexcolor::BuildColorMapPopup()
{
    ColorMapPopup = Make<QMenu>(this, "ColorMapPopup");
    QAction* heading = ColorMapPopup->addAction(QStringLiteral("Nyans"));
    heading->setEnabled(false);
    ColorMapPopup->addSeparator();
    struct Hue {
        QString Caption;
        int Tag;
        TColor Color;
    };
    const Hue hues[] = {{QStringLiteral("&Röd"), 485, RGB(255, 0, 0)},     {QStringLiteral("G&ul"), 69, RGB(255, 255, 0)},
                        {QStringLiteral("&Grön"), 146, RGB(0, 255, 0)},    {QStringLiteral("&Akva"), 237, RGB(0, 255, 255)},
                        {QStringLiteral("&Blå"), 313, RGB(0, 0, 255)},     {QStringLiteral("&Violett"), 395, RGB(255, 0, 255)}};
    for (const Hue& h : hues) {
        QAction* a = ColorMapPopup->addAction(QIcon(QPixmap::fromImage(SatImage(h.Color))), h.Caption);
        a->setData(h.Tag);
        const int tag = h.Tag;
        connect(a, &QAction::triggered, this, [this, tag] { SetColorWavelength(tag); });
    }
    ColorMap->SetPopupMenu(ColorMapPopup);
}

void Thexcolor::BuildColorBrightnessPopup()
{
    // Two columns side by side in one pop-up: each column is a menu shown inside it.
    ColorBrightnessPopup = Make<QMenu>(this, "ColorBrightnessPopup");
    auto* holder = new QWidget(ColorBrightnessPopup);
    auto* row = new QHBoxLayout(holder);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto column = [&](const char* name) {
        auto* m = new QMenu(holder);
        m->setObjectName(QString::fromLatin1(name));
        m->setWindowFlags(Qt::Widget);
        m->setAttribute(Qt::WA_NoMouseReplay);
        row->addWidget(m, 0, Qt::AlignTop);
        connect(m, &QMenu::triggered, ColorBrightnessPopup, &QMenu::close);
        return m;
    };
    QMenu* brightness = column("BrightnessColumn");
    QMenu* saturation = column("SaturationColumn");
    auto add = [&](QMenu* to, const QString& caption, int tag, std::function<void()> run) {
        auto* a = new QAction(caption, ColorBrightnessPopup);
        a->setData(tag);
        connect(a, &QAction::triggered, this, std::move(run));
        to->addAction(a);
        return a;
    };
    auto heading = [&](QMenu* to, const QString& caption) {
        auto* a = new QAction(caption, ColorBrightnessPopup);
        a->setEnabled(false);
        to->addAction(a);
        to->addSeparator();
    };
    heading(brightness, QStringLiteral("Ljusstyrka"));
    for (int tag : {0, 25, 50, 75, 100, 125, 150, 175})
        add(brightness, QString::number(tag) + u'%', tag, [this, tag] { setBrightness(tag); });
    add(brightness, QStringLiteral("200%"), 200, [this] { SetBrightness200(); });
    heading(saturation, QStringLiteral("Mättnad"));
    add(saturation, QStringLiteral("0%"), 0, [this] { SetGrayness0(); });
    for (int tag : {25, 50, 75, 100})
        add(saturation, QString::number(tag) + u'%', tag, [this, tag] { setGrayness(tag); });
    auto* holderAction = new QWidgetAction(ColorBrightnessPopup);
    holderAction->setDefaultWidget(holder);
    ColorBrightnessPopup->addAction(holderAction);
    ColorBrightness->SetPopupMenu(ColorBrightnessPopup);
}

void Thexcolor::BuildRcPopup()
{
    RCPopup = Make<QMenu>(this, "RCPopup");
    RCPopup->setToolTipsVisible(true);
    QAction* inv = RCPopup->addAction(QStringLiteral("Invertera färg"));
    SetHint(inv, QStringLiteral("|Inverterar färgens värden för rött, grönt och blått (R=FF-R; G=FF-G; B=FF-B)."));
    connect(inv, &QAction::triggered, this, [this] { InvRC(); });
    QAction* safe = RCPopup->addAction(QStringLiteral("Avrunda till säkra byten"));
    SetHint(safe, QStringLiteral("|Avrundar färgens värden för rött, grönt och blått till det närmaste webbsäkra värdet (33, "
                                 "66, 99, CC, FF)."));
    connect(safe, &QAction::triggered, this, [this] { MakeWebSafe(); });
    RCPopup->addSeparator();
    QAction* cart = RCPopup->addAction(QStringLiteral("Visa karta på aktuell färg"));
    SetHint(cart, QStringLiteral("|Visar karta på ljusstyrka och mättnad av den aktuella färgen (istället för en ren nyans)."));
    connect(cart, &QAction::triggered, this, [this] { ProgramCart(); });
}

void Thexcolor::SetCurrentColor(TColor c)
{
    realcolor->SetColor(c & 0xFFFFFF);
    if (!FUpdating) UpdateAll();
}

void Thexcolor::btnCopyClick() { ClipboardSetText(ColorToHex(CurrentColor())); }

void Thexcolor::btnMoreClick()
{
    // Hidden without ending the modal loop this window runs in.
    FHiddenForPicker = true;
    QWidget::setVisible(false);
    const std::optional<TColor> chosen = PickStandardColor(this, CurrentColor());
    if (chosen) SetCurrentColor(*chosen);
    QWidget::setVisible(true);
    FHiddenForPicker = false;
    activateWindow();
    raise();
    FormActivate();
}

void Thexcolor::btnCloseClick() { SetModalResult(mrCancel); }

void Thexcolor::RgbScrollChange() { SetCurrentColor(RGB(sRed->value(), sGreen->value(), sBlue->value())); }

void Thexcolor::RgbValueChange()
{
    for (TIntegerEdit* e : {vred, vgreen, vblue})
        if (e->text().isEmpty()) e->setText(QStringLiteral("0"));
    int r = 0, g = 0, b = 0;
    if (!TIntegerEdit::ToInteger(vred->text(), r) || !TIntegerEdit::ToInteger(vgreen->text(), g) ||
        !TIntegerEdit::ToInteger(vblue->text(), b)) {
        PlaySystemSound("Beep");
        return;
    }
    SetCurrentColor(RGB(r, g, b));
}

void Thexcolor::AssignFromHex()
{
    QString text = vhex->text();
    const QString joined = QString(text).remove(QStringLiteral("\r\n"));
    if (joined != text) {
        vhex->setText(joined); // runs this handler again for the joined text
        return;
    }
    if (text.size() != 7 || !text.startsWith(u'#')) return;
    std::string bytes;
    if (!Win1252FromQString(text, bytes)) return;
    try {
        SetCurrentColor(HexToColor(bytes));
    } catch (const EConvertError&) {
        // A character that is no hexadecimal digit: the colour stays.
    }
}

void Thexcolor::vhexEnter() { vhex->selectAll(); }

void Thexcolor::FormActivate()
{
    if (!FHiddenForPicker) vhex->setFocus(Qt::OtherFocusReason);
}

bool Thexcolor::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::MouseMove) ColWebMouseMove();
    return TForm::eventFilter(watched, e);
}

void Thexcolor::ColorMapPointChange(QObject*, TPoint point, TColor color)
{
    OriginalColorLabel->setText(Hex(color));
    WavelengthLabel->setText(QString::number(point.X));
    ColorBrightness->SetOriginalColor(color);
}

void Thexcolor::colorBrightnessPointChange(QObject*, TPoint point, TColor color)
{
    BrightnessLabel->setText(QString::number(point.X));
    GraynessLabel->setText(QString::number(ColorBrightness->height() - point.Y));
    SetCurrentColor(color);
}

void Thexcolor::ColorBrightnessBeginRender(QObject*)
{
    lblIsRendering->show();
    lblIsRendering->repaint();
}

void Thexcolor::ColorBrightnessDoneRender(QObject*) { lblIsRendering->hide(); }

void Thexcolor::SetColorWavelength(int tag)
{
    ColorMap->SetCurrentPointX(tag);
    ColorMap->SetCurrentPointY(1);
}

void Thexcolor::setBrightness(int tag)
{
    ColorBrightness->SetCurrentPointX(RoundHalfEven((long double)tag / 100 / 2 * ColorBrightness->width()));
}

// The field's last column and row stand for 200 % brightness and 0 % saturation: the column
// and row one past them lie outside the field.
void Thexcolor::SetBrightness200() { ColorBrightness->SetCurrentPointX(ColorBrightness->width() - 1); }

void Thexcolor::setGrayness(int tag)
{
    const int h = ColorBrightness->height();
    ColorBrightness->SetCurrentPointY(h - RoundHalfEven((long double)tag / 100 * h));
}

void Thexcolor::SetGrayness0() { ColorBrightness->SetCurrentPointY(ColorBrightness->height() - 1); }

void Thexcolor::WebSafePal1PicColor(QObject*, TColor color) { SetCurrentColor(color); }

void Thexcolor::WebSafePal1MouseOverColor(QObject*, TColor color) { CurrentHover->setText(Hex(color)); }

void Thexcolor::ColWebMouseMove() { CurrentHover->clear(); }

void Thexcolor::InvRC() { SetCurrentColor(InvertColor(CurrentColor())); }

void Thexcolor::MakeWebSafe() { SetCurrentColor(WebSafeColor(CurrentColor())); }

void Thexcolor::ProgramCart() { ColorBrightness->SetOriginalColor(CurrentColor()); }

namespace {
std::string ItemBytes(const QListWidgetItem* item) { return item->data(Qt::UserRole).toByteArray().toStdString(); }

QListWidgetItem* MakeItem(const std::string& bytes)
{
    auto* item = new QListWidgetItem(QStringFromWin1252(bytes));
    item->setData(Qt::UserRole, QByteArray::fromStdString(bytes));
    return item;
}
} // namespace

void Thexcolor::SetSelectedCustom(int row)
{
    FSelectingInCode = true;
    if (row < 0) {
        CustomColors->clearSelection();
        CustomColors->setCurrentRow(-1, QItemSelectionModel::Clear);
    } else {
        CustomColors->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    FSelectingInCode = false;
}

void Thexcolor::AddCustomColor()
{
    CustomColors->addItem(MakeItem(ColorToHex(CurrentColor())));
    SetSelectedCustom(CustomColors->count() - 1);
    if (!FUpdating) UpdateAll();
}

void Thexcolor::DelCustomColor()
{
    const QList<QListWidgetItem*> selected = CustomColors->selectedItems();
    if (!selected.isEmpty()) {
        FSelectingInCode = true;
        delete selected.first();
        FSelectingInCode = false;
    }
    if (!FUpdating) UpdateAll();
}

void Thexcolor::CustomColorsChange()
{
    const QList<QListWidgetItem*> selected = CustomColors->selectedItems();
    if (selected.isEmpty()) return;
    try {
        SetCurrentColor(HexToColor(ItemBytes(selected.first())));
    } catch (const EConvertError&) {
    }
}

void Thexcolor::FormCreate()
{
    CustomColors->clear();
    for (const std::string& item : LoadCustomColors(FCustomColorsPath)) CustomColors->addItem(MakeItem(item));
}

void Thexcolor::FormClose() { SaveCustomColorsNow(); }

void Thexcolor::SaveCustomColorsNow()
{
    std::vector<std::string> items;
    for (int i = 0; i < CustomColors->count(); ++i) items.push_back(ItemBytes(CustomColors->item(i)));
    try {
        SaveCustomColors(FCustomColorsPath, items);
    } catch (const std::exception&) {
        // The old file is still whole; the colours added now are what is lost.
        ReportError("The custom colours could not be saved. The colours added in this dialog are lost.");
    }
}

void Thexcolor::UpdateAll()
{
    FUpdating = true;
    const TColor c = CurrentColor();
    const QString code = Hex(c);
    if (vhex->text() != code) vhex->setText(code);
    vred->setText(QString::number(GetRValue(c)));
    vgreen->setText(QString::number(GetGValue(c)));
    vblue->setText(QString::number(GetBValue(c)));
    sRed->setValue(GetRValue(c));
    sGreen->setValue(GetGValue(c));
    sBlue->setValue(GetBValue(c));

    int match = -1;
    for (int i = 0; i < CustomColors->count() && match < 0; ++i)
        if (AnsiSameText(ItemBytes(CustomColors->item(i)), ColorToHex(c))) match = i;
    SaveCustom->setEnabled(match < 0);
    SaveCustom->setText(match < 0 ? QStringLiteral("L&ägg till aktuell färg: ") + code
                                  : QStringLiteral("Den aktuella färgen är redan tillagd."));
    SetSelectedCustom(match);
    DelCustom->setEnabled(!CustomColors->selectedItems().isEmpty());
    FUpdating = false;
}
