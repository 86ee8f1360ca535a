#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

AutoReset::AutoReset(ListModel* model, bool reset, bool clearPending)
    : m_model(model)
    , m_reset(reset && model)
{
    if (model && clearPending)
        model->clearPendingItems();
    if (m_reset)
        model->beginReset();
}

AutoReset::~AutoReset()
{
    if (m_reset)
        m_model->endReset();
}
