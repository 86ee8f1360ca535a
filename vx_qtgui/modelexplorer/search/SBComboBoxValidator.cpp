#include "vx_qtgui/modelexplorer/search/SBComboBoxValidator.h"

#include <QComboBox>

SBComboBoxValidator::SBComboBoxValidator(QComboBox* box)
    : QValidator(box)
    , m_box(box)
{
}

QValidator::State SBComboBoxValidator::validate(QString& text, int&) const
{
    if (!m_box)
        return Invalid;
    const QString typed = text.toLower();
    State state = Invalid;
    for (int i = 0; i < m_box->count(); ++i) {
        const QString item = m_box->itemText(i).toLower();
        if (item == typed)
            return Acceptable;
        if (item.startsWith(typed))
            state = Intermediate;
    }
    return state;
}

void SBComboBoxValidator::fixup(QString& text) const
{
    if (!m_box || m_box->count() == 0)
        return;
    const QString typed = text.toLower();
    for (int i = 0; i < m_box->count(); ++i) {
        if (m_box->itemText(i).toLower().startsWith(typed)) {
            text = m_box->itemText(i);
            return;
        }
    }
    text = m_box->itemText(0);
}
