// The database engine on real SQLite files: field types and compression, the
// cursor, several connections and processes on one file, and bad files.
#include "platform/db/DbTable.h"
#include "platform/db/EngineError.h"
#include "platform/db/FieldCompression.h"
#include "platform/db/SqliteEngine.h"
#include "tests/support/TestReport.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QtEndian>
#include <QtTest>
#include <zlib.h>

namespace {
const FieldDefs kFields = {
    {"PageId", FieldType::AutoInc, false, 0},       {"PageDate", FieldType::DateTime, false, 0},
    {"PageInfo", FieldType::Memo, false, 2},        {"PageType", FieldType::Integer, false, 0},
    {"PageContent", FieldType::Blob, false, 2},     {"PageComment", FieldType::Memo, false, 9},
    {"PageRandomKey", FieldType::Integer, false, 0}};

QString sqlite3(const QString &file, const QString &sql)
{
    QProcess p;
    p.start("sqlite3", {file, sql});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

std::unique_ptr<DbTable> newTable(SqliteEngine &engine, const QString &file)
{
    engine.createDatabase(file);
    engine.createTable("OUTPUT", kFields);
    auto t = engine.table("OUTPUT");
    t->open();
    return t;
}

// A field that starts like a BMP file image announcing the given size, with
// runs and noise so that it packs like a photograph.
QByteArray bitmapLike(int size, quint32 announced)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator gen(announced);
    for (int i = 0; i < size; ++i)
        bytes[i] = char(i % 97 < 60 ? (i / 5) & 0xFF : gen.generate() & 0xFF);
    if (size >= 6) {
        bytes[0] = 'B';
        bytes[1] = 'M';
        qToLittleEndian(announced, reinterpret_cast<uchar *>(bytes.data()) + 2);
    }
    return bytes;
}

// Plain zlib, as a host writes and reads the fields.
QByteArray zlibDeflate(const QByteArray &data, int level)
{
    uLongf n = compressBound(uLong(data.size()));
    QByteArray out(int(n), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &n,
                  reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()),
                  level) != Z_OK)
        return QByteArray("compress2 failed");
    out.truncate(int(n));
    return out;
}

QByteArray zlibInflate(const QByteArray &stream, int size)
{
    QByteArray out(qMax(1, size), Qt::Uninitialized);
    uLongf n = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &n,
                   reinterpret_cast<const Bytef *>(stream.constData()),
                   uLong(stream.size())) != Z_OK)
        return QByteArray("uncompress failed");
    out.truncate(int(n));
    return out;
}

qint64 append(DbTable &t, int type, const QString &info)
{
    t.append();
    t.setInteger("PageType", type);
    t.setText("PageInfo", info);
    t.post();
    return t.asInteger("PageId");
}
} // namespace

class TestDb : public QObject
{
    Q_OBJECT
private slots:
    void compression()
    {
        QByteArray big(5 * 1024 * 1024, '\0');
        QRandomGenerator rng(7);
        for (int i = 0; i < big.size(); i += 4)
            *reinterpret_cast<quint32 *>(big.data() + i) = rng.generate() & 0x0F0F0F0F;
        QByteArray noise(5 * 1024 * 1024 + 3, '\0');
        for (char &c : noise)
            c = char(rng.generate());
        for (const QByteArray &data :
             {QByteArray(), QByteArray("x"), QByteArray(100000, 'a'), big, noise}) {
            for (int level : {2, 9}) {
                const QByteArray z = FieldCompression::compress(data, level);
                if (!data.isEmpty()) {
                    QCOMPARE(quint8(z[0]) & 0x0F, 8); // deflate
                    QCOMPARE((quint8(z[0]) * 256 + quint8(z[1])) % 31, 0);
                }
                QCOMPARE(FieldCompression::decompress(z), data);
            }
        }
        const QByteArray z = FieldCompression::compress("hello hello hello", 9);
        for (const QByteArray &bad : {QByteArray("garbage!"), z.left(z.size() - 3), z + "tail",
                                      QByteArray("\x78\x9c"), QByteArray(1, '\x78')})
            QVERIFY_THROWS_EXCEPTION(EngineError, FieldCompression::decompress(bad));
    }

