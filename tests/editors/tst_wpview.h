#pragma once

#include <QObject>

// The word-processor control, its table operations, dialogs, ruler, find and
// replace, clipboard and printing.
class TestWPView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void characterStyles();
    void typingFormatWithoutSelection();
    void paragraphsAndDialog();
    void listsAndLevels();
    void bulletDialog();
    void tabStopsDialogAndRuler();
    void tablesRowsAndColumns();
    void tableBorders();
    void picturesAndLinks();
    void findAndReplace();
    void findDialog();
    void clipboardFormats();
    void pasteRtf();
    void fontDialog();
    void pageSetupAndPrinting();
    void dialogLanguage();
};
