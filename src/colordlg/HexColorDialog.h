#pragma once
// The way into the colour dialog: set CurrentColor, Title and BtnCaption, call Execute. Each
// call builds a fresh window (so the custom colours are read anew), shows it modally and
// destroys it. True means the user confirmed, and CurrentColor holds the choice; false leaves
// CurrentColor as it was.
#include "platform/Color.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class Thexcolor;

class THexColorDialog : public QObject {
    Q_OBJECT
public:
    explicit THexColorDialog(QObject* owner = nullptr);

    TColor CurrentColor = clBlack; // plain RGB in and out
    QString Title;
    QString BtnCaption;
    // Where the custom colours are kept; CustomColors.dat beside the executable unless set.
    std::string CustomColorsFile;

    bool Execute();

    // The window of the Execute that is running (nullptr otherwise).
    Thexcolor* Window() const { return FWindow; }

private:
    Thexcolor* FWindow = nullptr; // lives only while Execute runs
};
