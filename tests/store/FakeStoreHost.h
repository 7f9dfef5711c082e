#pragma once

#include "store/ReportTree.h"
#include "store/PageContent.h"
#include "store/StoreHost.h"


// A main window stand-in for driving the store: the store's tree, a comment text,
// and counters of what the store asked of the window.
class FakeStoreHost : public StoreHost
{
public:
    ReportTree *tree = nullptr;
    QString comment;
    QString caption;
    QStringList problems;
    QStringList statuses;
    int showNodeCalls = 0;
    int checkButtonsCalls = 0;
    int hideMenusCalls = 0;

    void attachTree(ReportTree *t) override { tree = t; }
    QString commentText() const override { return comment; }
    void setCommentText(const QString &text) override { comment = text; }
    void reportProblem(const QString &text) override { problems << text; }
    void setStatusText(const QString &text) override { statuses << text; }
    void setReportCaption(const QString &c) override { caption = c; }
    void ShowNode() override { ++showNodeCalls; }
    void CheckButtons() override { ++checkButtonsCalls; }
    void hideKindMenus() override { ++hideMenusCalls; }
};

// An editor that keeps its content as bytes; it can be told to fail.
class FakeEditor : public PageContent
{
public:
    QByteArray content;
    QString pageInfo;
    QString loadedFile;
    int loads = 0;
    int clears = 0;
    bool failSave = false;

    QByteArray saveContent() override
    {
        if (failSave)
            throw std::runtime_error("the editor cannot write its content");
        return content;
    }
    void loadContent(const QByteArray &bytes, const QString &info) override
    {
        content = bytes;
        pageInfo = info;
        ++loads;
    }
    void clearContent() override
    {
        content.clear();
        ++clears;
    }
    void loadFile(const QString &fileName) override
    {
        loadedFile = fileName;
        content = "from file " + fileName.toUtf8();
    }
};
