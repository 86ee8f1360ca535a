#include "vx_qtgui/modelexplorer/itemmodels/ListHeaders.h"

int ListHeaders::section(const QString& name, Qt::CaseSensitivity cs) const
{
    for (std::size_t i = 0; i < m_headers.size(); ++i) {
        const ListHeader& h = m_headers[i];
        if (h.name.compare(name, cs) == 0 || h.title.compare(name, cs) == 0)
            return int(i);
    }
    return -1;
}

int ListHeaders::sectionOfProperty(const QString& name) const
{
    for (std::size_t i = 0; i < m_headers.size(); ++i) {
        if (m_headers[i].name == name)
            return int(i);
    }
    return -1;
}

void ListHeaders::move(int from, int to)
{
    const ListHeader h = m_headers[std::size_t(from)];
    m_headers.erase(m_headers.begin() + from);
    m_headers.insert(m_headers.begin() + to, h);
}

bool ListHeaders::reorder(const QStringList& names)
{
    std::vector<ListHeader> reordered;
    const int icon = sectionOfProperty(QStringLiteral(" "));
    if (icon >= 0)
        reordered.push_back(at(icon));
    for (const QString& name : names) {
        const int s = sectionOfProperty(name);
        if (s >= 0)
            reordered.push_back(at(s));
    }
    const bool sameCount = reordered.size() == m_headers.size();
    m_headers.swap(reordered);
    return sameCount;
}

QString ListHeaders::displayTitle(const QString& name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot == name.size() - 1)
        return name;
    return name.mid(dot + 1);
}
