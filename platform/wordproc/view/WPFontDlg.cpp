#include "platform/wordproc/view/WPFontDlg.h"

#include "platform/dialogs/Dialogs.h"
#include "platform/wordproc/view/WPView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {
void paintSwatch(QPushButton *button, const QColor &color)
{
    QPixmap swatch(28, 14);
    swatch.fill(color.isValid() ? color : QColor(Qt::white));
    button->setIcon(QIcon(swatch));
    button->setIconSize(swatch.size());
}
} // namespace

WPFontDlg::WPFontDlg(WPView *view)
    : WPDialogBase(view, QStringLiteral("WPFontDlg"), QStringLiteral("Font"))
{
    const QTextCharFormat f = view->currentCharFormat();
    const QFont font = f.font();
    m_name = new QFontComboBox(this);
    m_name->setCurrentFont(font);
    addRow(QStringLiteral("Font:"), m_name, QStringLiteral("fontName"));
    m_size = addNumber(QStringLiteral("Size:"), QStringLiteral("fontSize"), 1, 400,
                       font.pointSizeF() > 0 ? font.pointSizeF() : 10, 1, QStringLiteral("pt"));
    m_bold = new QCheckBox(tx(QStringLiteral("Bold")), this);
    m_bold->setChecked(font.bold());
    addRow(QString(), m_bold, QStringLiteral("bold"));
    m_italic = new QCheckBox(tx(QStringLiteral("Italic")), this);
    m_italic->setChecked(font.italic());
    addRow(QString(), m_italic, QStringLiteral("italic"));
    m_underline = new QCheckBox(tx(QStringLiteral("Underlined")), this);
    m_underline->setChecked(font.underline());
    addRow(QString(), m_underline, QStringLiteral("underline"));
    m_strike = new QCheckBox(tx(QStringLiteral("Strike Out")), this);
    m_strike->setChecked(font.strikeOut());
    addRow(QString(), m_strike, QStringLiteral("strikeOut"));
    m_position = new QComboBox(this);
    m_position->addItems({tx(QStringLiteral("Normal")), tx(QStringLiteral("Subscript")),
                          tx(QStringLiteral("Superscript"))});
    m_position->setCurrentIndex(f.verticalAlignment() == QTextCharFormat::AlignSubScript     ? 1
                                : f.verticalAlignment() == QTextCharFormat::AlignSuperScript ? 2
                                                                                             : 0);
    addRow(QStringLiteral("Position:"), m_position, QStringLiteral("position"));

    m_text = f.foreground().style() != Qt::NoBrush ? f.foreground().color() : QColor(Qt::black);
    m_textColor = new QPushButton(tx(QStringLiteral("Choose...")), this);
    paintSwatch(m_textColor, m_text);
    addRow(QStringLiteral("Text colour:"), m_textColor, QStringLiteral("textColor"));
    m_back = f.background().style() != Qt::NoBrush ? f.background().color() : QColor();
    m_backColor = new QPushButton(tx(QStringLiteral("Choose...")), this);
    paintSwatch(m_backColor, m_back);
    addRow(QStringLiteral("Background:"), m_backColor, QStringLiteral("backColor"));
    m_noBack = new QCheckBox(tx(QStringLiteral("No background colour")), this);
    m_noBack->setChecked(!m_back.isValid());
    addRow(QString(), m_noBack, QStringLiteral("noBackColor"));

    m_preview = new QLabel(QStringLiteral("AaBbYyZz 123"), this);
    m_preview->setMinimumHeight(48);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setAutoFillBackground(true);
    form()->addRow(m_preview);
    addButtons();

    connect(m_textColor, &QPushButton::clicked, this,
            [this] { chooseColor(&m_text, m_textColor); });
    connect(m_backColor, &QPushButton::clicked, this, [this] {
        chooseColor(&m_back, m_backColor);
        if (m_back.isValid())
            m_noBack->setChecked(false);
    });
    connect(m_name, &QFontComboBox::currentFontChanged, this, &WPFontDlg::updatePreview);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &WPFontDlg::updatePreview);
    for (QCheckBox *box : {m_bold, m_italic, m_underline, m_strike, m_noBack})
        connect(box, &QCheckBox::toggled, this, &WPFontDlg::updatePreview);
    updatePreview();
}

void WPFontDlg::chooseColor(QColor *color, QPushButton *button)
{
    if (const auto chosen = dialogs().chooseColor(this, color->isValid() ? *color : Qt::white)) {
        *color = *chosen;
        paintSwatch(button, *color);
        updatePreview();
    }
}

void WPFontDlg::updatePreview()
{
    QFont font(m_name->currentText());
    font.setPointSizeF(qMin<qreal>(m_size->value(), 28));
    font.setBold(m_bold->isChecked());
    font.setItalic(m_italic->isChecked());
    font.setUnderline(m_underline->isChecked());
    font.setStrikeOut(m_strike->isChecked());
    m_preview->setFont(font);
    QPalette p = m_preview->palette();
    p.setColor(QPalette::WindowText, m_text);
    p.setColor(QPalette::Window,
               m_noBack->isChecked() || !m_back.isValid() ? QColor(Qt::white) : m_back);
    m_preview->setPalette(p);
}

void WPFontDlg::apply()
{
    const QString family = m_name->currentText();
    const qreal size = m_size->value();
    const bool bold = m_bold->isChecked(), italic = m_italic->isChecked();
    const bool underline = m_underline->isChecked(), strike = m_strike->isChecked();
    const int position = m_position->currentIndex();
    const QColor text = m_text;
    const QColor back = m_noBack->isChecked() ? QColor() : m_back;
    m_view->changeCharFormat([&](QTextCharFormat &f) {
        if (!family.isEmpty())
            f.setFontFamilies({family});
        f.setFontPointSize(size);
        f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(italic);
        f.setFontUnderline(underline);
        f.setFontStrikeOut(strike);
        f.setVerticalAlignment(position == 1   ? QTextCharFormat::AlignSubScript
                               : position == 2 ? QTextCharFormat::AlignSuperScript
                                               : QTextCharFormat::AlignNormal);
        if (text.isValid())
            f.setForeground(text);
        if (back.isValid())
            f.setBackground(back);
        else
            f.clearBackground();
    });
}

bool WPFontDlg::execute(WPView *view)
{
    WPFontDlg dlg(view);
    if (!dlg.run())
        return false;
    dlg.apply();
    return true;
}
