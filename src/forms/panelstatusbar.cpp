#include "forms/panelstatusbar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSizeGrip>

PanelStatusBar::PanelStatusBar(QWidget *parent)
    : QStatusBar(parent), m_row(new QWidget(this)), m_panels(new QHBoxLayout)
{
    setSizeGripEnabled(false); // the row holds the grip
    auto *row = new QHBoxLayout(m_row);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    m_panels->setContentsMargins(2, 1, 0, 1);
    m_panels->setSpacing(6);
    row->addLayout(m_panels, 1);
    // The grip reaches to the bar's bottom edge; it is no higher than one line.
    row->addWidget(new QSizeGrip(m_row), 0, Qt::AlignRight | Qt::AlignBottom);
}

void PanelStatusBar::setDefinedHeight(int pixels)
{
    m_definedHeight = pixels;
    updateGeometry();
}

QLabel *PanelStatusBar::addPanel(int minWidth, int stretch)
{
    auto *panel = new QLabel(m_row);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(minWidth);
    m_panels->addWidget(panel, stretch);
    return panel;
}

QSize PanelStatusBar::withDefinedHeight(QSize size) const
{
    return size.expandedTo(QSize(0, m_definedHeight));
}

QSize PanelStatusBar::sizeHint() const
{
    return withDefinedHeight(m_row->sizeHint());
}

QSize PanelStatusBar::minimumSizeHint() const
{
    return withDefinedHeight(m_row->minimumSizeHint());
}

void PanelStatusBar::resizeEvent(QResizeEvent *event)
{
    QStatusBar::resizeEvent(event);
    m_row->setGeometry(rect());
}
