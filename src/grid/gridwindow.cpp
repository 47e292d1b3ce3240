#include "grid/gridwindow.h"

#include "forms/colours.h"
#include "forms/dialogs.h"
#include "forms/formbuilder.h"
#include "forms/imagecontrol.h"
#include "forms/picturesurface.h"
#include "forms/twips.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "logic/gridlayout.h"
#include "logic/pathdrawing.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPushButton>

#include <cstring>
#include <utility>

GridWindow::GridWindow(const forms::FormDef &def, const char *buttonAName, AppContext &ctx,
                       GridState *sharedState, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_state(sharedState ? sharedState : &m_ownState)
{
    // The built controls stand in definition order: one pass picks them up.
    const forms::BuiltForm form = forms::buildForm(def, this);
    for (size_t i = 0; i < def.controls.size(); ++i) {
        const forms::ControlDef &c = def.controls[i];
        QObject *control = form.controls[i];
        const QRectF bounds(c.left, c.top, c.width, c.height);
        const auto is = [&c](const char *name) { return std::strcmp(c.name, name) == 0; };
        if (is("imgGreen")) {
            m_imgGreen[size_t(c.index)] = qobject_cast<ImageControl *>(control);
        } else if (is("b_imgGreen")) {
            m_bImgGreen[size_t(c.index)] = qobject_cast<ImageControl *>(control);
        } else if (is("imgRed")) {
            m_imgRed = qobject_cast<ImageControl *>(control);
        } else if (is("B_imgRed")) {
            m_bImgRed = qobject_cast<ImageControl *>(control);
        } else if (is("PicA")) {
            m_picA = qobject_cast<PictureSurface *>(control);
            m_controlTwips[size_t(GridControl::PicA)] = bounds;
        } else if (is("PicB")) {
            m_picB = qobject_cast<PictureSurface *>(control);
            m_controlTwips[size_t(GridControl::PicB)] = bounds;
        } else if (is("CmdB")) {
            m_cmdB = qobject_cast<QPushButton *>(control);
            m_controlTwips[size_t(GridControl::CmdB)] = bounds;
        } else if (is(buttonAName)) {
            m_buttonA = qobject_cast<QPushButton *>(control);
            m_controlTwips[size_t(GridControl::ButtonA)] = bounds;
        }
    }
    Q_ASSERT(m_picA && m_picB && m_imgRed && m_bImgRed && m_buttonA && m_cmdB);

    for (int i = 0; i < kDotCount; ++i) {
        ImageControl *dot = m_imgGreen[size_t(i)];
        connect(dot, &ImageControl::clicked, this, &GridWindow::onDotClicked);
        connect(dot, &ImageControl::doubleClicked, this, &GridWindow::onDotDoubleClicked);
        connect(m_bImgGreen[size_t(i)], &ImageControl::clicked, this,
                &GridWindow::showReplayDotPosition);
    }
}

GridWindow::~GridWindow() = default;

ImageControl *GridWindow::imgGreen(int i) const
{
    return i >= 0 && i < kPathLength ? m_imgGreen[size_t(i)] : nullptr;
}

ImageControl *GridWindow::b_imgGreen(int i) const
{
    return i >= 0 && i < kDotCount ? m_bImgGreen[size_t(i)] : nullptr;
}

void GridWindow::load()
{
    for (int i = 0; i < kDotCount; ++i)
        forms::setToolTip(m_imgGreen[size_t(i)], QStringLiteral("Click Me"));
    m_imgGreen[kDotCount]->hide();
    m_bImgRed->hide();
    loadSettings();
    m_loaded = true;
    layOut();
}

QSizeF GridWindow::innerSizeTwips() const
{
    if (m_subWindow && m_subWindow->isMinimized()) return QSizeF(0, 0);
    return QSizeF(twips::fromPixels(width()), twips::fromPixels(height()));
}

void GridWindow::layOut()
{
    const QSizeF inner = innerSizeTwips();
    gridlayout::layOut(*this, float(inner.width()), float(inner.height()), eraseColour(),
                       [this](int colour, Sides sides) { redraw(colour, sides); });
    placeLineStart(*m_state, *this); // the dots moved: the next click joins the last one
}

void GridWindow::closeWindow()
{
    if (m_subWindow)
        m_subWindow->close();
    else
        close();
}

QRectF GridWindow::dotRect(Side side, int index) const
{
    const ImageControl *dot = side == Side::A ? imgGreen(index) : b_imgGreen(index);
    return dot ? dot->twipsGeometry() : QRectF();
}

void GridWindow::moveDot(Side side, int index, QPointF topLeft)
{
    if (ImageControl *dot = side == Side::A ? imgGreen(index) : b_imgGreen(index))
        dot->moveTwips(topLeft);
}

void GridWindow::setDotPicture(Side side, int index, DotPicture picture)
{
    ImageControl *dot = side == Side::A ? imgGreen(index) : b_imgGreen(index);
    if (!dot) return;
    // The red picture comes from imgRed, the green one from the spare dot.
    dot->setPicture(picture == DotPicture::Red ? m_imgRed->picture()
                                               : m_imgGreen[kDotCount]->picture());
}

void GridWindow::drawLine(Side side, QPointF from, QPointF to, int consoleColour)
{
    PictureSurface *surface = side == Side::A ? m_picA : m_picB;
    surface->drawLine(from, to,
                      consoleColour == eraseColour() ? surface->backColor()
                                                     : colours::console(consoleColour));
}

void GridWindow::clearSurface(Side side)
{
    (side == Side::A ? m_picA : m_picB)->clear();
}

QRectF GridWindow::controlRect(GridControl c) const
{
    return m_controlTwips[size_t(c)];
}

void GridWindow::setControlRect(GridControl c, const QRectF &r)
{
    if (r.width() < 0 || r.height() < 0) return; // refused, as the toolkit refuses a negative size
    m_controlTwips[size_t(c)] = r;
    QWidget *w = nullptr;
    switch (c) {
    case GridControl::PicA:
        w = m_picA;
        break;
    case GridControl::PicB:
        w = m_picB;
        break;
    case GridControl::ButtonA:
        w = m_buttonA;
        break;
    case GridControl::CmdB:
        w = m_cmdB;
        break;
    }
    w->setGeometry(twips::toPixels(r));
}

void GridWindow::setRedImageVisible(Side side, bool visible)
{
    (side == Side::A ? m_imgRed : m_bImgRed)->setVisible(visible);
}

void GridWindow::onDotClicked(int index)
{
    m_lastClickRecorded = recordClick(*m_state, *this, index);
}

void GridWindow::onDotDoubleClicked(int index)
{
    unrecordClick(*m_state, *this, index, std::exchange(m_lastClickRecorded, false), eraseColour());
}

void GridWindow::showReplayDotPosition(int index)
{
    m_ctx.dialogs.message(this, dotPositionText(dotRect(Side::B, index)));
}

void GridWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_loaded && !m_closed) layOut();
}

void GridWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        clearPath(*m_state);
    }
    event->accept(); // the window always closes
}

bool GridWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ParentChange) followSubWindow();
    return QWidget::event(event);
}

void GridWindow::followSubWindow()
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (sub == m_subWindow) return;
    if (m_subWindow) disconnect(m_subWindow, nullptr, this, nullptr);
    m_subWindow = sub;
    if (sub)
        connect(sub, &QMdiSubWindow::windowStateChanged, this, &GridWindow::subWindowStateChanged);
}

void GridWindow::subWindowStateChanged(Qt::WindowStates oldState, Qt::WindowStates newState)
{
    // Minimising and restoring change the inner size as the layout sees it,
    // though the hidden client widget may get no resize event of its own.
    if ((oldState ^ newState).testFlag(Qt::WindowMinimized) && m_loaded && !m_closed) layOut();
}
