#include "forms/modalbox.h"

#include <QApplication>
#include <QWidget>

bool isBehindModalBox(const QWidget *widget)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && widget && modal != widget && !modal->isAncestorOf(widget);
}
