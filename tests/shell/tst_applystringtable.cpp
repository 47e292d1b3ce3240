// The string-table pass on a Designer form: which numbers give a control the
// table's text, by strict and lenient conversion, and where the form's text stays.
#include "shell/uitext.h"
#include "support/testenv.h"
#include "ui_stringtableprobe.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>

class TestApplyStringTable : public QObject {
    Q_OBJECT
    QWidget m_window;
    Ui::StringTableProbe m_form;

private slots:
    void initTestCase()
    {
        m_window.setFont(QFont(QStringLiteral("Sans"), 9));
        m_form.setupUi(&m_window);
        QVERIFY(m_form.lblBold->font().bold()); // its own font, before the pass
        applyStringTable(&m_window);
    }

    void texts_data()
    {
        QTest::addColumn<QWidget *>("control");
        QTest::addColumn<QString>("text");
        const auto &f = m_form;
        QTest::newRow("label with a number") << (QWidget *)f.lblNumber << QStringLiteral("版權");
        QTest::newRow("empty number") << (QWidget *)f.lblEmpty << "as designed";
        QTest::newRow("label needs a whole number") << (QWidget *)f.lblLenientOnly << "as designed";
        QTest::newRow("half rounds down to even") << (QWidget *)f.lblHalfDown << "檔案(&F)";
        QTest::newRow("half rounds up to even") << (QWidget *)f.lblHalfUp << "開啟(&O)...";
        QTest::newRow("number without entry") << (QWidget *)f.lblMissing << "as designed";
        QTest::newRow("button reads the leading number") << (QWidget *)f.cmdLenient << "確定";
        QTest::newRow("zero is no entry") << (QWidget *)f.cmdZero << "as designed";
        QTest::newRow("negative is no entry") << (QWidget *)f.cmdNegative << "as designed";
        QTest::newRow("frame with blanks after its number") << (QWidget *)f.fraLenient << "警告";
    }
    void texts()
    {
        QFETCH(QWidget *, control);
        QFETCH(QString, text);
        const QVariant shown = control->property(qobject_cast<QGroupBox *>(control) ? "title" : "text");
        QCOMPARE(shown.toString(), text);
    }

    void tooltips()
    {
        QCOMPARE(m_form.cmdLenient->toolTip(), QStringLiteral("取消"));
        QCOMPARE(m_form.cmdZero->toolTip(), QStringLiteral("designed tip"));
        QCOMPARE(m_form.cmdNegative->toolTip(), QStringLiteral("designed tip"));
        QCOMPARE(m_form.cmdTipText->toolTip(), QStringLiteral("just a tip"));
        // A control without a caption still gets its tooltip.
        QCOMPARE(m_form.picNoCaption->toolTip(), QStringLiteral("開啟舊檔"));
    }

    void menusAndToolbars()
    {
        QWidget window;
        QMenu menu(QStringLiteral("as designed"), &window);
        menu.setProperty(uitext::kTextNumber, QStringLiteral("1008"));
        QAction *known = menu.addAction(QStringLiteral("as designed"));
        known->setProperty(uitext::kTextNumber, QStringLiteral("1001"));
        QAction *unknown = menu.addAction(QStringLiteral("as designed"));
        unknown->setProperty(uitext::kTextNumber, QStringLiteral("1999"));
        QAction *separator = menu.addSeparator();
        QToolBar bar(&window);
        QAction *tool = bar.addAction(QStringLiteral("開新檔案"));
        tool->setProperty(uitext::kToolTipNumber, QStringLiteral("1016 "));
        bar.addAction(known); // a button sharing a menu entry
        known->setProperty(uitext::kToolTipNumber, QStringLiteral("1017"));
        applyStringTable(&window);
        QCOMPARE(menu.title(), QStringLiteral("檢視(&V)"));
        QCOMPARE(known->text(), QStringLiteral("新增(&N)"));
        QCOMPARE(known->toolTip(), QStringLiteral("開啟舊檔"));
        QCOMPARE(unknown->text(), QStringLiteral("as designed"));
        QVERIFY(separator->isSeparator());
        QCOMPARE(tool->text(), QStringLiteral("開新檔案")); // a button's text is its key
        QCOMPARE(tool->toolTip(), QStringLiteral("開新檔案"));
    }

    void everyControlTakesTheWindowFont()
    {
        QCOMPARE(m_form.lblBold->font(), m_window.font());
        QCOMPARE(m_form.cmdLenient->font(), m_window.font());
        // No entries 20 and 21: the window's own font never changes.
        QCOMPARE(m_window.font(), QFont(QStringLiteral("Sans"), 9));
    }
};

PLIMSO_TEST_MAIN(TestApplyStringTable)
#include "tst_applystringtable.moc"
