// Saving a picture as a bitmap: what is written, and what a full disk reports.
#include "shell/bitmapfile.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

class TestBitmapFile : public QObject {
    Q_OBJECT
private slots:
    void writesWhatItIsGiven()
    {
        QTemporaryDir dir;
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(qRgb(128, 0, 0));
        const QString file = dir.filePath(QStringLiteral("grid.bmp"));
        QVERIFY(writeBitmapFile(image, file).ok);
        QCOMPARE(QImage(file).convertToFormat(QImage::Format_RGB32), image);
    }

    // Run on a file system a few KiB large by the diskfull test (see smallfs.sh).
    void aFullDiskIsReportedWithItsReason()
    {
        const QString folder = qEnvironmentVariable("PLIMSO_SMALL_FS");
        if (folder.isEmpty()) QSKIP("needs a small file system: see tests/shell/smallfs.sh");
        QImage image(400, 300, QImage::Format_RGB32); // about 350 KiB as a bitmap
        image.fill(Qt::yellow);
        const WriteResult written = writeBitmapFile(image, folder + QStringLiteral("/a.bmp"));
        QVERIFY(!written.ok);
        QCOMPARE(written.error, qt_error_string(ENOSPC));
        QVERIFY(QDir(folder).isEmpty()); // no half-written file is left behind
    }
};

QTEST_GUILESS_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
