#pragma once

#include "app/TTessaryM.h"
#include "app/TTreeView.h"
#include "platform/TessaryError.h"
#include "platform/db/EngineFactory.h"
#include "store/PageState.h"
#include "store/ReportTree.h"
#include "store/TDM.h"
#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QWidget>
#include <memory>

// An editor form that keeps its content as bytes; edit() changes it as a user
// would and raises PageModified.
class FakeEditorForm : public QWidget, public PageContent
{
public:
    QByteArray content;
    bool failSave = false;
    bool failLoad = false;
    int loads = 0;

    void edit(const QByteArray &bytes)
    {
        content = bytes;
        PageModified = true;
    }
    QByteArray saveContent() override
    {
        if (failSave)
            throw std::runtime_error("disk full");
        return content;
    }
    void loadContent(const QByteArray &bytes, const QString &) override
    {
        if (failLoad)
            throw TessaryError("The page is not in a form this editor reads.");
        content = bytes;
        ++loads;
    }
    void clearContent() override { content.clear(); }
    // A file becomes the content as it is.
    void loadFile(const QString &fileName) override
    {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw TessaryError("Cannot read " + fileName);
        content = file.readAll();
    }
};

// The main window with the store on a fresh report, fake editors for every
// page kind and scripted dialogs.
struct AppFixture
{
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TTessaryM> window;
    std::unique_ptr<TDM> dm;
    FakeEditorForm *editors[int(EditorSlot::None)] = {};

    AppFixture()
    {
        PageModified = CommentModified = false;
        ShownItemIndex = QPersistentModelIndex();
        window = std::make_unique<TTessaryM>();
        dm = std::make_unique<TDM>(window.get(), EngineFactory::anyAddress());
        for (int s = 0; s < int(EditorSlot::None); ++s) {
            editors[s] = new FakeEditorForm;
            window->dockEditor(EditorSlot(s), editors[s], editors[s]);
        }
    }
    ~AppFixture()
    {
        // The tests close the window themselves where closing matters.
        window->hide();
        dm.reset();
        window.reset();
    }
    FakeEditorForm &editor(EditorSlot s) { return *editors[int(s)]; }
    ReportTree &tree() { return *dm->tree(); }
    void select(int absoluteIndex) { tree().selectNode(tree().nodeAt(absoluteIndex)); }
    ReportNode *node(int absoluteIndex) { return tree().nodeAt(absoluteIndex); }
    // Absolute position of the node whose page the editors hold (-1: none).
    int shown() { return tree().absoluteIndex(tree().node(ShownItemIndex)); }
};
