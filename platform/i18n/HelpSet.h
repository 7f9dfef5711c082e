#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The program's help: one set of HTML pages per help file, one page per window
// and dialog. A help file keeps the name the host application gives it
// ("Tessary.CHM" English, "VENDRALFR.CHM" French, "VENDRALES.CHM" Spanish);
// its pages live in a folder of a help root: a "help" folder beside the
// program may hold sets that replace or add to the ones built in (":/help/").
class HelpSet
{
public:
    // Help contexts of the windows and dialogs.
    enum Context
    {
        MainWindow = 1130,
        CommentBox = 1280,
        NewItemDialog = 1320,
        DocumentEditor = 1400,
        TableEditor = 1410,
        ChartEditor = 1420,
        PictureEditor = 1430,
        DiagramEditor = 1440,
        WordCloudEditor = 1450,
        TimelineViewer = 1460,
        Intake = 1500,
        ImportFiles = 1510,
        Export = 1520,
        GlobalFind = 1530,
        Settings = 1540
    };
    struct Topic
    {
        int context;
        QString page; // file name of the page, e.g. "main.html"
    };
    // Every topic, in the order of the contents.
    static const QList<Topic> &topics();
    // The page of a help context; the main window's page for an unknown one.
    static QString pageOf(int context);

    // The roots searched for help sets, first match wins: the help folder of
    // the program folder, then the built-in pages; or the roots set instead.
    static QStringList defaultRoots(const QString &programFolder);
    // Replaces the roots (an empty list restores them), for a program that
    // keeps its help elsewhere.
    static void setRoots(const QStringList &roots);
    // The folder of a help file's pages ("…/fr/"), empty when no root holds it.
    static QString locate(const QString &helpFile, const QStringList &roots);
    // The folder name of a help file's pages: "en", "fr" or "es" (empty if unknown).
    static QString folderOf(const QString &helpFile);

    // The application's help file in force (a folder of pages, as locate()
    // returns it), set at start and after every language switch.
    static QString current();
    static void setCurrent(const QString &folder);
};
