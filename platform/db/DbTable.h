#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <functional>

// A cursor on one table of a database, in the table's natural order (ascending
// identity). Rows are read afresh from the file: other processes may change the
// table between calls. Field values are read from the current row; writes go into
// a row buffer opened by append() or edit() and reach the file on post().
// Every failure of the engine is thrown as EngineError.
class DbTable
{
public:
    virtual ~DbTable() = default;

    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual QString tableName() const = 0;

    // Navigation. eof() is true after next() passed the last row and on an empty table.
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool eof() const = 0;
    // Moves to the row whose field equals value exactly; returns false (and
    // leaves the position unchanged) when there is none.
    virtual bool locate(const QString &field, const QVariant &value) = 0;
    // Identity of the current row, for remembering and returning to a position.
    virtual qint64 currentRowId() const = 0;
    virtual bool gotoRowId(qint64 rowId) = 0;

    // Editing: append() starts a new row, edit() changes the current one, post()
    // writes the buffer, cancel() drops it. deleteRow() removes the current row
    // and moves to the next one.
    virtual void append() = 0;
    virtual void edit() = 0;
    virtual void post() = 0;
    virtual void cancel() = 0;
    virtual void deleteRow() = 0;

    // Field access on the current row (or on the row buffer while editing).
    virtual bool isNull(const QString &field) const = 0;
    virtual qint64 asInteger(const QString &field) const = 0;
    virtual QString asText(const QString &field) const = 0;
    virtual QDateTime asDateTime(const QString &field) const = 0;
    virtual QByteArray asBytes(const QString &field) const = 0;

    virtual void setInteger(const QString &field, qint64 value) = 0;
    virtual void setText(const QString &field, const QString &value) = 0;
    virtual void setDateTime(const QString &field, const QDateTime &value) = 0;
    virtual void setBytes(const QString &field, const QByteArray &value) = 0;
    virtual void setNull(const QString &field) = 0;

    // A field as the table keeps it, for moving large values without
    // converting them. storedCompression() is the zlib level at which the
    // table keeps the field compressed (0: as it is); storedBytes() reads the
    // current row's field as kept (*compressed: the bytes are a zlib stream
    // still to be inflated); setStoredBytes() writes bytes already in that
    // form into the row buffer; storedDigest() is the MD5 of the bytes as
    // kept (empty for NULL or no bytes), computed where the data is, so that a large
    // value can be compared without being read. The defaults go through the
    // plain accessors.
    virtual int storedCompression(const QString &field) const
    {
        Q_UNUSED(field);
        return 0;
    }
    virtual QByteArray storedBytes(const QString &field, bool *compressed) const
    {
        if (compressed)
            *compressed = false;
        return asBytes(field);
    }
    virtual void setStoredBytes(const QString &field, const QByteArray &stored)
    {
        setBytes(field, stored);
    }
    virtual QByteArray storedDigest(const QString &field) const
    {
        bool compressed = false;
        const QByteArray bytes = isNull(field) ? QByteArray() : storedBytes(field, &compressed);
        return bytes.isEmpty() ? QByteArray()
                               : QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
    }

    // Runs after every deleteRow().
    std::function<void()> afterDelete;
};
