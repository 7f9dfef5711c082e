#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPersistentModelIndex>
#include <QString>
#include <QStringList>
#include <functional>

class TDM;
class StoreHost;

// Makes pages from files, one after another in the order given: what the
// tree's import command and tessary-cli import both run. Under a node of the
// tree each file goes through TDM::AppendFile; without one each becomes a row
// left for the intake (PageInfo is two tabs and the title, so that the intake
// titles its node). Each file is one transaction. The first file that cannot
// be imported stops the rest; what was made before it stays.
class FileImport
{
    Q_DECLARE_TR_FUNCTIONS(FileImport)
public:
    struct Result
    {
        QList<qint32> ids;    // pages made, in order
        int failed = -1;      // index of the file that stopped the import, or -1
        QString failedFile;   // its path
        QString reason;       // the error of the editor, converter or engine
        int notImported = 0;  // files after it that were not tried
        bool stopped = false; // the report was closed or the target node went meanwhile
        bool ok() const { return failed < 0 && !stopped; }
        // One message for the user: which file, why, and what was not imported.
        QString message() const;
    };

    FileImport(TDM &store, StoreHost *host = nullptr);

    // Lets the window repaint and its timers run between files (user input
    // waits), so that a long import shows its progress.
    bool keepResponsive = false;
    // Runs after each page made, with its id.
    std::function<void(qint32 id)> pageMade;

    // Imports files under the node at parent; an invalid parent leaves the rows
    // for the intake. Progress goes to the host's status line while more than
    // one file is imported, and is cleared at the end.
    Result run(const QStringList &files, const QPersistentModelIndex &parent);

private:
    TDM &m_store;
    StoreHost *m_host;
};
