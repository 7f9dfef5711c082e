#include "platform/wordproc/RtfCodePage.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QStringDecoder>

namespace {

// Windows-1252 differs from ISO 8859-1 only in 0x80..0x9F.
const char16_t kCp1252High[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                  0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

QString decode1252(const char *bytes, int length)
{
    QString out(length, Qt::Uninitialized);
    QChar *d = out.data();
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return out;
}

bool isAscii(const char *bytes, int length)
{
    for (int i = 0; i < length; ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80)
            return false;
    return true;
}

} // namespace

RtfCodePage::RtfCodePage() = default;
RtfCodePage::~RtfCodePage() = default;

QString RtfCodePage::decode(const char *bytes, int length, int codePage)
{
    if (length <= 0)
        return QString();
    if (isAscii(bytes, length))
        return QString::fromLatin1(bytes, length);
    if (codePage == 1252 || codePage == 0)
        return decode1252(bytes, length);
    QStringDecoder *decoder = decoderFor(codePage);
    if (!decoder)
        return decode1252(bytes, length);
    decoder->resetState();
    return decoder->decode(QByteArrayView(bytes, length));
}

QStringDecoder *RtfCodePage::decoderFor(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it != m_decoders.end())
        return it->second.get();
    QByteArrayList names;
    switch (codePage) {
    case 932:
        names = {"Shift_JIS"};
        break;
    case 936:
        names = {"GBK"};
        break;
    case 949:
        names = {"windows-949", "EUC-KR"};
        break;
    case 950:
        names = {"Big5"};
        break;
    case 10000:
        names = {"macintosh"};
        break;
    case 65001:
        names = {"UTF-8"};
        break;
    case 20866:
        names = {"KOI8-R"};
        break;
    case 28591:
        names = {"ISO-8859-1"};
        break;
    default:
        names = {"windows-" + QByteArray::number(codePage), "cp" + QByteArray::number(codePage),
                 "IBM" + QByteArray::number(codePage)};
    }
    std::unique_ptr<QStringDecoder> decoder;
    for (const QByteArray &name : names) {
        auto candidate = std::make_unique<QStringDecoder>(name.constData());
        if (candidate->isValid()) {
            decoder = std::move(candidate);
            break;
        }
    }
    QStringDecoder *result = decoder.get();
    m_decoders.emplace(codePage, std::move(decoder));
    return result;
}

int RtfCodePage::codePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 255:
        return 437;
    default:
        return 0; // 0 ANSI, 1 default, 2 symbol and the rest: the document's code page
    }
}

bool RtfCodePage::isSingleByte(int codePage)
{
    return !(codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 ||
             codePage == 65001);
}
