#pragma once

#include <QList>
#include <QString>

// The kinds of field a report table can hold.
enum class FieldType
{
    AutoInc,  // 32-bit integer identity assigned by the engine on append
    Integer,  // signed integer
    DateTime, // local date and time
    Memo,     // text of any length
    Blob      // bytes of any length
};

// One field of a table definition. Memo and blob fields may be compressed by the
// engine with zlib at the given level (1..9); 0 means stored as is.
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Integer;
    bool required = false;
    int compressionLevel = 0;
};

using FieldDefs = QList<FieldDef>;

// The type a report file declares for the field ("AUTOINC", "INTEGER",
// "DATETIME", "MEMO", "BLOB", with "_Zn" for compression at level n).
QString declaredForm(const FieldDef &f);
