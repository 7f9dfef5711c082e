#pragma once

#include <QObject>
#include <QString>

class TTessaryM;

// The tree's import command ("Import files..."): the user picks one or more
// files in the import dialog and each becomes a page under the selected node,
// in the dialog's order (TDM::AppendFile through FileImport). The status bar
// shows the progress and the window repaints between files. The first file
// that cannot be read stops the rest; the error names it.
class ImportCommand : public QObject
{
    Q_OBJECT
public:
    explicit ImportCommand(TTessaryM *window);

    // The import dialog's filter; its second entry (charts) is shown first.
    static QString ImportFilter();
    static constexpr int ImportFilterIndex = 2;

    void NodeImportClick();
    // Imports files under the selected node (the root when none is), then
    // shows the selected page. Throws TessaryError naming the file that
    // stopped the import.
    void importFiles(const QStringList &files);

    // The folder the import dialog opens in (the folder of the last import).
    QString folder() const { return m_folder; }

private:
    TTessaryM *m_window;
    QString m_folder;
};
