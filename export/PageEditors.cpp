#include "export/PageEditors.h"

#include "diagram/TDiagramEditor.h"
#include "editors/chart/TChartEditor.h"
#include "editors/document/TWPEditor.h"
#include "editors/picture/TImageEditor.h"
#include "editors/table/TGridEditor.h"
#include "timeline/TTimeLineDlg.h"
#include "wordcloud/TWordCloudEditor.h"

#include <QWidget>

namespace {
template <typename Form> PageEditors::Editor make(QWidget *parent)
{
    auto *form = new Form(parent);
    return {form, form};
}

PageEditors::Editor makeEditor(EditorSlot slot, QWidget *parent)
{
    switch (slot) {
    case EditorSlot::Document:
        return make<TWPEditor>(parent);
    case EditorSlot::Table:
        return make<TGridEditor>(parent);
    case EditorSlot::Chart:
        return make<TChartEditor>(parent);
    case EditorSlot::Picture:
        return make<TImageEditor>(parent);
    case EditorSlot::Timeline:
        return make<TTimeLineDlg>(parent);
    case EditorSlot::Diagram:
        return make<TDiagramEditor>(parent);
    case EditorSlot::WordCloud:
        return make<TWordCloudEditor>(parent);
    case EditorSlot::None:
        break;
    }
    return {};
}
} // namespace

PageEditors::PageEditors(QWidget *parent) : m_parent(parent) {}

PageEditors::~PageEditors()
{
    if (!m_parent)
        for (const Editor &e : std::as_const(m_made))
            delete e.form;
}

bool PageEditors::hasEditor(EditorSlot slot)
{
    return slot != EditorSlot::None;
}

PageEditors::Editor PageEditors::editor(EditorSlot slot)
{
    const auto it = m_made.constFind(int(slot));
    if (it != m_made.cend())
        return *it;
    const Editor e = makeEditor(slot, m_parent);
    if (!e.form)
        return {};
    m_made.insert(int(slot), e);
    if (onMade)
        onMade(slot, e.form, e.content);
    return e;
}
