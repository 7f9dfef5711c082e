#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QFormLayout;
class QVBoxLayout;
class WPView;

// Common frame of the word processor's small dialogs: a form of labelled
// fields above OK and Cancel, texts in the active language of the view.
class WPDialogBase : public QDialog
{
    Q_OBJECT
public:
    WPDialogBase(WPView *view, const QString &objectName, const QString &title);

    // Runs the dialog through the dialogs seam; true when accepted.
    bool run();

    // Document units (pixels at 96 per inch) and centimetres.
    static qreal pixelsToCm(qreal px) { return px / 96.0 * 2.54; }
    static qreal cmToPixels(qreal cm) { return cm / 2.54 * 96.0; }

protected:
    QString tx(const QString &english) const;
    // A field with its translated label, named for scripted answers.
    void addRow(const QString &label, QWidget *field, const QString &name);
    QDoubleSpinBox *addNumber(const QString &label, const QString &name, qreal min, qreal max,
                              qreal value, int decimals, const QString &suffix);
    QFormLayout *form() const { return m_form; }
    QVBoxLayout *outer() const { return m_outer; }
    // Adds the OK and Cancel buttons; call last.
    void addButtons();
    // Called after a language switch has put the dialog's own texts into the
    // new language; for texts a dialog composes itself.
    virtual void languageSwitched() {}

    WPView *m_view;

private:
    // Puts every caption of the open dialog into the view's new language.
    void retranslateTexts();
    QString retranslated(QObject *owner, const char *key, const QString &shown) const;

    QVBoxLayout *m_outer;
    QFormLayout *m_form;
};
