#include "shell/splashwindow.h"

#include "forms/pictures.h"
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
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::SplashWindow>())
{
    m_ui->setupUi(this);
    setFixedSize(size());

    // The logo is drawn from the box's top-left corner and cut at its edges.
    auto *logo = new QLabel(m_ui->picLogo);
    logo->setPixmap(QPixmap::fromImage(pictures::splashLogo()));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo->setGeometry(m_ui->picLogo->rect());
    logo->setAccessibleName(m_ui->picLogo->objectName());

    new RaisedEdge(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(), size());
        r.moveCenter(screen->geometry().center());
        move(r.topLeft());
    }
    load();
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::load()
{
    applyStringTable(this);
    m_ui->lblVersion->setText(QStringLiteral("Version ") + version::text());
    m_ui->lblProductName->setText(QStringLiteral("plimso"));
    for (QLabel *label : {m_ui->lblProductName, m_ui->lblCompanyProduct, m_ui->lblPlatform,
                          m_ui->lblVersion})
        fitToText(label);
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
}