    // Fields are written and read by libdeflate when their size is known; what
    // plain zlib writes must read, what is written must read with plain zlib,
    // and a header announcing a wrong size or a damaged stream must be handled
    // exactly as before.
    void compressionInterchangesWithZlib()
    {
        QVERIFY(FieldCompression::compress(QByteArray(), 2).isEmpty());
        QVERIFY(FieldCompression::decompress(QByteArray()).isEmpty());

        QList<QByteArray> inputs = {QByteArray("x"),
                                    QByteArray("B"),
                                    QByteArray("BM"),
                                    QByteArray("BM\x06\0\0\0", 6),
                                    QByteArray("BM\x07\0\0\0", 6),
                                    QByteArray(70000, '\0'),
                                    "BM" + QByteArray(70000, 'z')};
        const int size = 1024 * 1024 + 3;
        for (quint32 announced : {quint32(size), quint32(size - 1), quint32(size + 1),
                                  quint32(size) / 3, quint32(size) * 2, 0xFFFFFFF0u, 0u, 6u})
            inputs << bitmapLike(size, announced);
        for (const QByteArray &data : inputs) {
            const QString what = QStringLiteral("%1 bytes starting %2")
                                     .arg(data.size())
                                     .arg(QString::fromLatin1(data.left(6).toHex()));
            for (int level : {1, 2, 6, 9}) {
                // Ours read by zlib.
                const QByteArray ours = FieldCompression::compress(data, level);
                QCOMPARE(zlibInflate(ours, data.size()), data);
                // zlib's read by ours.
                const QByteArray theirs = zlibDeflate(data, level);
                QVERIFY2(FieldCompression::decompress(theirs) == data, qPrintable(what));
                QVERIFY2(FieldCompression::decompress(ours) == data, qPrintable(what));
                // The header names the same level class as zlib's.
                QCOMPARE(ours.left(2).toHex(), theirs.left(2).toHex());
            }
            // Stored blocks (level 0, as some hosts write) read too.
            QVERIFY2(FieldCompression::decompress(zlibDeflate(data, 0)) == data, qPrintable(what));
        }

        // A stream read where it lies, inside a larger buffer: only its own
        // bytes count, whatever follows them.
        for (const QByteArray &data : {bitmapLike(size, quint32(size)), QByteArray(5000, 'w')}) {
            const QByteArray z = zlibDeflate(data, 2);
            const QByteArray around = "lead" + z + "tail bytes";
            QCOMPARE(FieldCompression::decompress(around.constData() + 4, z.size()), data);
            QVERIFY_THROWS_EXCEPTION(
                EngineError, FieldCompression::decompress(around.constData() + 4, z.size() + 1));
            QVERIFY_THROWS_EXCEPTION(
                EngineError, FieldCompression::decompress(around.constData() + 4, z.size() - 1));
        }
        QVERIFY(FieldCompression::decompress(nullptr, 0).isEmpty());
        QVERIFY(FieldCompression::decompress("x", 0).isEmpty());

        // A field whose header announces more than it holds keeps no spare room.
        const QByteArray lying = bitmapLike(size, quint32(size) * 4);
        const QByteArray back = FieldCompression::decompress(zlibDeflate(lying, 2));
        QCOMPARE(back, lying);
        QVERIFY(back.capacity() - back.size() <= qMax<qsizetype>(64 * 1024, back.size() / 4));

        // Damage is refused with a message naming it, whether the size was
        // announced or not.
        for (const QByteArray &data : {bitmapLike(size, quint32(size)), QByteArray(size, 'q')}) {
            const QByteArray z = FieldCompression::compress(data, 2);
            auto messageOf = [](const QByteArray &bad) {
                try {
                    FieldCompression::decompress(bad);
                } catch (const EngineError &e) {
                    return e.message();
                }
                return QStringLiteral("no error");
            };
            QVERIFY2(messageOf(z.left(z.size() / 2)).contains("truncated"),
                     qPrintable(messageOf(z.left(z.size() / 2))));
            QVERIFY(messageOf(z.left(z.size() - 1)).contains("damaged"));
            QVERIFY(messageOf(z + "x").contains("bytes follow"));
            QByteArray checksum = z;
            checksum[checksum.size() - 1] = char(checksum[checksum.size() - 1] ^ 0x01);
            QVERIFY(messageOf(checksum).contains("damaged"));
            QByteArray flipped = z;
            for (int i = 10; i < flipped.size() - 4; i += flipped.size() / 7)
                flipped[i] = char(~flipped[i]);
            QVERIFY(messageOf(flipped).contains("damaged"));
            QVERIFY(messageOf(z.left(2)).contains("damaged"));
        }
    }

