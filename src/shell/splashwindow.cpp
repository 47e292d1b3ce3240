#include "shell/splashwindow.h"

#include "shell/uitext.h"
#include "shell/version.h"
#include "ui_splashwindow.h"

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

// A label that sizes itself to its text grows away from the side it is aligned to.
void fitToText(QLabel *label)
{
    const int right = label->x() + label->width();
    label->adjustSize();
    if (label->alignment() & Qt::AlignRight) label->move(right - label->width(), label->y());
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    Ui::SplashWindow ui;
    ui.setupUi(this);
    setFixedSize(size());
    new RaisedEdge(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }

    applyStringTable(this);
    ui.lblVersion->setText(QStringLiteral("Version ") + version::text());
    ui.lblProductName->setText(QStringLiteral("plimso"));
    for (QLabel *label : {ui.lblProductName, ui.lblCompanyProduct, ui.lblPlatform, ui.lblVersion})
        fitToText(label);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
