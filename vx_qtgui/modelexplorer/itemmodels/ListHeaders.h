#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/ListHeader.h"

#include <QStringList>

#include <vector>

/// The column records of a list in column order, and the look-ups on them. Sections are
/// positions here; out-of-range sections read as empty. GUI thread.
class ListHeaders {
public:
    int size() const { return int(m_headers.size()); }
    bool contains(int section) const { return section >= 0 && section < size(); }
    /// Must be `contains(section)`.
    const ListHeader& at(int section) const { return m_headers[std::size_t(section)]; }
    ListHeader& at(int section) { return m_headers[std::size_t(section)]; }
    const std::vector<ListHeader>& all() const { return m_headers; }

    void append(const ListHeader& header) { m_headers.push_back(header); }
    void clear() { m_headers.clear(); }
    /// The first header whose property name or display title is `name`; -1 when none.
    int section(const QString& name, Qt::CaseSensitivity cs) const;
    /// The first header with exactly this property name; -1 when none.
    int sectionOfProperty(const QString& name) const;
    void move(int from, int to);
    /// The " " header, then the named ones in the given order; false when the count changed.
    bool reorder(const QStringList& names);

    /// "A.B.C" shows as "C"; a name ending with "." shows whole.
    static QString displayTitle(const QString& name);

private:
    std::vector<ListHeader> m_headers;
};
