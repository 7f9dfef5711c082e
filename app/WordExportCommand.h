#pragma once

#include <QString>

#include <functional>

class HtmlRtfLibrary;
class QWidget;

// The word-processor export of the main window (File, Export: "MS Word..." tag 1,
// "Rich Text..." tag 2, "Word document (.docx)..." tag 3): page selection, save
// dialog, the report as HTML in the temporary folder, conversion, and the offer to
// open the result. The window's parts it needs come in as hooks, so the command
// runs the same with fakes.
class WordExportCommand
{
public:
    struct Hooks
    {
        std::function<void()> saveModif;                   // store the shown page if modified
        std::function<bool()> selectPages;                 // refill and run the page selection; OK?
        std::function<bool(const QString &)> createHtml;   // the chosen pages as HTML into a file
        std::function<void()> showNode;                    // reload the selected page
        std::function<void(bool)> showProgress;            // show / hide the progress bar
        std::function<void()> clearStatus;                 // clear status panel 0
        std::function<void(const QString &)> openDocument; // default: the system's program
    };

    explicit WordExportCommand(Hooks hooks, QWidget *parent = nullptr);

    // Replaces our own HTML-to-RTF converter (tests); not owned.
    void setLibrary(HtmlRtfLibrary *library) { m_library = library; }
    // The folder of the scratch file "temp.html"; default the program's TempFolder.
    void setTempFolder(const QString &folder) { m_tempFolder = folder; }

    // The export; tag 1 ".doc", 2 ".rtf", 3 ".docx" preselects the save dialog's filter.
    // Returns the file written, empty when the user stopped or nothing was written.
    QString ExportMSWordClick(int tag);

private:
    QString tempFolder() const;

    Hooks m_hooks;
    QWidget *m_parent;
    HtmlRtfLibrary *m_library = nullptr;
    QString m_tempFolder;
};
