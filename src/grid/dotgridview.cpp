#include "grid/dotgridview.h"

#include "forms/lastinput.h"
#include "forms/modalbox.h"
#include "forms/twips.h"
#include "logic/gridmodel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <utility>

DotGridView::DotGridView(GridModel &model, Side side, QWidget *parent)
    : QWidget(parent), m_model(model), m_side(side), m_surface(model, side)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the pointing hand over dots
    m_heardPath = m_model.pathDots(m_side);
    connect(&m_model, &GridModel::changed, this, &DotGridView::onChanged);
    connect(&m_model, &GridModel::dotChanged, this, &DotGridView::onDotChanged);
    connect(&m_model, &GridModel::laidOut, this, &DotGridView::onLaidOut);
}

DotGridView::~DotGridView() = default;

void DotGridView::setBackground(const colours::Fill &fill)
{
    m_background = fill;
    update();
}

void DotGridView::setLineWidth(int pixels)
{
    m_lineWidth = std::max(pixels, 1);
    update();
}

void DotGridView::setDotToolTip(int index, const QString &tip)
{
    if (index >= 0 && index < kDotCount) m_tips[size_t(index)] = tip;
}

QString DotGridView::dotToolTip(int index) const
{
    return index >= 0 && index < kDotCount ? m_tips[size_t(index)] : QString();
}

QRect DotGridView::dotRect(int index) const
{
    return m_surface.dotRect(index);
}

int DotGridView::dotAt(QPoint p) const
{
    const auto &order = m_surface.stackOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (dotRect(*it).contains(p)) return *it;
    return -1;
}

bool DotGridView::focusRingShown() const
{
    return !m_renderingImage && hasFocus() && m_keyboardUsed;
}

QColor DotGridView::backgroundColour() const
{
    return m_background.resolve(palette());
}

namespace {
// The desktop's palette tells: a grid window sets its own window colour.
bool highContrast()
{
    return colours::isHighContrast(QApplication::palette());
}
double wantedContrast()
{
    return highContrast() ? 4.5 : 3.0;
}
} // namespace

QColor DotGridView::pathColour() const
{
    return colours::standingOut(colours::pathColour(), backgroundColour(), wantedContrast());
}

QColor DotGridView::outlineColour() const
{
    return colours::standingOut(Qt::black, backgroundColour(), wantedContrast());
}

int DotGridView::drawnLineWidth() const
{
    return highContrast() ? std::max(m_lineWidth, 2) : m_lineWidth;
}

SurfaceLook DotGridView::look() const
{
    SurfaceLook look;
    look.background = backgroundColour();
    look.path = pathColour();
    look.outline = outlineColour();
    look.lineWidth = drawnLineWidth();
    return look;
}

QImage DotGridView::image() const
{
    QImage out(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    out.fill(backgroundColour());
    auto *self = const_cast<DotGridView *>(this);
    self->m_renderingImage = true;
    self->render(&out);
    self->m_renderingImage = false;
    return out;
}

void DotGridView::press(int index)
{
    if (index < 0 || index >= kDotCount || isBehindModalBox(this)) return;
    if (m_side == Side::A)
        emit dotActivated(index);
    else // a box may have opened in the meantime
        QTimer::singleShot(0, this, [this, index] {
            if (!isBehindModalBox(this)) emit dotActivated(index);
        });
}

void DotGridView::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const SurfaceLook surface = look();
    // A whole device pixel per logical one: the defined pictures and crisp,
    // unantialiased lines. Otherwise everything at device resolution.
    // What is painted on may not be the widget: Save renders it into an image.
    const bool exact = p.paintEngine()->paintDevice()->devicePixelRatioF() == 1.0;
    m_surface.paint(p, surface, event->rect(),
                    exact ? SurfacePainter::Drawing::Pictures : SurfacePainter::Drawing::Round);

    if (focusRingShown()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(
            colours::standingOut(palette().color(QPalette::Highlight), surface.background), 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(dotRect(m_focusDot)).adjusted(-2, -2, 2, 2));
    }
}

void DotGridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    if (std::exchange(m_keyboardUsed, false)) update(ringRect(m_focusDot));
    m_pressed = dotAt(event->position().toPoint());
    if (m_pressed >= 0) moveFocusDot(m_pressed);
    event->accept();
}

void DotGridView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    // The second press of a double-click reports the double-click, not another click.
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const int pressed = std::exchange(m_pressed, -1);
    if (!endsDoubleClick && pressed >= 0 && dotRect(pressed).contains(event->position().toPoint()))
        emit dotActivated(pressed);
}

void DotGridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) return;
    const int dot = dotAt(event->position().toPoint());
    if (dot < 0) return;
    m_releaseEndsDoubleClick = true;
    emit dotDoubleClicked(dot);
}

