// The two grid windows as widgets, offscreen: what they are made of, how they
// sit in a workspace, and what their own events do. (What the surfaces show,
// pixel for pixel, is tst_goldenimages; the path rules are tst_gridmodel.)
#include "forms/colours.h"
#include "forms/twips.h"
#include "grid/appcontext.h"
#include "grid/challengeslot.h"
#include "grid/challengewindow.h"
#include "grid/commands.h"
#include "grid/dotgridview.h"
#include "grid/editorwindow.h"
#include "grid/workspace.h"
#include "logic/gridmodel.h"
#include "support/fakedialogs.h"
#include "support/gridinput.h"
#include "support/testenv.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

class TestGridWindow : public QObject, EditorFixture {
    Q_OBJECT
    std::unique_ptr<GridModel> m_challenge;

private slots:
    void init()
    {
        m_challenge = std::make_unique<GridModel>(GridModel::Kind::Challenge);
        m_dialogs.clear();
    }
    void cleanup() { m_window.reset(); }

    void clientSizeInWorkspace_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::addColumn<QSize>("areaSize");
        QTest::addColumn<QSize>("client");
        QTest::newRow("editor") << false << QSize(1200, 900) << QSize(901, 406);
        QTest::newRow("challenge") << true << QSize(1200, 900) << QSize(937, 588);
        QTest::newRow("editor, small area") << false << QSize(500, 300) << QSize(901, 406);
        QTest::newRow("challenge, small area") << true << QSize(640, 480) << QSize(937, 588);
    }
    void clientSizeInWorkspace()
    {
        QFETCH(bool, challenge);
        QFETCH(QSize, areaSize);
        QFETCH(QSize, client);
        QMdiArea area;
        area.resize(areaSize);
        area.show();
        QWidget *w = challenge ? static_cast<QWidget *>(new ChallengeWindow(m_ctx, *m_challenge))
                               : new EditorWindow(m_ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCoreApplication::processEvents();
        QCOMPARE(w->size(), client);
        QVERIFY(sub->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(area.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
        if (areaSize.width() < client.width())
            QVERIFY(area.horizontalScrollBar()->isVisible()); // the area scrolls to reach it
    }

    void builtFromDefinition()
    {
        EditorWindow w(m_ctx);
        QCOMPARE(w.objectName(), QStringLiteral("frmDocument"));
        QCOMPARE(w.windowTitle(), QStringLiteral("frmDocument"));
        QCOMPARE(w.size(), QSize(901, 406));
        QCOMPARE(w.palette().color(QPalette::Window),
                 QApplication::palette().color(QPalette::Button));
        QCOMPARE(w.findChild<DotGridView *>("PicA"), w.PicA());
        QCOMPARE(w.PicA()->backgroundColour(), QApplication::palette().color(QPalette::Base));
        QCOMPARE(w.PicB()->backgroundColour(),
                 QApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(w.CmdTest()->objectName(), QStringLiteral("CmdTest"));
        QCOMPARE(w.CmdTest()->text(), QStringLiteral("Test"));
        QCOMPARE(w.CmdB()->text(), QStringLiteral("Refresh"));
        QCOMPARE(w.PicA()->lineWidth(), EditorWindow::kLineWidth);
        QCOMPARE(w.PicB()->lineWidth(), EditorWindow::kLineWidth);
        // The two surfaces and the two buttons: no widget stands for a dot.
        QCOMPARE(w.findChildren<QWidget *>().size(), 4);

        // "Click Me" on the left grid; 28 replay dots keep their design tooltip.
        const QString tip = QString::fromUtf8("切換通訊埠");
        int tipped = 0;
        for (int i = 0; i < 63; ++i) {
            QCOMPARE(w.PicA()->dotToolTip(i), QStringLiteral("Click Me"));
            tipped += w.PicB()->dotToolTip(i) == tip;
        }
        QCOMPARE(tipped, 28);

        // Laid out by the rule before it is first seen, in whole pixels.
        QCOMPARE(w.model().controlRect(GridControl::PicA), QRectF(960, 1000, 5557.5, 2490));
        QCOMPARE(w.PicA()->geometry(), QRect(64, 67, 371, 166));
        QCOMPARE(w.CmdTest()->geometry(), QRect(303, 246, 74, 73)); // from its design width
        QCOMPARE(w.PicA()->dotRect(62), QRect(345, 150, 16, 16));
    }

    void challengeLooks()
    {
        ChallengeWindow w(m_ctx, *m_challenge);
        QCOMPARE(w.objectName(), QStringLiteral("frmOldFile"));
        QCOMPARE(w.size(), QSize(937, 588));
        QCOMPARE(w.CmdA()->text(), QStringLiteral("Summit"));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(255, 255, 128));
        QCOMPARE(w.PicA()->backgroundColour(), QColor(255, 255, 0));
        QCOMPARE(w.PicB()->backgroundColour(), QColor(255, 255, 0));
        QCOMPARE(w.PicA()->lineWidth(), 5);
        QCOMPARE(w.PicB()->lineWidth(), 1);
        QCOMPARE(&w.model(), m_challenge.get());
    }

    // Tab order and the first focus follow the definitions' tab indexes; Tab
    // and Shift+Tab go round every control of the child window and only
    // those, never resting on the child window itself, even for a moment.
    void tabOrder_data()
    {
        QTest::addColumn<bool>("challenge");
        QTest::addColumn<QStringList>("round");
        QTest::newRow("editor") << false << QStringList{"PicB", "CmdB", "CmdTest", "PicA", "PicB"};
        QTest::newRow("challenge") << true << QStringList{"PicB", "CmdA", "CmdB", "PicA", "PicB"};
    }
    void tabOrder()
    {
        QFETCH(bool, challenge);
        QFETCH(QStringList, round);
        QStringList visited; // outlives the area, whose end moves the focus too
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        QWidget *w = challenge ? static_cast<QWidget *>(new ChallengeWindow(m_ctx, *m_challenge))
                               : new EditorWindow(m_ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        area.setActiveSubWindow(sub);
        connect(qApp, &QApplication::focusChanged, &area,
                [&](QWidget *, QWidget *now) { visited << (now ? now->objectName() : "none"); });
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
            for (int i = 1; i < round.size(); ++i)
                QTest::keyClick(QApplication::focusWidget(), key,
                                key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
            QCOMPARE(visited, round.mid(1));
            visited.clear();
            round = QStringList(round.rbegin(), round.rend()); // the other way round
        }
    }

    // A focused button's outline (what the focus changes in a grab) stands
    // out from the window by 3:1 in every palette; the default one's buttons
    // take the window's palette as ever. At 16 pt "Refresh" and "Summit" need
    // wider buttons: they grow about their middle to fit their texts.
    void buttonLooks_data()
    {
        QTest::addColumn<QRgb>("window"); // and the buttons' face; 0 for the default palette
        QTest::addColumn<int>("points");  // 0 for the default font
        QTest::newRow("default") << QRgb(0) << 0;
        QTest::newRow("darker scheme") << qRgb(0x3d, 0x3d, 0x3d) << 0;
        QTest::newRow("16 pt") << QRgb(0) << 16;
    }
    void buttonLooks()
    {
        QFETCH(QRgb, window);
        QFETCH(int, points);
        const QPalette palette = QApplication::palette();
        const QFont font = QApplication::font();
        QPalette p = palette;
        if (window) p.setColor(QPalette::Window, window), p.setColor(QPalette::Button, window);
        QApplication::setPalette(p);
        QApplication::setFont(QFont(font.family(), points ? points : font.pointSize()));
        ChallengeWindow c(m_ctx, *m_challenge);
        EditorWindow &w = showEditor(true);
        w.setAttribute(Qt::WA_KeyboardFocusChange); // as after a Tab
        const QImage plain = w.CmdTest()->grab().toImage();
        w.CmdTest()->setFocus(Qt::TabFocusReason);
        const QImage focused = w.CmdTest()->grab().toImage();
        QApplication::setPalette(palette);
        QApplication::setFont(font);
        double best = 1;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixel(x, y) != focused.pixel(x, y))
                    best = std::max(
                        best, colours::contrast(focused.pixel(x, y), p.color(QPalette::Window)));
        QVERIFY(best >= 3.0);
        QCOMPARE(w.CmdTest()->testAttribute(Qt::WA_SetPalette), bool(window));
        const std::pair<QPushButton *, QRectF> buttons[] = {
            {w.CmdB(), w.model().controlRect(GridControl::CmdB)},
            {c.CmdA(), c.model().controlRect(GridControl::ButtonA)}};
        for (const auto &[b, twipsRect] : buttons) {
            const QRect laidOut = twips::toPixels(twipsRect);
            QStyleOptionButton option;
            option.initFrom(b);
            QVERIFY(b->fontMetrics().horizontalAdvance(b->text()) <=
                    b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width());
            QCOMPARE(b->geometry().center().x(), laidOut.center().x());
            QCOMPARE(b->geometry() == laidOut, !points);
        }
    }

    void backgroundClickRedrawsBothSides()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.PicA(), 0);
        clickDot(w.PicA(), 1);
        // A press on the surface itself, or on Refresh, is not a press on the window.
        QTest::mouseClick(w.PicA(), Qt::LeftButton, {}, QPoint(w.PicA()->width() - 3, 3));
        QTest::mouseClick(w.CmdB(), Qt::LeftButton);
        QVERIFY(w.model().segments(Side::B).isEmpty());
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.model().segments(Side::B), w.model().segments(Side::A));
        QVERIFY(w.model().isRed(Side::B, 1));
        QCOMPARE(w.state().dotCount, std::int16_t(2));
    }

    void replayDotShowsItsPosition()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.PicB(), 10);
        QCOMPARE(m_dialogs.last().text, dotPositionText(w.model().dotRect(Side::B, 10)));
        QCOMPARE(w.state().dotCount, std::int16_t(0));
    }

    void minimisedKeepsLayout()
    {
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        auto *w = new EditorWindow(m_ctx);
        QMdiSubWindow *sub = addToWorkspace(&area, w);
        sub->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        clickDot(w->PicA(), 0);
        clickDot(w->PicA(), 1);
        const QRectF picA = w->model().controlRect(GridControl::PicA);
        const QRect picAPx = w->PicA()->geometry();
        const QRectF dot62 = w->model().dotRect(Side::A, 62);
        const QList<Segment> path = w->model().segments(Side::A);
        QSignalSpy laidOut(&w->model(), &GridModel::laidOut);

        sub->showMinimized();
        QCoreApplication::processEvents();
        QVERIFY(sub->isMinimized());
        QVERIFY(laidOut.count() > 0); // minimising runs the layout
        QCOMPARE(w->innerSizeTwips(), QSizeF(0, 0));
        QCOMPARE(w->model().controlRect(GridControl::PicA), picA);
        QCOMPARE(w->PicA()->geometry(), picAPx);
        QCOMPARE(w->model().dotRect(Side::A, 62), dot62);
        QCOMPARE(w->model().segments(Side::A), path);

        laidOut.clear();
        sub->showNormal();
        QCoreApplication::processEvents();
        QVERIFY(laidOut.count() > 0); // restoring lays out again
        QCOMPARE(w->innerSizeTwips(), QSizeF(13515, 6090));
        QCOMPARE(w->model().controlRect(GridControl::PicA), picA);

        sub->showMaximized();
        QCoreApplication::processEvents();
        QTRY_VERIFY(w->model().controlRect(GridControl::PicA).width() > picA.width());
    }

    void closeResetsPath()
    {
        EditorWindow w(m_ctx);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.PicA(), 3);
        QVERIFY(w.close()); // never refused
        QCOMPARE(w.state().dotCount, std::int16_t(0));
        QCOMPARE(w.state().dotPath[0], PathEntry(0));
    }

    void undoneDotCountsNowhereInTheVerdict()
    {
        // Attempt 1, 2, (7 taken back), 40, 50 against 1, 2, 3 is wrong.
        m_challenge->setStoredPattern({1, 2, 3});
        ChallengeWindow w(m_ctx, *m_challenge);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        clickDot(w.PicA(), 0);
        clickDot(w.PicA(), 1);
        doubleClickDot(w.PicA(), 6);
        clickDot(w.PicA(), 39);
        clickDot(w.PicA(), 49);
        m_dialogs.answerMessage(Dialogs::Answer::Yes);
        QTest::mouseClick(w.CmdA(), Qt::LeftButton);
        QCOMPARE(m_dialogs.last().text, QStringLiteral("Sorry ! Please Try It Again"));
    }

    void oneChallengeWindow()
    {
        QMdiArea area;
        area.resize(1200, 900);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        ChallengeSlot slot(&area, m_ctx, *m_challenge);
        QVERIFY(!slot.window(false));
        QPointer<ChallengeWindow> first = slot.window(true);
        QVERIFY(first);
        QCOMPARE(slot.window(true), first.data());
        QCOMPARE(slot.window(false), first.data());
        QCOMPARE(area.currentSubWindow()->widget(), first.data());
        QVERIFY(first->isVisible());

        clickDot(first->PicA(), 4);
        clickDot(first->PicA(), 5);
        for (int i = 2; i < kPathLength; ++i) // a full path: position 63 holds dot 7
            m_challenge->recordClick(6);
        first->closeWindow();
        QVERIFY(!slot.window(false)); // closing counts as closed
        QTRY_VERIFY(!first);          // gone with its child window
        QVERIFY(area.subWindowList().isEmpty());

        // The state outlives the close: reset up to position 62.
        const GridState &s = m_challenge->state();
        QCOMPARE(s.dotCount, std::int16_t(0));
        QCOMPARE(s.dotPath[1], PathEntry(0));
        QCOMPARE(s.dotPath[63], PathEntry(7));

        ChallengeWindow *second = slot.window(true);
        QVERIFY(second);
        QCOMPARE(&second->state(), &s);
        QVERIFY(!second->model().isRed(Side::A, 4)); // rebuilt from its definition
        clickDot(second->PicA(), 20);
        QCOMPARE(s.dotPath[0], PathEntry(21));
    }
};

PLIMSO_TEST_MAIN(TestGridWindow)
#include "tst_gridwindow.moc"
