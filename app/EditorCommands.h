#pragma once

#include <QObject>

class MainActions;
class QAction;
class QWidget;
enum class EditorSlot;

// Connects the main window's commands of an editor (its toolbar and menu) to
// the editor form's own actions: triggering the window's command triggers the
// editor's, and the window's command follows the editor's action in enabled,
// checkable and checked state. Most commands share their name with the
// editor's action; the table below names the others.
class EditorCommands : public QObject
{
    Q_OBJECT
public:
    EditorCommands(MainActions *actions, QObject *parent);

    // Binds every command of the window that the form has an action for.
    // Returns how many were bound.
    int bind(EditorSlot slot, QWidget *form);

private:
    void bindPair(QAction *command, QAction *editorAction);

    MainActions *m_actions;
};
