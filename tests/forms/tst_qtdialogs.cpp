// The real message box shows its text literally: a path holding markup must
// neither restyle the message nor make the box load what the markup names.
#include "forms/qtdialogs.h"
#include "support/testenv.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

class TestQtDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageTextIsPlain()
    {
        const QString text = QStringLiteral("The pattern file \"/tmp/<font color=red size=7>x/"
                                            "<img src=/tmp/fifo>/p.txt\" cannot be opened.");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            QVERIFY(label);
            shown = label->text();
            format = label->textFormat();
            box->accept();
        });
        QtDialogs().message(nullptr, text, QString(), Dialogs::Buttons::Ok, Dialogs::Icon::None);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }
};

PLIMSO_TEST_MAIN(TestQtDialogs)
#include "tst_qtdialogs.moc"
