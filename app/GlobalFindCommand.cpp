#include "app/GlobalFindCommand.h"

#include "app/MainActions.h"
#include "app/TGlobalFindDlg.h"
#include "app/TTessaryM.h"
#include "app/WindowFindHost.h"
#include "platform/dialogs/Dialogs.h"

#include <QAction>

GlobalFindCommand::GlobalFindCommand(TTessaryM *window)
    : QObject(window), m_window(window), m_host(std::make_unique<WindowFindHost>(*window)),
      m_dialog(new TGlobalFindDlg(*m_host, window))
{
    QAction *action = window->actions()->action(QStringLiteral("Globalfind1"));
    action->setEnabled(true);
    connect(action, &QAction::triggered, this,
            [this] { m_window->guarded([this] { Globalfind1Click(); }); });
}

GlobalFindCommand::~GlobalFindCommand()
{
    // The dialog is the window's child and goes with it; its host must outlive it.
    delete m_dialog;
}

void GlobalFindCommand::Globalfind1Click()
{
    m_window->SaveModif();
    TGlobalFindDlg::searchState().SearchFromStart = true;
    dialogs().runDialog(m_dialog);
}

TGlobalFindDlg *GlobalFindCommand::dialog() const
{
    return m_dialog;
}
