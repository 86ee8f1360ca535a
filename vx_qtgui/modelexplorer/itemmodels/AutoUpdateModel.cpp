#include "vx_qtgui/modelexplorer/itemmodels/AutoUpdateModel.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

AutoUpdateModel::AutoUpdateModel(ListModel* model)
    : m_model(model)
{
    if (m_model)
        emit m_model->layoutAboutToBeChanged();
}

AutoUpdateModel::~AutoUpdateModel()
{
    if (m_model)
        emit m_model->layoutChanged();
}