    void cursorAndFieldTypes()
    {
        const QString file = testTempDir() + "/db.sup";
        SqliteEngine engine;
        auto t = newTable(engine, file);
        QVERIFY(t->eof());
        QVERIFY_THROWS_EXCEPTION(EngineError, t->asInteger("PageId"));

        // Outline row with an explicit id 0, then ids from 1.
        t->append();
        t->setInteger("PageId", 0);
        t->setInteger("PageType", 10);
        t->setText("PageInfo", "Outline");
        t->post();
        QCOMPARE(t->asInteger("PageId"), 0);
        const QDateTime when = QDateTime(QDate(2026, 12, 5), QTime(14, 3, 59, 120));
        QByteArray bytes;
        for (int i = 0; i < 1000; ++i)
            bytes.append(char(i % 256));
        t->append();
        t->setDateTime("PageDate", when);
        t->setText("PageInfo", "a\tb\tÜberschrift – 漢字");
        t->setInteger("PageType", 2);
        t->setBytes("PageContent", bytes);
        t->setText("PageComment", "line1\r\nline2");
        t->post();
        QCOMPARE(t->asInteger("PageId"), 1);
        QCOMPARE(append(*t, 0, "second"), 2);
        QCOMPARE(append(*t, 1, "third"), 3);

        // Natural order and every type read back.
        QList<qint64> ids;
        for (t->first(); !t->eof(); t->next())
            ids << t->asInteger("PageId");
        QCOMPARE(ids, QList<qint64>({0, 1, 2, 3}));
        QVERIFY(t->locate("PageId", 1));
        QCOMPARE(t->asDateTime("PageDate"), when);
        QCOMPARE(t->asText("PageInfo"), QString("a\tb\tÜberschrift – 漢字"));
        QCOMPARE(t->asBytes("PageContent"), bytes);
        QCOMPARE(t->asText("PageComment"), QString("line1\r\nline2"));
        QVERIFY(t->isNull("PageRandomKey"));
        QVERIFY(!t->isNull("PageInfo"));
        try {
            t->asText("NoSuchField");
            QFAIL("unknown field read");
        } catch (const EngineError &e) {
            QVERIFY2(e.message().contains("NoSuchField"), qPrintable(e.message()));
        }

        // Locate: hit by id and by an integer field; a miss keeps the position.
        QVERIFY(t->locate("PageType", 1));
        QCOMPARE(t->asInteger("PageId"), 3);
        QVERIFY(!t->locate("PageId", 42));
        QCOMPARE(t->asInteger("PageId"), 3);
        QVERIFY(!t->locate("PageType", 99));
        QCOMPARE(t->asInteger("PageId"), 3);

        // Edit changes only what was set; empty text is stored as NULL.
        QVERIFY(t->locate("PageId", 1));
        t->edit();
        t->setText("PageComment", "");
        QCOMPARE(t->asText("PageComment"), QString()); // the buffer is read while editing
        t->post();
        QCOMPARE(t->asBytes("PageContent"), bytes);
        QCOMPARE(sqlite3(file,
                         "select PageComment is null, typeof(PageInfo) from OUTPUT where PageId=1"),
                 QString("1|blob"));
        QCOMPARE(sqlite3(file, "select PageDate from OUTPUT where PageId=1"),
                 QString("2026-12-05T14:03:59.120"));

        // Delete moves to the next row and notifies.
        int deleted = 0;
        t->afterDelete = [&] { ++deleted; };
        QVERIFY(t->locate("PageId", 2));
        t->deleteRow();
        QCOMPARE(deleted, 1);
        QCOMPARE(t->asInteger("PageId"), 3);
        t->deleteRow();
        QVERIFY(t->eof());
        QCOMPARE(sqlite3(file, "select group_concat(PageId) from OUTPUT"), QString("0,1"));
        try {
            t->asText("PageInfo");
            QFAIL("read past the last row");
        } catch (const EngineError &e) {
            QCOMPARE(e.message(), QString("No current record"));
        }
        QVERIFY_THROWS_EXCEPTION(EngineError, t->edit());
        QVERIFY_THROWS_EXCEPTION(EngineError, t->deleteRow());
        // A new row never reuses a deleted id.
        QCOMPARE(append(*t, 0, "fourth"), 4);
        // cancel() drops the buffer; a row with nothing set still gets its id.
        t->edit();
        t->setText("PageInfo", "dropped");
        t->cancel();
        QCOMPARE(t->asText("PageInfo"), QString("fourth"));
        t->append();
        t->post();
        QCOMPARE(t->asInteger("PageId"), 5);
        QVERIFY(t->isNull("PageInfo"));
        QVERIFY(t->isNull("PageDate"));
        QCOMPARE(t->asBytes("PageContent"), QByteArray());

        // The declared types bring the field definitions back after reconnecting.
        engine.disconnect();
        QVERIFY(!engine.isConnected());
        QVERIFY(!t->isOpen());
        QVERIFY_THROWS_EXCEPTION(EngineError, t->first());
        QVERIFY_THROWS_EXCEPTION(EngineError, t->asInteger("PageId"));
        QVERIFY_THROWS_EXCEPTION(EngineError, t->append());
        QVERIFY_THROWS_EXCEPTION(EngineError, engine.tableExists("OUTPUT"));
        QVERIFY_THROWS_EXCEPTION(EngineError, engine.createTable("X", kFields));
        engine.connect(file);
        const FieldDefs back = engine.tableFields("OUTPUT");
        QCOMPARE(back.size(), kFields.size());
        for (int i = 0; i < back.size(); ++i) {
            QCOMPARE(back[i].name, kFields[i].name);
            QCOMPARE(int(back[i].type), int(kFields[i].type));
            QCOMPARE(back[i].compressionLevel, kFields[i].compressionLevel);
        }
        QVERIFY(engine.tableExists("OUTPUT"));
        QVERIFY(!engine.tableExists("OTHER"));
        engine.dropTable("OUTPUT");
        QVERIFY(!engine.tableExists("OUTPUT"));
        auto missing = engine.table("OUTPUT");
        QVERIFY_THROWS_EXCEPTION(EngineError, missing->open());
    }

