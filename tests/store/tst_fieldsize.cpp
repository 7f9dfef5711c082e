// Compressed fields of every size come back whole, however their first bytes
// announce their length: the stored bitmaps of pictures say it, and a damaged
// or lying header must not cut or pad the field.
#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "tests/support/TestMain.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>

namespace {
// A field that starts like a BMP file image announcing the given size.
QByteArray bitmapLike(int size, quint32 announced, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator gen(seed);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 251 < 200 ? (i / 3) & 0xFF : gen.generate() & 0xFF);
    bytes[0] = 'B';
    bytes[1] = 'M';
    qToLittleEndian(announced, reinterpret_cast<uchar *>(bytes.data()) + 2);
    return bytes;
}
} // namespace

class TestFieldSize : public QObject
{
    Q_OBJECT
private slots:
    void everyAnnouncedSizeGivesTheWholeField()
    {
        const int size = 3 * 1024 * 1024 + 17;
        const QList<quint32> announced = {
            quint32(size),     // right
            quint32(size / 2), // too small: the buffer grows
            quint32(size) * 3, // too large: cut to what the stream holds
            0xFFFFFFF0u,       // more than the stream could hold: ignored
            5,                 // less than the first bytes
        };
        for (quint32 a : announced) {
            const QByteArray data = bitmapLike(size, a, a);
            const QByteArray back =
                FieldCompression::decompress(FieldCompression::compress(data, 2));
            QVERIFY2(back == data, qPrintable(QString::number(a)));
            // No large spare room is kept behind the field.
            QVERIFY2(back.capacity() - back.size() <= qMax<qsizetype>(64 * 1024, back.size() / 4),
                     qPrintable(QString::number(a)));
        }
    }

    void fieldsLargerThanTheFirstGuessAndTinyOnes()
    {
        // Zeros pack a thousandfold: the buffer doubles many times.
        const QByteArray zeros(20 * 1024 * 1024, '\0');
        QCOMPARE(FieldCompression::decompress(FieldCompression::compress(zeros, 9)), zeros);
        for (const QByteArray &small : {QByteArray("x"), QByteArray("BM"), QByteArray("BM\x10"),
                                        QByteArray("BM\x06\0\0\0", 6)})
            QCOMPARE(FieldCompression::decompress(FieldCompression::compress(small, 2)), small);
        QVERIFY(FieldCompression::decompress(QByteArray()).isEmpty());
        // A cut stream is refused, also after the size was taken from its start.
        const QByteArray z = FieldCompression::compress(bitmapLike(500000, 500000, 1), 2);
        QVERIFY_THROWS_EXCEPTION(EngineError, FieldCompression::decompress(z.left(z.size() / 2)));
    }
};

TESSARY_TEST(TestFieldSize)
#include "tst_fieldsize.moc"
