#include "explorer/Icons.h"

#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTest>

#include "tests/support/QtTestMain.h"

namespace {

const QStringList toolbarKeys = {"Esci",   "nuovo", "Importa", "Esporta", "Elimina", "Compatta",
                                 "taglia", "copia", "incolla", "Email",   "Fattura"};

QList<QIcon> everyImage()
{
    QList<QIcon> icons;
    for (const QString& key : toolbarKeys)
        icons.append(explorer::icons::toolbarImage(key));
    for (int index = 1; index <= 6; ++index)
        icons.append(explorer::icons::archiveImage(index));
    icons.append(explorer::icons::cardImage());
    icons.append(explorer::icons::programImage());
    return icons;
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 200 ? 1 : 0;
    }
    return count;
}

} // namespace

class IconsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyImageIsDrawnAndNoTwoAreAlike()
    {
        QSet<QByteArray> drawings;
        for (const QIcon& icon : everyImage()) {
            QVERIFY(!icon.isNull());
            const QImage image = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY2(opaquePixels(image) > 32 * 32 / 8, "an image that covers too little of its square");
            drawings.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
        }
        QCOMPARE(drawings.size(), everyImage().size());
    }

    void imagesAreDrawnAtTheRequestedPixelRatio()
    {
        const QIcon icon = explorer::icons::archiveImage(2);
        const QPixmap crisp = icon.pixmap(QSize(24, 24), 2.0);
        QCOMPARE(crisp.devicePixelRatio(), 2.0);
        QCOMPARE(crisp.size(), QSize(48, 48));
        const QImage large = icon.pixmap(QSize(128, 128)).toImage();
        QCOMPARE(large.size(), QSize(128, 128));
        QVERIFY(opaquePixels(large) > 128 * 128 / 4);
    }

    void disabledImagesAreGrey()
    {
        const QImage image = explorer::icons::toolbarImage(QStringLiteral("Elimina"))
                                 .pixmap(QSize(32, 32), QIcon::Disabled)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        bool drawn = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0)
                    continue;
                drawn = true;
                QVERIFY(qAlpha(pixel) < 128);
                QVERIFY(qAbs(qRed(pixel) - qGreen(pixel)) <= 1 && qAbs(qGreen(pixel) - qBlue(pixel)) <= 1);
            }
        }
        QVERIFY(drawn);
    }

    void unknownKeysAndIndexesGiveNoImage()
    {
        QVERIFY(explorer::icons::toolbarImage(QStringLiteral("Nuovo")).isNull());
        QVERIFY(explorer::icons::toolbarImage(QString()).isNull());
        QVERIFY(explorer::icons::archiveImage(0).isNull());
        QVERIFY(explorer::icons::archiveImage(7).isNull());
    }
};

TRAMEX_QT_TEST(IconsTest);

#include "IconsTest.moc"
