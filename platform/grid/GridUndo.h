#pragma once

#include "platform/grid/GridModel.h"

#include <QUndoCommand>

// One undoable change of cell texts (an edit, a paste, a clear, a replace).
class SetTextsCommand : public QUndoCommand
{
public:
    SetTextsCommand(GridModel *model, const QVector<CellText> &changes, const QString &text);

    void undo() override;
    void redo() override;

private:
    GridModel *m_model;
    QVector<CellText> m_changes;
};
