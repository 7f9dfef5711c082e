#include "store/CompressedTreeStream.h"

#include "platform/TessaryError.h"
#include "store/ReportTree.h"
#include "store/TreeJson.h"

#include <QCoreApplication>
#include <QHash>
#include <zlib.h>

namespace {
// Leaves per run at most; a run also ends after a leaf whose page id says so
// (about one in 256), so that inserting or removing a leaf changes the runs
// around it only, not every run after it. Page ids are unique and do not
// change when a page is renamed or moved; the hash spreads consecutive ids.
constexpr size_t kMaxLeaves = 1024;

bool endsRun(const ReportNode *leaf)
{
    return (qHash(leaf->data) & 255) == 0;
}

const QByteArray &comma()
{
    static const QByteArray c(",");
    return c;
}

bool sameLeaf(const ReportNode &n, const ReportNode *node, const QString &text, qint32 data,
              int kind, bool own, quint32 back, quint32 rowBack)
{
    if (&n != node || n.data != data || n.kind != kind || n.ownColours != own ||
        n.backColour != back || n.rowBackColour != rowBack || n.childCount() != 0)
        return false;
    // Texts are shared with the node when nothing changed them.
    return (n.text.constData() == text.constData() && n.text.size() == text.size()) ||
           n.text == text;
}
} // namespace

CompressedTreeStream::CompressedTreeStream() = default;

CompressedTreeStream::~CompressedTreeStream()
{
    if (m_zs) {
        deflateEnd(m_zs);
        delete m_zs;
    }
}

void CompressedTreeStream::clear()
{
    m_runs.clear();
    m_next.clear();
}

void CompressedTreeStream::startStream(int level)
{
    level = qBound(1, level, 9);
    if (m_zs && m_level == level) {
        deflateReset(m_zs);
        return;
    }
    if (m_zs) {
        deflateEnd(m_zs);
    } else {
        m_zs = new z_stream;
    }
    *m_zs = z_stream{};
    // Raw deflate: the zlib header and the checksum are written here, since
    // the checksum of reused runs is combined rather than computed again.
    if (deflateInit2(m_zs, level, Z_DEFLATED, -15, 5, Z_DEFAULT_STRATEGY) != Z_OK) {
        delete m_zs;
        m_zs = nullptr;
        throw TessaryError(
            QCoreApplication::translate("TDM", "Cannot start zlib to store the tree"));
    }
    m_level = level;
    m_runs.clear(); // runs made at another level are not mixed in
}

void CompressedTreeStream::deflateBytes(const QByteArray &bytes, bool finish, QByteArray &out)
{
    m_zs->next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.constData()));
    m_zs->avail_in = uInt(bytes.size());
    const int flush = finish ? Z_FINISH : Z_FULL_FLUSH;
    int rc = Z_OK;
    do {
        const qsizetype at = out.size();
        const qsizetype room = qMax<qsizetype>(bytes.size() / 2 + 64, 16384);
        if (out.capacity() < at + room)
            out.reserve(qMax(at + room, out.capacity() * 2));
        out.resize(at + room);
        m_zs->next_out = reinterpret_cast<Bytef *>(out.data() + at);
        m_zs->avail_out = uInt(room);
        rc = deflate(m_zs, flush);
        out.resize(at + room - qsizetype(m_zs->avail_out));
        if (rc == Z_STREAM_ERROR)
            throw TessaryError(QCoreApplication::translate("TDM", "Cannot compress the tree"));
    } while (finish ? rc != Z_STREAM_END : m_zs->avail_out == 0);
}

bool CompressedTreeStream::sameRun(const Run &run) const
{
    if (run.leaves.size() != m_pieces.size())
        return false;
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        const Leaf &l = run.leaves[i];
        if (l.before != *m_pieces[i].before ||
            !sameLeaf(*m_pieces[i].node, l.node, l.text, l.data, l.kind, l.ownColours, l.backColour,
                      l.rowBackColour))
            return false;
    }
    return true;
}