    void otherConnectionsAndProcesses()
    {
        const QString file = testTempDir() + "/shared.sup";
        SqliteEngine mine;
        auto t = newTable(mine, file);
        append(*t, 10, "Outline");

        // Another connection in this process.
        SqliteEngine other;
        other.connect(file);
        auto o = other.table("OUTPUT");
        o->open();
        append(*o, 3, "from another connection");

        // Another process: the plain sqlite3 command, with a compressed and a plain text value.
        const QByteArray z = FieldCompression::compress("zipped by hand", 6).toHex();
        QCOMPARE(sqlite3(file, QString("insert into OUTPUT (PageType, PageInfo) values (1, x'%1');"
                                       "insert into OUTPUT (PageType, PageInfo, PageComment) "
                                       "values (2, 'plain text', 'plain note');"
                                       "select count(*) from OUTPUT")
                                   .arg(QString::fromLatin1(z))),
                 QString("4"));
        QStringList infos;
        for (t->first(); !t->eof(); t->next())
            infos << t->asText("PageInfo");
        QCOMPARE(infos, QStringList({"Outline", "from another connection", "zipped by hand",
                                     "plain text"}));
        QVERIFY(t->locate("PageType", 2));
        QCOMPARE(t->asText("PageComment"), QString("plain note"));
        QCOMPARE(sqlite3(file, "pragma journal_mode"), QString("wal"));

        // What another client finds in a compressed memo: a zlib stream of the UTF-8 text.
        const QString text = QString("Überschrift\t漢字 ") + QString(300, 'x');
        t->append();
        t->setInteger("PageType", 7);
        t->setText("PageInfo", text);
        t->post();
        const QByteArray stored = QByteArray::fromHex(
            sqlite3(file, "select hex(PageInfo) from OUTPUT where PageType=7").toLatin1());
        const QByteArray utf8 = text.toUtf8();
        QByteArray inflated(utf8.size() + 16, '\0');
        uLongf inflatedSize = uLongf(inflated.size());
        QCOMPARE(::uncompress(reinterpret_cast<Bytef *>(inflated.data()), &inflatedSize,
                              reinterpret_cast<const Bytef *>(stored.constData()),
                              uLong(stored.size())),
                 Z_OK);
        QCOMPARE(inflated.left(int(inflatedSize)), utf8);
        QVERIFY(stored.size() < utf8.size());

        // Dates written by another client with a space and without milliseconds.
        sqlite3(file, "update OUTPUT set PageDate='2025-03-04 05:06:07' where PageType=7");
        QVERIFY(t->locate("PageType", 7));
        QCOMPARE(t->asDateTime("PageDate"), QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));
        sqlite3(file, "update OUTPUT set PageDate='2025-03-04T05:06:07' where PageType=7");
        QVERIFY(t->locate("PageType", 7));
        QCOMPARE(t->asDateTime("PageDate"), QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7)));

        // A row deleted elsewhere: editing it fails clearly.
        QVERIFY(t->locate("PageType", 1));
        sqlite3(file, "delete from OUTPUT where PageType = 1");
        t->edit();
        t->setText("PageInfo", "too late");
        QVERIFY_THROWS_EXCEPTION(EngineError, t->post());

        // A damaged compressed value is an error naming the field.
        sqlite3(file, "update OUTPUT set PageContent = x'0102030405' where PageType = 3");
        QVERIFY(t->locate("PageType", 3));
        try {
            t->asBytes("PageContent");
            QFAIL("damaged value read");
        } catch (const EngineError &e) {
            QVERIFY2(e.message().contains("PageContent"), qPrintable(e.message()));
        }
    }

    void plainFieldsAndRowidOrder()
    {
        const QString file = testTempDir() + "/plain.db";
        SqliteEngine engine;
        engine.createDatabase(file);
        const FieldDefs fields = {{"Name", FieldType::Memo, true, 0},
                                  {"Size", FieldType::Integer, false, 0},
                                  {"Data", FieldType::Blob, false, 0}};
        engine.createTable("NOTES", fields);
        const FieldDefs back = engine.tableFields("NOTES");
        QCOMPARE(back.size(), 3);
        QVERIFY(back[0].required);
        QCOMPARE(int(back[0].type), int(FieldType::Memo));
        QCOMPARE(back[0].compressionLevel, 0);
        QCOMPARE(int(back[2].type), int(FieldType::Blob));

        auto t = engine.table("NOTES");
        t->open();
        for (const char *name : {"c", "a", "b"}) {
            t->append();
            t->setText("name", name); // field names match without regard to case
            t->setInteger("Size", qint64(1) << 40);
            t->setBytes("Data", QByteArray(name) + '\0' + "tail");
            t->post();
        }
        // Uncompressed memos are stored as text, blobs as they are.
        QCOMPARE(sqlite3(file, "select group_concat(typeof(Name) || ':' || Name) from NOTES"),
                 QString("text:c,text:a,text:b"));
        QCOMPARE(sqlite3(file, "select hex(Data) from NOTES where Name='a'"),
                 QString("61007461696C"));
        // Natural order is the order of the rows' ids, whatever the values.
        QStringList names;
        for (t->first(); !t->eof(); t->next())
            names << t->asText("Name");
        QCOMPARE(names, QStringList({"c", "a", "b"}));
        QVERIFY(t->locate("Name", QString("b")));
        QCOMPARE(t->currentRowId(), 3);
        QCOMPARE(t->asInteger("Size"), qint64(1) << 40);
        QCOMPARE(t->asBytes("Data"), QByteArray("b\0tail", 6));
        QVERIFY(!t->locate("Name", QString("zz")));
        QCOMPARE(t->asText("Name"), QString("b"));
        QVERIFY(t->gotoRowId(1));
        QCOMPARE(t->asText("Name"), QString("c"));
        QVERIFY(!t->gotoRowId(99));
        QCOMPARE(t->asText("Name"), QString("c"));

        // A row another client deleted under the cursor: next() still moves on.
        sqlite3(file, "delete from NOTES where rowid=1");
        QVERIFY_THROWS_EXCEPTION(EngineError, t->asBytes("Data"));
        t->next();
        QCOMPARE(t->asText("Name"), QString("a"));

        // Any integer is a row id, -1 too: it is a row like any other.
        sqlite3(file, "insert into NOTES (rowid, Name) values (-1, 'minus')");
        t->first();
        QVERIFY(!t->eof());
        QCOMPARE(t->currentRowId(), -1);
        QCOMPARE(t->asText("Name"), QString("minus"));
        t->next();
        QCOMPARE(t->asText("Name"), QString("a"));
        QVERIFY(t->gotoRowId(-1));
        t->deleteRow();
        QCOMPARE(t->asText("Name"), QString("a"));
    }

    void badFiles()
    {
        const QString dir = testTempDir();
        SqliteEngine engine;
        try {
            engine.connect(dir + "/missing.sup");
            QFAIL("connected to a missing file");
        } catch (const EngineError &e) {
            QVERIFY(e.message().contains("missing.sup"));
        }
        QVERIFY(!QFile::exists(dir + "/missing.sup"));
        QFile junk(dir + "/junk.sup");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(8192, 'q'));
        junk.close();
        try {
            engine.connect(dir + "/junk.sup");
            QFAIL("connected to a file that is not a database");
        } catch (const EngineError &e) {
            QVERIFY2(e.message().contains("not a report database"), qPrintable(e.message()));
        }
        QVERIFY(!engine.isConnected());
        QVERIFY_THROWS_EXCEPTION(EngineError, engine.createDatabase(dir + "/no/such/folder/x.sup"));
    }
};

QTEST_MAIN(TestDb)
#include "tst_db.moc"
