#pragma once

#include "timeline/TimeLineDocument.h"

#include <QDialog>
#include <QLocale>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
class TColorBox;
class TTimeBar;

// The timeline options dialog ("Timeline Options"): the background and bar
// gradients, the default annotation colour, round corners, and the fonts of
// the date labels and of the annotations of a time bar. It also holds the
// routines that write a time bar and its descriptions list as the timeline
// text and read them back.
class TTimeLineOptionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TTimeLineOptionsDlg(TTimeBar *timeLine, QWidget *parent = nullptr);

    // ---- The timeline text
    static void SaveTimeLineToString(const TTimeBar &timeLine, const QStringList &descriptions,
                                     QString &text, const QLocale &locale = QLocale());
    // Clears the events and the descriptions and rebuilds them, the colours and
    // the ranges from text. Returns what was read, with the lines that could not
    // be (Problems) and the number of records recognised.
    static TimeLineDocument LoadTimeLinefromString(TTimeBar &timeLine, QStringList &descriptions,
                                                   const QString &text,
                                                   const QLocale &locale = QLocale());
    // The text as a UTF-8 file. Throws TessaryError when the file cannot be written.
    static void SaveTimeLineToFile(const TTimeBar &timeLine, const QStringList &descriptions,
                                   const QString &fileName, const QLocale &locale = QLocale());
    // Throws TessaryError when the file cannot be read.
    static TimeLineDocument LoadTimeLineFromFile(TTimeBar &timeLine, QStringList &descriptions,
                                                 const QString &fileName,
                                                 const QLocale &locale = QLocale());
    // What the text carries of a time bar and its descriptions, and the reverse.
    static TimeLineDocument DocumentOf(const TTimeBar &timeLine, const QStringList &descriptions);
    static void ApplyDocument(const TimeLineDocument &doc, TTimeBar &timeLine,
                              QStringList &descriptions);
    // " Tahoma Bold 8": a space, the family, " Bold", " Italic", a space and the size.
    static QString FontDescription(const QFont &font);

    // ---- The dialog
    // Shows the time bar's current values.
    void FormActivate();
    // Applies the colour boxes and the check box to the time bar.
    void AdjustColors();
    // Font dialogs for the date labels and for the annotations.
    void TimeLineFontClick();
    void AnnotationFontClick();

    TColorBox *BkColor = nullptr;
    TColorBox *BkColorTo = nullptr;
    TColorBox *TimeLineFrom = nullptr;
    TColorBox *TimeLineTo = nullptr;
    TColorBox *IndicatorColor = nullptr;
    QCheckBox *isRoundCorners = nullptr;
    QLabel *TimeLineFont = nullptr;
    QLabel *AnnotationFont = nullptr;
    QPushButton *TimeLineFontBtn = nullptr;
    QPushButton *AnnotationFontBtn = nullptr;
    QPushButton *CloseBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    // A click on a font sample panel opens its font dialog.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TTimeBar *m_timeLine;
    bool m_activating = false;
};
