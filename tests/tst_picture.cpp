// Picture kinds, and the banner decoded by libjpeg.

#include "JpegPicture.h"
#include "Picture.h"

#include <QtTest>

using namespace brevasto;

class tst_Picture : public QObject
{
    Q_OBJECT

private slots:
    void bannerIsAProgressiveJfifPicture();
    void kindIsRegisteredWhileItLives();
    void undecodableData_data();
    void undecodableData();
};

void tst_Picture::bannerIsAProgressiveJfifPicture()
{
    QFile file(QStringLiteral(":/resources/banner.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    JpegFacts facts;
    const QImage banner = JpegPictureKind::Decode(file.readAll(), &facts);
    QCOMPARE(banner.size(), QSize(600, 119));
    QVERIFY(facts.jfif);
    QVERIFY(facts.progressive);
    QCOMPARE(facts.components, 3);
    // Brown at the top, white at the bottom, and darker letters across the middle.
    QVERIFY(banner.pixelColor(300, 1).red() > banner.pixelColor(300, 1).blue() + 40);
    QVERIFY(qGray(banner.pixel(300, 117)) > 230);
    int dark = 0;
    for (int x = 0; x < 600; ++x)
        dark += qGray(banner.pixel(x, 60)) < 100;
    QVERIFY2(dark > 30, "no letters on the middle row");
}

void tst_Picture::kindIsRegisteredWhileItLives()
{
    const QString banner = QStringLiteral(":/resources/banner.jpg");
    QVERIFY(!PictureKinds::IsRegistered(QStringLiteral("jpg")));
    QVERIFY(PictureKinds::Load(banner).isNull());
    {
        JpegPictureKind jpeg;
        QVERIFY(PictureKinds::IsRegistered(QStringLiteral("jpeg")));
        QVERIFY(PictureKinds::IsRegistered(QStringLiteral("JPG")));
        QCOMPARE(PictureKinds::Load(banner).size(), QSize(600, 119));
        QVERIFY(PictureKinds::Load(QStringLiteral(":/no/such/picture.jpg")).isNull());
    }
    QVERIFY(!PictureKinds::IsRegistered(QStringLiteral("jpeg")));
    QVERIFY(PictureKinds::Load(banner).isNull());
}

void tst_Picture::undecodableData_data()
{
    QFile file(QStringLiteral(":/resources/banner.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray banner = file.readAll();

    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a JPEG") << QByteArray("GIF89a not a jpeg at all");
    QTest::newRow("header only") << banner.left(20);
}

void tst_Picture::undecodableData()
{
    QFETCH(QByteArray, data);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, JpegPictureKind::Decode(data));
}

QTEST_GUILESS_MAIN(tst_Picture)
#include "tst_picture.moc"
