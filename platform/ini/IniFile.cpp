#include "platform/ini/IniFile.h"

#include "platform/TessaryError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
bool isSectionLine(const QString &line, QString *name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const int close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    *name = t.mid(1, close - 1).trimmed();
    return true;
}

// A "key=value" line: the key is the text before the first '=', the value the
// text after it, both without surrounding spaces. Comments are not keys.
bool keyOf(const QString &line, QString *key, QString *value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#')))
        return false;
    const int eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    if (value)
        *value = line.mid(eq + 1).trimmed();
    return true;
}
} // namespace

IniFile::IniFile(const QString &path) : m_path(path)
{
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = f.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_bom = true;
        bytes.remove(0, 3);
    }
    // Files written by the host on Windows are often in its 8-bit code page:
    // text that is not valid UTF-8 is read byte for byte, so that it is written
    // back unchanged.
    // A decoder keeps an unfinished sequence at the very end for more input
    // instead of flagging it, so the text is checked to give the bytes back.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if ((utf8.hasError() || text.toUtf8() != bytes) && !m_bom) {
        m_latin1 = true;
        text = QString::fromLatin1(bytes);
    }

    bool eolSeen = false;
    int start = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        const bool crlf =
            c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n');
        const QString eol = crlf ? QStringLiteral("\r\n") : QString(c);
        m_lines.append({text.mid(start, i - start), eol});
        if (!eolSeen) {
            m_eol = eol; // new lines follow the file's first line ending
            eolSeen = true;
        }
        if (crlf)
            ++i;
        start = i + 1;
    }
    if (start < n)
        m_lines.append({text.mid(start), QString()}); // a last line without line ending
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i)
        if (isSectionLine(m_lines[i].text, &name) &&
            name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    QString name, k;
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        if (isSectionLine(m_lines[i].text, &name))
            return -1;
        if (keyOf(m_lines[i].text, &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return def;
    QString name, value;
    keyOf(m_lines[k].text, &name, &value);
    return value;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int v = readString(section, key).toInt(&ok);
    return ok ? v : def;
}

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

void IniFile::insertLine(int at, const QString &text)
{
    // A last line without a line ending gets one before anything follows it.
    if (at > 0 && m_lines[at - 1].eol.isEmpty())
        m_lines[at - 1].eol = m_eol;
    m_lines.insert(at, {text, m_eol});
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    const int s = findSection(section);
    if (s < 0) {
        insertLine(m_lines.size(), QLatin1Char('[') + section + QLatin1Char(']'));
        insertLine(m_lines.size(), line);
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines[k].text = line;
        return;
    }
    // After the last key line of the section, or right after its header.
    int insertAt = s + 1;
    QString name, other;
    for (int i = s + 1; i < m_lines.size() && !isSectionLine(m_lines[i].text, &name); ++i)
        if (keyOf(m_lines[i].text, &other, nullptr))
            insertAt = i + 1;
    insertLine(insertAt, line);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::updateFile()
{
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw TessaryError(QCoreApplication::translate(
                               "Settings", "Cannot write %1: the folder %2 cannot be created")
                               .arg(m_path, folder));
    QString text;
    for (const Line &line : std::as_const(m_lines))
        text += line.text + line.eol;
    QByteArray out = m_bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    out += m_latin1 ? text.toLatin1() : text.toUtf8();
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        throw TessaryError(QCoreApplication::translate("Settings", "Cannot write %1: %2")
                               .arg(m_path, f.errorString()));
    if (f.write(out) != out.size() || !f.commit())
        throw TessaryError(QCoreApplication::translate("Settings", "Cannot write %1: %2")
                               .arg(m_path, f.errorString()));
}
