#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QObject;
class QWidget;

// The user-visible texts of a window: every widget's, menu's and action's
// caption and tooltip, each with where it was found, so that a test can
// compare what a window shows in two languages.
struct WidgetText
{
    QPointer<QObject> object;
    QString property; // "text", "toolTip", "title", "windowTitle", "item3", ...
    QString text;
    QString where() const;
};

QList<WidgetText> collectTexts(QWidget *root);

// Texts that are not captions: numbers, signs, the program's name, file names.
bool sameInEveryLanguage(const QString &text);

// Labels and buttons of a shown window whose text does not fit their width.
QStringList clippedTexts(QWidget *root);
