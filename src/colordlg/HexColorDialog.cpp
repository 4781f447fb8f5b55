#include "colordlg/HexColorDialog.h"

#include "colordlg/CustomColorsFile.h"
#include "colordlg/hexcolorWin.h"

#include <QApplication>
#include <memory>

THexColorDialog::THexColorDialog(QObject* owner) : QObject(owner) {}

bool THexColorDialog::Execute()
{
    QWidget* ownerWidget = qobject_cast<QWidget*>(parent());
    if (!ownerWidget) ownerWidget = QApplication::activeWindow();
    const std::string path = CustomColorsFile.empty() ? CustomColorsPath() : CustomColorsFile;
    auto window = std::make_unique<Thexcolor>(ownerWidget ? ownerWidget->window() : nullptr, path);
    FWindow = window.get();
    window->setWindowTitle(Title);
    window->btnInsert->setText(BtnCaption);
    window->SetCurrentColor(ColorToRGB(CurrentColor));
    window->CenterOnScreen();
    const bool ok = window->ShowModal() == mrOk;
    if (ok) CurrentColor = window->CurrentColor();
    FWindow = nullptr;
    return ok;
}
