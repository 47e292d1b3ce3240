#include "shell/splashwindow.h"

#include "forms/pictures.h"
#include "forms/splashdef.h"
#include "forms/twips.h"
#include "shell/uitext.h"
#include "shell/version.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

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
