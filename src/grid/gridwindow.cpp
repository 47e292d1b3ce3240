#include "grid/gridwindow.h"

#include "forms/dialogs.h"
#include "forms/twips.h"
#include "grid/appcontext.h"
#include "grid/commands.h"
#include "grid/dotgridview.h"
#include "grid/subwindowfollower.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// `r` grown about its middle, and downwards, where `button`'s text needs more
// room than it gives: the text, and the margin and frame the style puts
// around it.
QRect roomForText(const QPushButton *button, QRect r)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle *style = button->style();
    const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    const QSize need =
        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) + QSize(margin, margin);
    if (const int grow = need.width() - r.width(); grow > 0)
        r.adjust(-grow / 2, 0, grow - grow / 2, 0);
    if (need.height() > r.height()) r.setHeight(need.height());
    return r;
}

} // namespace

GridGeometry initialGeometry(const forms::griddefs::Window &def)
{
    GridGeometry g;
    g.controls[size_t(GridControl::PicA)] = def.picA.twips;
    g.controls[size_t(GridControl::PicB)] = def.picB.twips;
    g.controls[size_t(GridControl::ButtonA)] = def.buttonA.twips;
    g.controls[size_t(GridControl::CmdB)] = def.cmdB.twips;
    for (int i = 0; i < kPathLength; ++i)
        g.dotsA[size_t(i)] = forms::griddefs::designDotA(i);
    for (int i = 0; i < kDotCount; ++i)
        g.dotsB[size_t(i)] = forms::griddefs::designDotB(i);
    return g;
}

GridWindow::GridWindow(const forms::griddefs::Window &def, std::unique_ptr<GridModel> model,
                       AppContext &ctx, int lineWidthA, int lineWidthB, QWidget *parent)
    : GridWindow(def, *model, ctx, lineWidthA, lineWidthB, parent)
{
    m_ownModel = std::move(model);
}

GridWindow::GridWindow(const forms::griddefs::Window &def, GridModel &model, AppContext &ctx,
                       int lineWidthA, int lineWidthB, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_model(model)
{
    namespace gd = forms::griddefs;
    m_model.startWindow(initialGeometry(def));
    setObjectName(QString::fromLatin1(def.name));
    setWindowTitle(QString::fromLatin1(gd::kInitialTitle));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, def.windowBack.resolve(pal));
    setPalette(pal);
    setAutoFillBackground(true);
    resize(twips::toPixels(def.client.width(), def.client.height()));

    const auto surface = [&](Side side, const gd::Control &c, const colours::Fill &back,
                             int width) {
        auto *view = new DotGridView(m_model, side, this);
        view->setObjectName(QString::fromLatin1(c.name));
        view->setBackground(back);
        view->setLineWidth(width);
        view->setLastInput(ctx.lastInput);
        return view;
    };
    const auto button = [&](const gd::Control &c, const char *caption) {
        auto *b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(c.name));
        return b;
    };
    // Made in the order of their tab indexes, which the focus chain follows:
    // Tab goes from the lowest, which has the focus first, in a child window too.
    const std::array<const gd::Control *, 4> controls{&def.picA, &def.picB, &def.buttonA,
                                                      &def.cmdB};
    std::array<const gd::Control *, 4> byTab = controls;
    std::sort(byTab.begin(), byTab.end(),
              [](const gd::Control *a, const gd::Control *b) { return a->tabIndex < b->tabIndex; });
    for (const gd::Control *c : byTab) {
        if (c == &def.picA) m_picA = surface(Side::A, def.picA, def.picABack, lineWidthA);
        if (c == &def.picB) m_picB = surface(Side::B, def.picB, def.picBBack, lineWidthB);
        if (c == &def.buttonA) m_buttonA = button(def.buttonA, def.buttonAText);
        if (c == &def.cmdB) m_cmdB = button(def.cmdB, gd::kCmdBText);
    }

    for (int i = 0; i < kDotCount; ++i) {
        m_picA->setDotToolTip(i, QString::fromLatin1(gd::kClickMeTip));
        if (gd::designTipB(i)) m_picB->setDotToolTip(i, QString::fromUtf8(gd::kPortTip));
    }

    connect(&m_model, &GridModel::laidOut, this, &GridWindow::placeControls);
    connect(m_picA, &DotGridView::dotActivated, this, &GridWindow::recordClick);
    connect(m_picA, &DotGridView::dotDoubleClicked, this, &GridWindow::takeBack);
    connect(m_picA, &DotGridView::takeBackRequested, &m_model, &GridModel::takeBack);
    connect(m_picB, &DotGridView::dotActivated, this, &GridWindow::showReplayDotPosition);

    m_follower = new SubWindowFollower(this);
    connect(m_follower, &SubWindowFollower::minimisedChanged, this, [this] {
        if (m_built && !m_closed) layOut();
    });

    showButtonFocus();
    m_built = true;
    layOut();
}

QImage GridWindow::inputGridImage() const
{
    return m_picA->image();
}

GridWindow::~GridWindow()
{
    // The views show the model: they go first.
    delete m_picA;
    delete m_picB;
}

QMdiSubWindow *GridWindow::subWindow() const
{
    return m_follower->subWindow();
}

QSizeF GridWindow::innerSizeTwips() const
{
    if (subWindow() && subWindow()->isMinimized()) return QSizeF(0, 0);
    return QSizeF(twips::fromPixels(width()), twips::fromPixels(height()));
}

void GridWindow::layOut()
{
    const QSizeF inner = innerSizeTwips();
    m_model.layOut(float(inner.width()), float(inner.height()));
}

void GridWindow::placeControls()
{
    m_picA->setGeometry(twips::toPixels(m_model.controlRect(GridControl::PicA)));
    m_picB->setGeometry(twips::toPixels(m_model.controlRect(GridControl::PicB)));
    m_buttonA->setGeometry(
        roomForText(m_buttonA, twips::toPixels(m_model.controlRect(GridControl::ButtonA))));
    m_cmdB->setGeometry(
        roomForText(m_cmdB, twips::toPixels(m_model.controlRect(GridControl::CmdB))));
}

void GridWindow::showButtonFocus()
{
    const QColor highlight = palette().color(QPalette::Highlight);
    const QColor shown = colours::focusHighlight(highlight, palette().color(QPalette::Window),
                                                 palette().color(QPalette::Button));
    QPalette buttons; // nothing of its own: the window's
    if (shown != highlight) {
        buttons = palette();
        buttons.setColor(QPalette::Highlight, shown);
    }
    for (QPushButton *b : {m_buttonA, m_cmdB})
        b->setPalette(buttons);
}

void GridWindow::closeWindow()
{
    if (subWindow())
        subWindow()->close();
    else
        close();
}

void GridWindow::recordClick(int index)
{
    m_lastClickRecorded = m_model.recordClick(index);
}

void GridWindow::takeBack()
{
    // Only a double-click whose first press was recorded takes a click back:
    // one on a full path takes back nothing.
    if (std::exchange(m_lastClickRecorded, false)) m_model.takeBack();
}

void GridWindow::showReplayDotPosition(int index)
{
    m_ctx.dialogs.message(this, dotPositionText(m_model.dotRect(Side::B, index)));
}

void GridWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_built && !m_closed) layOut();
}

void GridWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_cmdB) showButtonFocus(); // once it has buttons
    if (event->type() == QEvent::FontChange && m_built) placeControls();
}

void GridWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        m_model.clear();
    }
    event->accept(); // the window always closes
}
