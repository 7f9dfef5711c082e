#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

struct ReportNode;
struct z_stream_s;

// The tree stream of a report as the zlib stream its outline row holds, made
// again after every change of the tree without compressing the whole tree
// again. The stream is cut into runs of leaves, each with the bytes of the
// folders that stand before it; a run ends after a leaf whose data word (its
// page id) says so (about one in 256), so that inserting or removing a node
// changes the runs around it only, and the same tree is always cut alike. Each run is compressed on its own, ending with a full
// flush, so that its compressed bytes stand alone and can be reused as long
// as its bytes are the same: a run is reused only when the text, kind, data
// word and colours of every one of its leaves and the folder bytes between
// them are equal to those it was made from, so any change of the tree,
// however it was made, gives a fresh run. The result is one valid zlib
// stream (RFC 1950) of exactly the bytes TreeJson::write gives.
class CompressedTreeStream
{
public:
    CompressedTreeStream();
    ~CompressedTreeStream();
    CompressedTreeStream(const CompressedTreeStream &) = delete;
    CompressedTreeStream &operator=(const CompressedTreeStream &) = delete;

    // The stream of the nodes under top, compressed at level (1..9).
    QByteArray compress(const ReportNode &top, int level);
    // Forgets every run (the memory goes back).
    void clear();
    bool isEmpty() const { return m_runs.empty(); }

    // Runs taken from the last call and runs compressed afresh by it.
    int reusedRuns() const { return m_reused; }
    int madeRuns() const { return m_made; }

private:
    // A leaf of a run with the bytes that stand before it (a comma, or the
    // ends and beginnings of folders).
    struct Piece
    {
        const ReportNode *node;
        const QByteArray *before; // the shared comma, or one of m_glues
    };
    struct Leaf
    {
        const ReportNode *node;
        QByteArray before;
        QString text;
        qint32 data;
        int kind;
        bool ownColours;
        quint32 backColour;
        quint32 rowBackColour;
    };
    struct Run
    {
        std::vector<Leaf> leaves;
        QByteArray deflated;
        quint32 adler = 1;
        qint64 length = 0;
    };

    void startStream(int level);
    void closeRun();
    // Compresses bytes onto m_out; finish ends the stream, else a full flush.
    void deflateBytes(const QByteArray &bytes, bool finish, QByteArray &out);
    bool sameRun(const Run &run) const;

    z_stream_s *m_zs = nullptr;
    int m_level = 0;
    std::unordered_map<const ReportNode *, Run> m_runs;
    std::unordered_map<const ReportNode *, Run> m_next;
    std::vector<Piece> m_pieces;                      // the run being gathered
    std::vector<std::unique_ptr<QByteArray>> m_glues; // folder bytes of this pass
    QByteArray m_out;                                 // the stream being made
    QByteArray m_json;                                // the bytes of a run being compressed
    QByteArray m_deflated;                            // its compressed form
    quint32 m_adler = 1;
    int m_reused = 0;
    int m_made = 0;
};
