#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QString>

#include <vector>

/// What an edit of the spreadsheet's cells carries to the GUI thread: the objects whose rows
/// change, the property's column and the new value. Owned by its message.
struct QtSpreadSheetEdit {
    std::vector<UDInterface*> objects;
    QString property;
    QString value;
};
