#include "platform/grid/GridUndo.h"

SetTextsCommand::SetTextsCommand(GridModel *model, const QVector<CellText> &changes,
                                 const QString &text)
    : QUndoCommand(text), m_model(model), m_changes(changes)
{
}

void SetTextsCommand::undo()
{
    m_model->applyTexts(m_changes, false);
}

void SetTextsCommand::redo()
{
    m_model->applyTexts(m_changes, true);
}
