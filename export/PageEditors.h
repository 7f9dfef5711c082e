#pragma once

#include "store/PageContent.h"

#include <QHash>
#include <functional>

class QWidget;

// The page editor forms, one per editor slot, each made on first use: what the
// main window docks into its pane and what tessary-cli drives headless. Every
// editor is a QWidget that implements PageContent, so nothing here or in its
// users switches on page kinds beyond choosing which form to make.
class PageEditors
{
public:
    struct Editor
    {
        QWidget *form = nullptr;
        PageContent *content = nullptr;
    };

    // Forms are made as children of parent (nullptr: owned by this object).
    explicit PageEditors(QWidget *parent = nullptr);
    ~PageEditors();
    PageEditors(const PageEditors &) = delete;
    PageEditors &operator=(const PageEditors &) = delete;

    // Whether the program has an editor for the slot at all.
    static bool hasEditor(EditorSlot slot);
    // The editor of the slot, made now when it was not (empty for a slot without editor).
    Editor editor(EditorSlot slot);
    PageContent *content(EditorSlot slot) { return editor(slot).content; }
    bool isMade(EditorSlot slot) const { return m_made.contains(int(slot)); }

    // Called for every editor when it is made.
    std::function<void(EditorSlot, QWidget *, PageContent *)> onMade;

private:
    QWidget *m_parent;
    QHash<int, Editor> m_made;
};
