#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class TGlobalFindDlg;
class TTessaryM;
class WindowFindHost;

// The Search menu's "Global find...": the global search dialog, made once
// with the window, and its host on the window.
class GlobalFindCommand : public QObject
{
    Q_OBJECT
public:
    explicit GlobalFindCommand(TTessaryM *window);
    ~GlobalFindCommand() override;

    // Stores the page being left, makes the next search start at the top of
    // the current page and shows the dialog modally.
    void Globalfind1Click();
    TGlobalFindDlg *dialog() const;

private:
    TTessaryM *m_window;
    std::unique_ptr<WindowFindHost> m_host;
    QPointer<TGlobalFindDlg> m_dialog;
};
