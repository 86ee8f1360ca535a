#include "engine/VXSpreadSheet.h"

VXSpreadSheet::VXSpreadSheet() = default;

VXSpreadSheet::~VXSpreadSheet()
{
    disconnect();
}
