#pragma once
// A shown, active window holding the dialog's strip (488 x 30) and field (488 x 201), with
// recorders for their events.
#include "colordlg/ColorBrightness.h"
#include "colordlg/ColorMap.h"
#include "colordlg/ColorModel.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

struct PointReport {
    TPoint Point;
    TColor Color;
};

struct PickerHost {
    QWidget Window;
    TColorMap* Map = new TColorMap(&Window);
    TColorBrightness* Field = new TColorBrightness(&Window);
    QLineEdit* Other = new QLineEdit(&Window);
    std::vector<PointReport> MapReports, FieldReports;

    PickerHost()
    {
        Window.resize(520, 340);
        Map->setGeometry(8, 24, 488, 30);
        Field->setGeometry(8, 80, 488, 201);
        Other->setGeometry(8, 300, 100, 20);
        Map->OnPointChange = [this](QObject* s, TPoint p, TColor c) {
            EXPECT_EQ(s, Map);
            MapReports.push_back({p, c});
        };
        Field->OnPointChange = [this](QObject* s, TPoint p, TColor c) {
            EXPECT_EQ(s, Field);
            FieldReports.push_back({p, c});
        };
        Window.show();
        QApplication::setActiveWindow(&Window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
        Other->setFocus();
    }
    static TColor Px(TColorPicker* p, int x, int y) { return p->Canvas().GetPixel(x, y); }
};
