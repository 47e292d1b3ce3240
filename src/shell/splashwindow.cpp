#include "shell/splashwindow.h"

#include "forms/pictures.h"
#include "forms/splashdef.h"
#include "forms/twips.h"
#include "shell/uitext.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <qdrawutil.h>

namespace {

// The fixed dialog border the splash is defined with, drawn inside its client
// area: light top and left lines, dark bottom and right ones, 2 px. It lies on
// top of the controls, which reach to the window's edges, and lets clicks through.
class RaisedEdge : public QWidget {
public:
    explicit RaisedEdge(QWidget *window) : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(window->rect());
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        qDrawWinPanel(&painter, rect(), palette(), false);
    }
};

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    const forms::FormDef &def = forms::splashDef();
    m_built = forms::buildForm(def, this);
    setFixedSize(twips::toPixels(def.clientWidth, def.clientHeight));

    // The logo is drawn from the box's top-left corner and cut at its edges.
    if (auto *box = control<QWidget>("picLogo")) {
        auto *logo = new QLabel(box);
        logo->setPixmap(QPixmap::fromImage(pictures::splashLogo()));
        logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        logo->setGeometry(box->rect());
        logo->setAccessibleName(box->accessibleName());
    }

    new RaisedEdge(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
    load();
}

void SplashWindow::load()
{
    applyStringTable(this);
    forms::setCaption(control<QLabel>("lblVersion"), QStringLiteral("Version ") + version::text());
    forms::setCaption(control<QLabel>("lblProductName"), QStringLiteral("plimso"));
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
