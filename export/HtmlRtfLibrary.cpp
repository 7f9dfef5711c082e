#include "export/HtmlRtfLibrary.h"

#include "export/WordExportLog.h"

#include "platform/wordproc/DocumentForm.h"
#include "platform/wordproc/HtmlToRtfWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <new>

namespace {

class OwnHtmlRtfLibrary : public HtmlRtfLibrary
{
public:
    int htmltortf_file(const QByteArray &htmlPath, const QByteArray &rtfPath,
                       HtmlToRtfOptions options) override;
    int flushlist() override;

private:
    QHash<QString, QByteArray> m_pictures;
};

int OwnHtmlRtfLibrary::htmltortf_file(const QByteArray &htmlPath, const QByteArray &rtfPath,
                                      HtmlToRtfOptions options)
{
    try {
        const QString source = QString::fromLocal8Bit(htmlPath);
        const QString target = QString::fromLocal8Bit(rtfPath);
        QFile in(source);
        if (source.isEmpty() || !in.open(QIODevice::ReadOnly))
            return 3;
        const QByteArray raw = in.readAll();
        in.close();

        HtmlToRtfWriter::Options writerOptions;
        writerOptions.languageId = options.languageId;
        QString html;
        const int index = options.codePageIndex;
        const QStringList &names = HtmlToRtf::codePageNames();
        if (index >= 1 && index <= names.size()) {
            const QString name = names.at(index - 1);
            QStringDecoder decoder(name.toLatin1().constData());
            html = decoder.isValid() ? decoder.decode(raw) : DocumentForm::decodeText(raw);
            writerOptions.codePage = HtmlToRtfWriter::rtfCodePageOf(name);
        } else {
            html = DocumentForm::decodeText(raw);
        }
        const QByteArray rtf = HtmlToRtfWriter::convert(html, QFileInfo(source).absolutePath(),
                                                        writerOptions, &m_pictures);
        QSaveFile out(target);
        if (target.isEmpty() || !out.open(QIODevice::WriteOnly))
            return 4;
        if (out.write(rtf) != rtf.size() || !out.commit())
            return 4;
        if (QFileInfo(target).size() == 0)
            return 5;
        return 0;
    } catch (const std::bad_alloc &) {
        return 2;
    } catch (const std::exception &e) {
        qCWarning(lcWordExport) << "HTML to RTF conversion failed:" << e.what();
        return 1;
    }
}

int OwnHtmlRtfLibrary::flushlist()
{
    const int count = int(m_pictures.size());
    m_pictures.clear();
    return count;
}

} // namespace

std::unique_ptr<HtmlRtfLibrary> makeOwnHtmlRtfLibrary()
{
    return std::make_unique<OwnHtmlRtfLibrary>();
}
