#include "forms/margintoolbar.h"

#include <QEvent>
#include <QLayout>

MarginToolBar::MarginToolBar(QWidget *parent) : QToolBar(parent)
{
    applyMargin();
}

void MarginToolBar::setMargin(int margin)
{
    m_margin = margin;
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
