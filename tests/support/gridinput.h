#pragma once
// Clicking the dots of a grid surface as a person does, with real mouse events
// at the dot's centre.
#include "grid/dotgridview.h"

#include <QTest>

inline QPoint dotCentre(const DotGridView *view, int dot)
{
    return view->dotRect(dot).topLeft() + QPoint(8, 8);
}

inline void clickDot(DotGridView *view, int dot)
{
    QTest::mouseClick(view, Qt::LeftButton, {}, dotCentre(view, dot));
}

// A person's double-click: the click of the first press, then the double-click
// and its release.
inline void doubleClickDot(DotGridView *view, int dot)
{
    clickDot(view, dot);
    QTest::mouseDClick(view, Qt::LeftButton, {}, dotCentre(view, dot));
    QTest::mouseRelease(view, Qt::LeftButton, {}, dotCentre(view, dot));
}
