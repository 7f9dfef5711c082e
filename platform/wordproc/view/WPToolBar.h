#pragma once

#include <QToolBar>

class QComboBox;
class QFontComboBox;
class QTextCharFormat;
class WPView;

// The word processor's toolbar: the font-name and font-size boxes bound to a
// WPView (they follow the caret and set the selection's font), followed by
// whatever actions the owner adds.
class WPToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit WPToolBar(WPView *view, QWidget *parent = nullptr);

    QFontComboBox *fontNameBox() const { return m_name; }
    QComboBox *fontSizeBox() const { return m_size; }

private:
    void follow(const QTextCharFormat &format);

    WPView *m_view;
    QFontComboBox *m_name;
    QComboBox *m_size;
};
