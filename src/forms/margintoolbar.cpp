#include "forms/margintoolbar.h"

#include <QEvent>
#include <QLayout>

MarginToolBar::MarginToolBar(int margin, QWidget *parent) : QToolBar(parent), m_margin(margin)
{
    applyMargin();
}

bool MarginToolBar::event(QEvent *event)
{
    const bool handled = QToolBar::event(event);
    if (event->type() == QEvent::StyleChange) applyMargin();
    return handled;
}

void MarginToolBar::applyMargin()
{
    layout()->setContentsMargins(m_margin, m_margin, m_margin, m_margin);
}