void DotGridView::mouseMoveEvent(QMouseEvent *event)
{
    if (dotAt(event->position().toPoint()) >= 0)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
    QWidget::mouseMoveEvent(event);
}

void DotGridView::keyPressEvent(QKeyEvent *event)
{
    const int row = m_focusDot / kGridColumns, column = m_focusDot % kGridColumns;
    const auto to = [](int r, int c) {
        return std::clamp(r, 0, kGridRows - 1) * kGridColumns + std::clamp(c, 0, kGridColumns - 1);
    };
    switch (event->key()) {
    case Qt::Key_Left:
        moveFocusDot(to(row, column - 1));
        break;
    case Qt::Key_Right:
        moveFocusDot(to(row, column + 1));
        break;
    case Qt::Key_Up:
        moveFocusDot(to(row - 1, column));
        break;
    case Qt::Key_Down:
        moveFocusDot(to(row + 1, column));
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit dotActivated(m_focusDot);
        break;
    case Qt::Key_Backspace:
        if (m_side == Side::A) {
            emit takeBackRequested();
            if (const int last = m_model.lastDot(); last >= 0) moveFocusDot(last);
        }
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (!std::exchange(m_keyboardUsed, true)) update(ringRect(m_focusDot));
    event->accept();
}

void DotGridView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        m_keyboardUsed = true;
        break;
    case Qt::MouseFocusReason:
        m_keyboardUsed = false;
        break;
    default: // a window or a command moved it: the last input did
        m_keyboardUsed = m_lastInput && m_lastInput->kind() == LastInput::Kind::Keyboard;
    }
    if (m_side == Side::A) {
        const int last = m_model.lastDot();
        m_focusDot = last >= 0 ? last : 0;
    }
    update(ringRect(m_focusDot));
    // Qt tells of the view's own focus once this returns, which would take
    // the focus back from the dot: the dot's comes after it.
    QMetaObject::invokeMethod(this, &DotGridView::notifyFocusDot, Qt::QueuedConnection);
}

void DotGridView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update(ringRect(m_focusDot));
}

bool DotGridView::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int dot = dotAt(help->pos());
        if (dot >= 0 && !m_tips[size_t(dot)].isEmpty())
            QToolTip::showText(help->globalPos(), m_tips[size_t(dot)], this, dotRect(dot));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void DotGridView::onChanged(Side side, const QRectF &area)
{
    if (side != m_side) return;
    notifyPathChange();
    if (area.isNull()) return update();
    const int m = drawnLineWidth() + 2;
    const QRectF px(twips::toPixels(area.topLeft()), twips::toPixels(area.bottomRight()));
    update(px.toAlignedRect().adjusted(-m, -m, m, m));
}

void DotGridView::onDotChanged(Side side, int index)
{
    if (side != m_side || index >= kDotCount) return; // the spare dot is never shown
    update(dotRect(index));
    if (QAccessible::isActive()) {
        QAccessible::State checked;
        checked.checked = true;
        QAccessibleStateChangeEvent change(this, checked);
        change.setChild(index);
        QAccessible::updateAccessibility(&change);
    }
}

void DotGridView::onLaidOut()
{
    update();
    for (int i = 0; i < kDotCount && QAccessible::isActive(); ++i)
        notify(QAccessible::LocationChanged, i);
}

void DotGridView::moveFocusDot(int index)
{
    if (index == m_focusDot) return;
    update(ringRect(m_focusDot));
    m_focusDot = index;
    update(ringRect(m_focusDot));
    notifyFocusDot();
}

QRect DotGridView::ringRect(int index) const
{
    return dotRect(index).adjusted(-4, -4, 4, 4);
}

void DotGridView::notify(QAccessible::Event type, int index)
{
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(this, type);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void DotGridView::notifyFocusDot()
{
    if (hasFocus()) notify(QAccessible::Focus, m_focusDot);
}

void DotGridView::notifyPathChange()
{
    // Nobody to tell: a click does no more than it must. Descriptions are
    // read from the model when asked, so nothing goes stale meanwhile.
    if (!QAccessible::isActive()) return;
    QList<int> path = m_model.pathDots(m_side);
    if (path == m_heardPath) return;
    // A dot's steps are counted in the whole path: every dot on either path is told.
    std::array<bool, kDotCount> told{};
    for (const QList<int> *p : {&m_heardPath, &path})
        for (const int dot : *p)
            told[size_t(dot)] = true;
    m_heardPath = std::move(path);
    notify(QAccessible::DescriptionChanged);
    for (int i = 0; i < kDotCount; ++i)
        if (told[size_t(i)]) notify(QAccessible::DescriptionChanged, i);
}
