#include "platform/ini/IniFile.h"

#include "platform/TessaryError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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
    const QString text = QString::fromUtf8(bytes);
    if (!text.contains(QStringLiteral("\r\n")) && text.contains(QLatin1Char('\n')))
        m_eol = QStringLiteral("\n");
    m_lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // The text after the last line break is an empty "line" that is not kept.
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i)
        if (isSectionLine(m_lines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int IniFile::findKey(int sectionLine, const QString &key) const
{
    QString name, k;
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        if (isSectionLine(m_lines[i], &name))
            return -1;
        if (keyOf(m_lines[i], &k, nullptr) && k.compare(key, Qt::CaseInsensitive) == 0)
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
    keyOf(m_lines[k], &name, &value);
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

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString line = key + QLatin1Char('=') + value;
    int s = findSection(section);
    if (s < 0) {
        m_lines << QLatin1Char('[') + section + QLatin1Char(']') << line;
        return;
    }
    const int k = findKey(s, key);
    if (k >= 0) {
        m_lines[k] = line;
        return;
    }
    // After the last key line of the section, before any blank lines that end it.
    int insertAt = s + 1;
    QString name, kk;
    for (int i = s + 1; i < m_lines.size() && !isSectionLine(m_lines[i], &name); ++i)
        if (!m_lines[i].trimmed().isEmpty())
            insertAt = i + 1;
    m_lines.insert(insertAt, line);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::updateFile()
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        throw TessaryError(QStringLiteral("Cannot write %1: %2").arg(m_path, f.errorString()));
    QByteArray out = m_bom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    for (const QString &line : std::as_const(m_lines))
        out += (line + m_eol).toUtf8();
    f.write(out);
    if (!f.commit())
        throw TessaryError(QStringLiteral("Cannot write %1: %2").arg(m_path, f.errorString()));
}
