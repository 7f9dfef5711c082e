#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QPrinter>

#include <QAbstractButton>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QMetaProperty>
#include <QVariantMap>

void ScriptedDialogs::answer(const QString &kind, const QVariant &value)
{
    // Other names some tests use for the same questions.
    QString k = kind;
    if (k == QLatin1String("saveAs"))
        k = QStringLiteral("saveFiltered");
    else if (k == QLatin1String("preview"))
        k = QStringLiteral("printPreview");
    m_answers.append({k, value});
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

QStringList ScriptedDialogs::openFiles(QWidget *, const QString &caption, const QString &folder,
                                       const QString &filter, int filterIndex)
{
    lastOpenFolder = folder;
    lastOpenFilter = filter;
    lastOpenFilterIndex = filterIndex;
    return take("openMany", caption).toStringList();
}

QString ScriptedDialogs::saveFile(QWidget *, const QString &caption, const QString &,
                                  const QString &, const QString &)
{
    return take("save", caption).toString();
}

QString ScriptedDialogs::saveFileFiltered(QWidget *, const QString &caption, const QString &folder,
                                          const QString &filter, int &filterIndex)
{
    lastSaveFolder = folder;
    lastSaveFilter = filter;
    lastSaveFilterIndex = filterIndex;
    const QVariant v = take("saveFiltered", caption);
    if (v.typeId() == QMetaType::QVariantList) {
        const QVariantList pair = v.toList();
        if (pair.size() > 1 && !pair.at(0).toString().isEmpty())
            filterIndex = pair.at(1).toInt();
        return pair.value(0).toString();
    }
    return v.toString();
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

bool ScriptedDialogs::printPreview(QWidget *, QPrinter *printer,
                                   const std::function<void(QPrinter *)> &paint)
{
    if (!take("printPreview", QString()).toBool())
        return false;
    // A test never reaches a real printer: what is printed goes to a PDF file.
    if (printer->outputFileName().isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QDir::temp().filePath(QStringLiteral("scripted-print.pdf")));
    }
    paint(printer);
    return true;
}

bool ScriptedDialogs::runDialog(QDialog *dialog)
{
    const QVariant v = take("dialog", dialog->objectName());
    QList<QPair<QString, QVariant>> fields;
    if (v.typeId() == QMetaType::QVariantMap) {
        const QVariantMap map = v.toMap();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            fields.append({it.key(), it.value()});
    } else if (v.typeId() == QMetaType::QVariantList) {
        const QVariantList list = v.toList();
        for (int i = 0; i + 1 < list.size(); i += 2)
            fields.append({list[i].toString(), list[i + 1]});
    } else {
        return v.toBool();
    }
    for (const auto &field : fields) {
        QWidget *w = dialog->findChild<QWidget *>(field.first);
        if (!w) {
            unanswered << QStringLiteral("field: ") + field.first;
            continue;
        }
        auto *button = qobject_cast<QAbstractButton *>(w);
        if (button && field.second == QVariant(QStringLiteral("click"))) {
            button->click();
            continue;
        }
        const QMetaProperty user = w->metaObject()->userProperty();
        if (!user.isValid() || !user.write(w, field.second))
            unanswered << QStringLiteral("field: ") + field.first;
    }
    dialog->accept();
    return true;
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
