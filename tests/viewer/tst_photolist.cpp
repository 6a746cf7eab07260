#include "host/viewer/photolist.h"
#include "host/viewer/photoloader.h"
#include "modalanswer.h"
#include "viewertest.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

namespace {

// "测区" in GBK: a name left by a program that wrote the local code page of a
// Chinese Windows, no valid UTF-8.
const QByteArray kGbkName = QByteArrayLiteral("\xB2\xE2\xC7\xF8.jpg");

QByteArrayList Paths(const kvviewer::PhotoList& list)
{
    QByteArrayList paths;
    for (const kvviewer::ListedPhoto& photo : list.photos)
        paths << photo.path;
    return paths;
}

} // namespace

class TestPhotoList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QByteArray m_real;    // a photo that exists
    QByteArray m_chinese; // the same under a Chinese folder and name
    QByteArray m_gbk;     // the same under a name that is no UTF-8

    QString ListFile(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("viewer.ini"));
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        kvtest::UseTemporaryEnvironment();
        QVERIFY(m_dir.isValid());
        const QString source = QFile::decodeName(kvtest::kTiny);
        m_real = QFile::encodeName(source);
        const QString chinese = m_dir.filePath(QStringLiteral("测区 一/照片 1.jpg"));
        QVERIFY(QDir().mkpath(QFileInfo(chinese).path()));
        QVERIFY(QFile::copy(source, chinese));
        m_chinese = chinese.toUtf8();
        m_gbk = QFile::encodeName(m_dir.path()) + '/' + kGbkName;
        QFile gbk;
        QVERIFY(gbk.open(::fopen(m_gbk.constData(), "wb"), QIODevice::WriteOnly,
                         QFileDevice::AutoCloseHandle));
        QFile photo(source);
        QVERIFY(photo.open(QIODevice::ReadOnly));
        gbk.write(photo.readAll());
    }

    // What the library writes, and what other writers and damage leave: the
    // photos that are there are listed in order, and each kind of trouble is
    // told once.
    void readsWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<QStringList>("problems");

        QTest::newRow("as the library writes it")
            << m_real + '\n' + m_chinese + '\n'
            << QByteArrayList {m_real, m_chinese} << QStringList {};
        QTest::newRow("written on Windows, with a byte-order mark")
            << "\xEF\xBB\xBF" + m_real + "\r\n" + m_chinese + "\r\n"
            << QByteArrayList {m_real, m_chinese} << QStringList {};
        QTest::newRow("cut in the middle of a line")
            << m_real + '\n' + m_chinese.left(m_chinese.size() - 6)
            << QByteArrayList {m_real, m_chinese.left(m_chinese.size() - 6)}
            << QStringList {QStringLiteral("Listed files not found: 1.")};
        QTest::newRow("a name that is no UTF-8")
            << m_gbk + '\n'
            << QByteArrayList {m_gbk}
            << QStringList {QStringLiteral(
                   "Paths that are not valid UTF-8 (shown with \uFFFD for the bad bytes): 1.")};
        QTest::newRow("NUL bytes")
            << m_real + QByteArray("\nabc\0def\n", 9) + QByteArray(3, '\0') + '\n' + m_chinese
                + '\n'
            << QByteArrayList {m_real, m_chinese}
            << QStringList {QStringLiteral(
                   "Lines skipped because they hold NUL bytes (the list is not all text): 2.")};
        QTest::newRow("a line longer than any path")
            << QByteArray(kvviewer::kMaxPathBytes + 1, 'a') + '\n' + m_real
            << QByteArrayList {m_real}
            << QStringList {
                   QStringLiteral("Lines skipped because they are longer than 4096 bytes: 1.")};
    }

    void readsWhatCanBeRead()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArrayList, expected);
        QFETCH(QStringList, problems);
        const kvviewer::PhotoList list = kvviewer::ReadPhotoList(ListFile(content));
        QCOMPARE(Paths(list), expected);
        QCOMPARE(list.problems, problems);
        for (const kvviewer::ListedPhoto& photo : list.photos) {
            QCOMPARE(photo.exists,
                     photo.path == m_real || photo.path == m_chinese || photo.path == m_gbk);
            // A name that is no UTF-8 shows with U+FFFD; its bytes still open it.
            QCOMPARE(photo.text, QString::fromUtf8(photo.path));
            if (photo.path == m_gbk)
                QVERIFY(!kvviewer::LoadPhoto(photo.path).image.isNull());
        }
    }

    // QTemporaryDir cannot remove a name that is no UTF-8.
    void cleanupTestCase() { ::unlink(m_gbk.constData()); }

    // A list that cannot be read at all is an empty list that says why.
    void unreadableList_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing") << m_dir.filePath(QStringLiteral("none.ini"))
                                 << QStringLiteral("The photo list %1 does not exist.");
        QTest::newRow("a folder") << m_dir.path()
                                  << QStringLiteral("The photo list %1 cannot be read: ");
    }

    void unreadableList()
    {
        QFETCH(QString, file);
        QFETCH(QString, problem);
        const kvviewer::PhotoList list = kvviewer::ReadPhotoList(file);
        QVERIFY(list.photos.empty());
        QCOMPARE(list.problems.size(), 1);
        QVERIFY2(list.problems.first().startsWith(problem.arg(file)),
                 qPrintable(list.problems.first()));
    }

    // A list far larger than any survey's is read up to the limits; the line
    // that the byte limit cuts through is not taken for a path.
    void oversizedList()
    {
        QByteArray bytes;
        // Long lines, so that the byte limit comes before the count limit.
        const QByteArray line = "/p/" + QByteArray(200, 'x') + ".jpg\n";
        while (bytes.size() <= kvviewer::kMaxListBytes)
            bytes += line;
        const kvviewer::PhotoList bySize = kvviewer::ReadPhotoList(ListFile(bytes));
        QCOMPARE(bySize.photos.back().path, line.chopped(1));
        QCOMPARE(
            bySize.problems.first(),
            QStringLiteral("The photo list is longer than 16 MiB; only its beginning was read."));
    }
};

QTEST_MAIN(TestPhotoList)
#include "tst_photolist.moc"
