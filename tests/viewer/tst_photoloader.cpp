#include "host/viewer/photoloader.h"
#include "modalanswer.h"
#include "viewertest.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using kvtest::kImages;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestPhotoLoader : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QByteArray Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path.toUtf8();
    }

private Q_SLOTS:
    void initTestCase() { kvtest::UseTemporaryEnvironment(); }

    // A file that is no photo, or only part of one, is shown as far as it
    // can be or says why not; nothing throws or crashes.
    void filesThatAreNoPhoto_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("error");
        const QByteArray photo = ReadFile(kImages + QStringLiteral("/DJI_0024.JPG"));
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("none.jpg")).toUtf8()
                                 << QStringLiteral("The file does not exist.");
        QTest::newRow("a folder") << QFile::encodeName(kImages)
                                  << QStringLiteral("This is not a file.");
        QTest::newRow("text named .jpg")
            << Write(QStringLiteral("text.jpg"), "not a photo\n")
            << QStringLiteral("The file cannot be read as a picture: ");
        // Cut inside the picture data: the decoder shows the top part.
        QTest::newRow("cut in the picture")
            << Write(QStringLiteral("cut.jpg"), photo.left(900000)) << QString();
        QTest::newRow("unreadable") << Write(QStringLiteral("secret.jpg"), photo)
                                    << QStringLiteral("The file cannot be opened: ");
    }

    void filesThatAreNoPhoto()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, error);
        if (QTest::currentDataTag() == QLatin1String("unreadable")) {
            QFile::setPermissions(QString::fromUtf8(path), QFileDevice::Permissions());
            if (QFile(QString::fromUtf8(path)).open(QIODevice::ReadOnly))
                QSKIP("root reads every file");
        }
        const kvviewer::LoadedPhoto photo = kvviewer::LoadPhoto(path);
        QCOMPARE(photo.image.isNull(), !error.isEmpty());
        QVERIFY2(photo.error.startsWith(error) && photo.error.isEmpty() == error.isEmpty(),
                 qPrintable(photo.error));
        QCOMPARE(photo.fullSize.isValid(), error.isEmpty());
    }

    // A 24 MP photo is decoded at no more than kMaxDecodedSide pixels, and
    // its full size is known.
    void largePhotoIsDecodedScaled()
    {
        QImage big(6000, 4000, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        QPainter(&big).fillRect(QRect(0, 0, 3000, 2000), Qt::white);
        const QString path = m_dir.filePath(QStringLiteral("big.jpg"));
        QVERIFY(big.save(path, "JPG", 80));

        const kvviewer::LoadedPhoto photo = kvviewer::LoadPhoto(QFile::encodeName(path));
        QVERIFY2(!photo.image.isNull(), qPrintable(photo.error));
        QCOMPARE(photo.fullSize, QSize(6000, 4000));
        QCOMPARE(photo.image.size(), QSize(kvviewer::kMaxDecodedSide, 2730));
        QCOMPARE(QColor(photo.image.pixel(100, 100)), QColor(Qt::white));
    }
};

QTEST_MAIN(TestPhotoLoader)
#include "tst_photoloader.moc"
