#pragma once

#include <QIcon>
#include <QString>

/// One column of a list: what `setHeaderInfo` was given plus what the rows taught it.
struct ListHeader {
    int section = 0;
    QString name;
    QString title;
    int width = 0;
    bool customWidth = false;
    QIcon icon;
    bool booleanColumn = false;
};
