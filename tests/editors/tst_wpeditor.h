#pragma once

#include <QObject>

// The document editor: page content and the modified mark, its commands and
// pop-up menu, the colours at the caret, the dialogs' language, files in and
// out by extension, import and export, and drawing.
class TestWPEditor : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageModifiedOnTypingNotOnLoad();
    void storedFormRoundTrip();
    void malformedContent();
    void commandsAndPopup();
    void caretColours();
    void setLanguage();
    void loadFileByExtension();
    void loadDocxMadeByPandoc();
    void saveToFileByExtension();
    void importAndExport();
    void renderImage();
};
