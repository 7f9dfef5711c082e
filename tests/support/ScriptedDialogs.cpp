#include "tests/support/ScriptedDialogs.h"

#include <QColor>
#include <QDir>
#include <QFont>
#include <QPrinter>

void ScriptedDialogs::answer(const QString &kind, const QVariant &value)
{
    m_answers.append({kind, value});
}

QVariant ScriptedDialogs::take(const QString &kind, const QString &text)
{
    asked << kind + QStringLiteral(": ") + text;
    for (int i = 0; i < m_answers.size(); ++i) {
        if (m_answers[i].first == kind)
            return m_answers.takeAt(i).second;
    }
    if (kind != QLatin1String("message"))
        unanswered << kind + QStringLiteral(": ") + text;
    return QVariant();
}

void ScriptedDialogs::message(QWidget *, const QString &text, Icon)
{
    take("message", text);
}

bool ScriptedDialogs::confirm(QWidget *, const QString &text)
{
    return take("confirm", text).toBool();
}

std::optional<QString> ScriptedDialogs::inputText(QWidget *, const QString &caption,
                                                  const QString &, const QString &)
{
    const QVariant v = take("input", caption);
    if (!v.isValid())
        return std::nullopt;
    return v.toString();
}

QString ScriptedDialogs::openFile(QWidget *, const QString &caption, const QString &,
                                  const QString &, int)
{
    return take("open", caption).toString();
}

QStringList ScriptedDialogs::openFiles(QWidget *, const QString &caption, const QString &,
                                       const QString &, int)
{
    return take("openMany", caption).toStringList();
}

QString ScriptedDialogs::saveFile(QWidget *, const QString &caption, const QString &,
                                  const QString &, const QString &)
{
    return take("save", caption).toString();
}

std::optional<QColor> ScriptedDialogs::chooseColor(QWidget *, const QColor &)
{
    const QVariant v = take("color", QString());
    if (!v.isValid())
        return std::nullopt;
    return v.value<QColor>();
}

std::optional<QFont> ScriptedDialogs::chooseFont(QWidget *, const QFont &)
{
    const QVariant v = take("font", QString());
    if (!v.isValid())
        return std::nullopt;
    return v.value<QFont>();
}

bool ScriptedDialogs::print(QWidget *, QPrinter *)
{
    return take("print", QString()).toBool();
}

bool ScriptedDialogs::printerSetup(QWidget *, QPrinter *)
{
    return take("printerSetup", QString()).toBool();
}

QString ScriptedDialogs::saveFileAs(QWidget *, const QString &caption, const QString &,
                                    const QString &, int *filterIndex)
{
    const QVariantList v = take("saveAs", caption).toList();
    if (v.isEmpty())
        return QString();
    if (filterIndex && v.size() > 1)
        *filterIndex = v.at(1).toInt();
    return v.at(0).toString();
}

bool ScriptedDialogs::printPreview(QWidget *, QPrinter *printer,
                                   const std::function<void(QPrinter *)> &paint)
{
    const bool printed = take("printPreview", QString()).toBool();
    if (printed && paint) {
        // Never a real printer in a test: print into a PDF file in the
        // temporary folder unless the caller chose a file.
        if (printer->outputFileName().isEmpty()) {
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QDir::temp().filePath(QStringLiteral("scripted-print.pdf")));
        }
        paint(printer);
    }
    return printed;
}

ScriptedDialogsScope::ScriptedDialogsScope()
{
    auto d = std::make_unique<ScriptedDialogs>();
    m_dialogs = d.get();
    m_previous = installDialogs(std::move(d));
}

ScriptedDialogsScope::~ScriptedDialogsScope()
{
    installDialogs(std::move(m_previous));
}
