#pragma once

#include <QImage>
#include <QString>

class QTextDocument;
class WPView;

// Helpers shared by the document editor tests.
namespace EditorTestUtil {
// A small picture with a red square on blue, written as PNG at path.
QImage writeTestPicture(const QString &path);
// Puts text into view (replacing what it held) and selects the characters
// from start to end.
void setTextAndSelect(WPView *view, const QString &text, int start, int end);
// Selects [start, end) in view.
void select(WPView *view, int start, int end);
// Counts the pictures and the links (href) of a document.
int pictureCount(const QTextDocument *doc);
QStringList links(const QTextDocument *doc);
// Runs python3 with a script and arguments; its standard output.
QByteArray python(const QString &script, const QStringList &args = {});
} // namespace EditorTestUtil
