#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QTextDocument;

// Pictures of a QTextDocument: named resources whose original file bytes (PNG or
// JPEG) are remembered beside the decoded image, so that writers put out the same
// bytes that came in, and conversion between image names and data: URIs.
class DocumentImages
{
public:
    using NamedBytes = QList<QPair<QString, QByteArray>>;

    // The name a picture of these bytes gets (stable: derived from the content).
    static QString nameFor(const QByteArray &bytes);
    // Decodes the bytes, adds the picture as an image resource and remembers the
    // bytes. Returns the resource name, or an empty string when the bytes are no picture.
    static QString add(QTextDocument *doc, const QByteArray &bytes);
    static QString add(QTextDocument *doc, const QString &name, const QByteArray &bytes);
    // The file bytes of the picture named so: the remembered original, else the
    // resource encoded as PNG. format receives "png" or "jpeg". Empty when unknown.
    static QByteArray bytes(const QTextDocument *doc, const QString &name,
                            QByteArray *format = nullptr);

    // Replaces every <img src="name"> of the HTML by a data: URI of the picture.
    static QString embed(const QTextDocument *doc, const QString &html);
    // Replaces every data: URI in an img src by a short resource name; the decoded
    // bytes are appended to pictures for add() once the HTML is loaded.
    static QString extract(const QString &html, NamedBytes *pictures, QStringList *warnings);
};
