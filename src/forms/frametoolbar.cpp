#include "forms/frametoolbar.h"

#include "forms/pictures.h"

#include <QAction>
#include <QActionEvent>
#include <QEvent>
#include <QLayout>

FrameToolBar::FrameToolBar(QWidget *parent) : QToolBar(parent)
{
    applyMargin();
}

void FrameToolBar::setMargin(int margin)
{
    m_margin = margin;
    applyMargin();
}

void FrameToolBar::setButtonSize(const QSize &size)
{
    m_buttonSize = size;
    for (QAction *action : actions())
        fitButton(action);
}

bool FrameToolBar::event(QEvent *event)
{
    const bool handled = QToolBar::event(event);
    if (event->type() == QEvent::StyleChange) applyMargin();
    if (event->type() == QEvent::PaletteChange)
        for (QAction *action : actions())
            drawPicture(action);
    return handled;
}

void FrameToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event); // makes the button
    if (event->type() != QEvent::ActionAdded) return;
    QAction *action = event->action();
    const QString key = action->property("buttonKey").toString();
    if (QWidget *button = widgetForAction(action); button && !key.isEmpty()) {
        button->setObjectName(key);
        button->setAccessibleName(key);
    }
    fitButton(action);
    drawPicture(action);
}

void FrameToolBar::applyMargin()
{
    layout()->setContentsMargins(m_margin, m_margin, m_margin, m_margin);
}

void FrameToolBar::fitButton(QAction *action)
{
    if (action->isSeparator() || !m_buttonSize.isValid()) return;
    if (QWidget *button = widgetForAction(action)) button->setFixedSize(m_buttonSize);
}

void FrameToolBar::drawPicture(QAction *action)
{
    const QString key = action->property("imageKey").toString();
    if (!key.isEmpty()) action->setIcon(pictures::toolbarIcon(key, palette()));
}
