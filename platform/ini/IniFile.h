#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An INI text file (section headers in square brackets, "key=value" lines) that
// the program shares with the host. Writing a key changes only that key's line
// (or adds it at the end of its section, or adds the section at the end of the
// file): every other line, comment, blank line and unknown key stays as it was,
// and so do the file's line endings, byte-order mark and encoding. Section and key names match
// without regard to case, as the host's own reader does. Missing files read as empty.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    const QString &path() const { return m_path; }

    QString readString(const QString &section, const QString &key,
                       const QString &def = QString()) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool hasKey(const QString &section, const QString &key) const;

    // Changes the key in memory; updateFile() writes the file.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);

    // Writes the lines back; creates the file (and its folder) when missing.
    // Throws TessaryError when the file cannot be written.
    void updateFile();

private:
    struct Line
    {
        QString text;
        QString eol; // "\r\n", "\n", "\r", or empty for a last line without one
    };

    int findSection(const QString &section) const;
    int findKey(int sectionLine, const QString &key) const;
    void insertLine(int at, const QString &text);

    QString m_path;
    QList<Line> m_lines;
    QString m_eol = QStringLiteral("\r\n"); // for added lines: the file's own, CRLF when new
    bool m_bom = false;
    bool m_latin1 = false; // the file is not UTF-8: kept byte for byte as 8-bit text
};
