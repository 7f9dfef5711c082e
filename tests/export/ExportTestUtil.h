#pragma once

#include "export/PageEditors.h"
#include "store/StoreHost.h"
#include "store/TDM.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <memory>

// A report opened read-only through the program's store with the real page
// editors, without a window.
struct HeadlessStore
{
    StoreHost host;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<PageEditors> editors;
    explicit HeadlessStore(const QString &file);
    ~HeadlessStore();
};

// The text of a file (empty when it cannot be read).
QString readText(const QString &file);
// Numeric character references (&#233;) turned back into characters.
QString decodeReferences(const QString &html);
// The src of every <img> of an HTML text, in order.
QStringList imageSources(const QString &html);
// Titles of every "<H3><CENTER>title</CENTER></H3>" heading, in order.
QStringList headings(const QString &html);