void CompressedTreeStream::closeRun()
{
    if (m_pieces.empty())
        return;
    const ReportNode *key = m_pieces.front().node;
    auto found = m_runs.find(key);
    if (found != m_runs.end() && sameRun(found->second)) {
        Run &run = found->second;
        m_out.append(run.deflated);
        m_adler = quint32(adler32_combine(m_adler, run.adler, z_off_t(run.length)));
        m_next.emplace(key, std::move(run));
        m_runs.erase(found);
        ++m_reused;
    } else {
        Run run;
        // The run's bytes and its compressed form go through buffers kept
        // from run to run; the run keeps an exact copy of what it needs.
        QByteArray &json = m_json;
        json.resize(0);
        run.leaves.reserve(m_pieces.size());
        for (const Piece &piece : m_pieces) {
            const ReportNode &n = *piece.node;
            json.append(*piece.before);
            TreeJson::appendLeaf(json, n);
            run.leaves.push_back({&n, *piece.before, n.text, n.data, n.kind, n.ownColours,
                                  n.backColour, n.rowBackColour});
        }
        m_deflated.resize(0);
        deflateBytes(json, false, m_deflated);
        run.deflated = QByteArray(m_deflated.constData(), m_deflated.size());
        run.length = json.size();
        run.adler =
            quint32(adler32(adler32(0, nullptr, 0),
                            reinterpret_cast<const Bytef *>(json.constData()), uInt(json.size())));
        m_out.append(run.deflated);
        m_adler = quint32(adler32_combine(m_adler, run.adler, z_off_t(run.length)));
        m_next[key] = std::move(run);
        ++m_made;
    }
    m_pieces.clear();
}

QByteArray CompressedTreeStream::compress(const ReportNode &top, int level)
{
    startStream(level);
    m_reused = m_made = 0;
    m_next.clear();
    m_out.resize(0);
    m_adler = quint32(adler32(0, nullptr, 0));
    // The zlib header: deflate with a 32K window, the level's flag, no dictionary.
    const int levelFlag = level < 2 ? 0 : level < 6 ? 1 : level == 6 ? 2 : 3;
    int header = (0x78 << 8) | (levelFlag << 6);
    header += 31 - header % 31;
    m_out.append(char(header >> 8));
    m_out.append(char(header & 0xFF));

    // glue: the bytes gathered since the last leaf (folder heads and tails).
    QByteArray glue = TreeJson::documentHead();
    m_pieces.clear();
    m_glues.clear();
    std::vector<std::pair<const ReportNode *, int>> stack{{&top, 0}};
    while (!stack.empty()) {
        const ReportNode *parent = stack.back().first;
        const int next = stack.back().second;
        if (next >= parent->childCount()) {
            stack.pop_back();
            if (!stack.empty())
                TreeJson::appendTail(glue, *parent);
            continue;
        }
        ++stack.back().second;
        const ReportNode *c = parent->child(next);
        if (c->childCount()) {
            if (next > 0)
                glue.append(',');
            TreeJson::appendHead(glue, *c);
            stack.push_back({c, 0});
        } else {
            if (next > 0 && glue.isEmpty()) {
                m_pieces.push_back({c, &comma()});
            } else {
                if (next > 0)
                    glue.append(',');
                m_glues.push_back(std::make_unique<QByteArray>(std::move(glue)));
                m_pieces.push_back({c, m_glues.back().get()});
                glue = QByteArray();
            }
            if (m_pieces.size() >= kMaxLeaves || endsRun(c))
                closeRun();
        }
    }
    closeRun();
    glue.append(TreeJson::documentTail());
    QByteArray last;
    deflateBytes(glue, true, last);
    m_out.append(last);
    m_adler = quint32(adler32_combine(m_adler,
                                      adler32(adler32(0, nullptr, 0),
                                              reinterpret_cast<const Bytef *>(glue.constData()),
                                              uInt(glue.size())),
                                      z_off_t(glue.size())));
    const char trailer[4] = {char(m_adler >> 24), char((m_adler >> 16) & 0xFF),
                             char((m_adler >> 8) & 0xFF), char(m_adler & 0xFF)};
    m_out.append(trailer, 4);
    // Runs not used this time are dropped.
    m_runs.swap(m_next);
    m_next.clear();
    m_glues.clear();
    return QByteArray(m_out.constData(), m_out.size());
}
