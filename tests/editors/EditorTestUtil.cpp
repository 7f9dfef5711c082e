#include "tests/editors/EditorTestUtil.h"

#include "platform/wordproc/view/WPView.h"

#include <QPainter>
#include <QProcess>
#include <QTextBlock>
#include <QTextDocument>

namespace EditorTestUtil {

QImage writeTestPicture(const QString &path)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter p(&image);
    p.fillRect(10, 5, 20, 20, Qt::red);
    p.end();
    image.save(path, "PNG");
    return image;
}

void select(WPView *view, int start, int end)
{
    QTextCursor c(view->document());
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    view->setTextCursor(c);
}

void setTextAndSelect(WPView *view, const QString &text, int start, int end)
{
    view->setPlainText(text);
    select(view, start, end);
}

int pictureCount(const QTextDocument *doc)
{
    int n = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                ++n;
        }
    }
    return n;
}

QStringList links(const QTextDocument *doc)
{
    QStringList hrefs;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (f.isAnchor() && !f.anchorHref().isEmpty() && !hrefs.contains(f.anchorHref()))
                hrefs << f.anchorHref();
        }
    }
    return hrefs;
}

QByteArray python(const QString &script, const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("python3"), QStringList{QStringLiteral("-c"), script} + args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

} // namespace EditorTestUtil
