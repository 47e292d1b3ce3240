#include "forms/imagecontrol.h"
#include "forms/pictures.h"
#include "support/testenv.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

// Image controls: clicks and double-clicks with the element index, twips
// geometry, shared pictures.
class TstImageControl : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickCarriesIndex_data();
    void clickCarriesIndex();
    void releaseOutsideIsNoClick();
    void otherButtonsAreNoClick();
    void personsDoubleClickIsOneClickThenOneDoubleClick();
    void clickAfterDoubleClickCountsAgain();
    void twipsGeometryIsKeptExactly_data();
    void twipsGeometryIsKeptExactly();
    void moveTwipsKeepsSize();
    void pictureIsShared();
    void pictureIsStretchedToTheControl();

private:
    QWidget *m_container = nullptr;
    ImageControl *m_img = nullptr;
    QStringList m_events; // "click 7", "double 7", in order
};

void TstImageControl::init()
{
    m_container = new QWidget;
    m_container->resize(200, 200);
    m_img = new ImageControl(m_container, 7);
    m_img->setPicture(QPixmap::fromImage(pictures::greenDotImage()));
    m_img->setTwipsGeometry(QRectF(480, 240, 240, 240));
    m_events.clear();
    connect(m_img, &ImageControl::clicked, this,
            [this](int i) { m_events << QStringLiteral("click %1").arg(i); });
    connect(m_img, &ImageControl::doubleClicked, this,
            [this](int i) { m_events << QStringLiteral("double %1").arg(i); });
    m_container->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_container));
}

void TstImageControl::cleanup()
{
    delete m_container;
    m_container = nullptr;
    m_img = nullptr;
}

void TstImageControl::clickCarriesIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("single control") << -1;
    QTest::newRow("first element") << 0;
    QTest::newRow("imgGreen(63)") << 63;
}

void TstImageControl::clickCarriesIndex()
{
    QFETCH(int, index);
    ImageControl img(m_container, index);
    img.setGeometry(100, 100, 16, 16);
    img.show();
    QSignalSpy clicks(&img, &ImageControl::clicked);
    QTest::mousePress(&img, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicks.count(), 0); // a click completes on release
    QTest::mouseRelease(&img, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), index);
}

void TstImageControl::releaseOutsideIsNoClick()
{
    QTest::mousePress(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(m_img, Qt::LeftButton, {}, QPoint(40, 8));
    QTest::mousePress(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(m_img, Qt::LeftButton, {}, QPoint(-1, 8));
    QCOMPARE(m_events, QStringList());
}

void TstImageControl::otherButtonsAreNoClick()
{
    QTest::mouseClick(m_img, Qt::RightButton, {}, QPoint(8, 8));
    QTest::mouseClick(m_img, Qt::MiddleButton, {}, QPoint(8, 8));
    QCOMPARE(m_events, QStringList());
}

void TstImageControl::personsDoubleClickIsOneClickThenOneDoubleClick()
{
    // As a person does it: press, release, then the second press arrives as a
    // double-click, then its release.
    QTest::mousePress(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseDClick(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(m_events, QStringList({"click 7", "double 7"}));
}

void TstImageControl::clickAfterDoubleClickCountsAgain()
{
    QTest::mouseClick(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseDClick(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::mouseRelease(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseClick(m_img, Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(m_events, QStringList({"click 7", "double 7", "click 7"}));
}

void TstImageControl::twipsGeometryIsKeptExactly_data()
{
    QTest::addColumn<QRectF>("twips");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("a dot") << QRectF(480, 240, 240, 240) << QRect(32, 16, 16, 16);
    QTest::newRow("imgGreen(63)") << QRectF(6000, 120, 240, 240) << QRect(400, 8, 16, 16);
    QTest::newRow("fractions at and below halves")
        << QRectF(487.5, 247, 247, 232.4) << QRect(33, 16, 16, 15);
    QTest::newRow("fractions at and above halves")
        << QRectF(472.6, 232.5, 232.5, 247.6) << QRect(32, 16, 16, 17);
    QTest::newRow("laid-out position")
        << QRectF(5547.777, 3104.5, 240, 240) << QRect(370, 207, 16, 16);
}

void TstImageControl::twipsGeometryIsKeptExactly()
{
    QFETCH(QRectF, twips);
    QFETCH(QRect, pixels);
    m_img->setTwipsGeometry(twips);
    QCOMPARE(m_img->twipsGeometry(), twips);
    QCOMPARE(m_img->geometry(), pixels);
}

void TstImageControl::moveTwipsKeepsSize()
{
    m_img->setTwipsGeometry(QRectF(480, 240, 247, 240));
    m_img->moveTwips(QPointF(1320.5, 360));
    QCOMPARE(m_img->twipsGeometry(), QRectF(1320.5, 360, 247, 240));
    QCOMPARE(m_img->geometry(), QRect(88, 24, 16, 16));
}

void TstImageControl::pictureIsShared()
{
    const QPixmap dot = QPixmap::fromImage(pictures::redDotImage());
    ImageControl a(m_container, 1), b(m_container, 2);
    a.setPicture(dot);
    b.setPicture(a.picture());
    QCOMPARE(a.picture().cacheKey(), dot.cacheKey());
    QCOMPARE(b.picture().cacheKey(), dot.cacheKey());
}

void TstImageControl::pictureIsStretchedToTheControl()
{
    m_img->setTwipsGeometry(QRectF(0, 0, 480, 480)); // 32 x 32: twice the picture
    const QImage seen = m_img->grab().toImage();
    QCOMPARE(seen.size(), QSize(32, 32));
    // Picture pixel (8,8) is fill; (1,1) is outside the disc; stretched by two, unsmoothed.
    QCOMPARE(seen.pixel(16, 16), qRgb(0, 255, 0));
    QCOMPARE(seen.pixel(17, 17), qRgb(0, 255, 0));
    QCOMPARE(seen.pixel(2, 14), qRgb(0, 0, 0)); // picture (1,7): outline
    QCOMPARE(seen.pixel(3, 15), qRgb(0, 0, 0));
    QCOMPARE(seen.pixel(8, 10), qRgb(255, 255, 255)); // picture (4,5): highlight
}

PLIMSO_TEST_MAIN(TstImageControl)
#include "tst_imagecontrol.moc"
