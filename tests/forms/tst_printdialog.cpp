// The printer dialog never offers a page range: Qt 6.4 enables "Pages from"
// on every show, and "Pages" on a change of printer, whatever the options say.
#include "forms/qtdialogs.h"
#include "support/testenv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

class TestPrintDialog : public QObject {
    Q_OBJECT
private slots:
    void pageRangeStaysDisabled()
    {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        disablePageRange(dialog);
        auto *range = dialog.findChild<QWidget *>(QStringLiteral("printRange"));
        auto *pages = dialog.findChild<QWidget *>(QStringLiteral("pagesRadioButton"));
        auto *all = dialog.findChild<QAbstractButton *>(QStringLiteral("printAll"));
        QVERIFY(range && pages && all);
        for (int show = 1; show <= 2; ++show) {
            dialog.show();
            QVERIFY2(!range->isEnabled(), qPrintable(QStringLiteral("show %1").arg(show)));
            QVERIFY(all->isChecked());
            dialog.hide();
        }
        dialog.show();
        pages->setEnabled(true); // as Qt does on a change to a printer that takes page lists
        QTRY_VERIFY(!pages->isEnabled());
    }
};

PLIMSO_TEST_MAIN(TestPrintDialog)
#include "tst_printdialog.moc"
