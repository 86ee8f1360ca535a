#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <QString>

#include <set>
#include <string>
#include <vector>

/// The item model of the explorer's tree: one column ("Name") of host objects, with the set of
/// expansion keys that carries each node's expanded state across rebuilds. A key is the label
/// without "*" and the object's address, so the same object under the same label expands again
/// when it comes back. GUI thread.
class TreeModel : public ListModel {
    Q_OBJECT

public:
    explicit TreeModel(QObject* parent = nullptr);
    ~TreeModel() override;

    /// Reuses the object's node when it is already in the tree (moving it after `after`, row 0
    /// when `after` is invalid), else inserts a new one there. A record that would put a node
    /// below itself is dropped.
    QModelIndex addItem(
        VXMEObjectMessageData* record, ListItem* parent, const QModelIndex& after) override;
    using ListModel::addItem;
    void updateItem(ListItem* item, VXMEObjectMessageData* record, bool replaceObject) override;
    bool addToExpanded(const QModelIndex& index) override;
    bool addToCollapsed(const QModelIndex& index) override;
    bool isItemExpanded(const QModelIndex& index) const override;

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Expansion keys.
    static QString expansionKey(const QString& label, UDInterface* object);
    static QString expansionKey(const ListItem* item);
    void setExpanded(const QString& key, bool expanded);
    bool getExpanded(const QString& key) const { return m_expanded.count(key) > 0; }
    /// An expanded `oldKey` becomes `newKey`.
    void updateExpandedItem(const QString& oldKey, const QString& newKey);
    const std::set<QString>& expandedKeys() const { return m_expanded; }

    // Filling. The view applies the expansion the model reports.
    struct FillResult {
        std::vector<ListItem*> expand;
        std::vector<ListItem*> collapse;
    };
    /// Replaces the whole tree by `root`, inside one model reset, or in place (nodes kept, one
    /// change notice per parent) when `root` names the same nodes in the same order. Expansion
    /// keys are kept.
    ListItem* setRoot(VXMEObjectMessageData* root, FillResult* result);
    /// Adds `children` in order below `parent`, recursively; each node with children lands in
    /// `expand` when its key is in the set, in `collapse` otherwise.
    void fillSubTree(const VXMEObjectDataList* children, ListItem* parent, FillResult* result);
    /// Removes the children of `parent` whose objects are not among `children`, and the same
    /// below every record that brings a list of children. With `requestChildren`, a record that
    /// came without children for a node that has some is reported in `requests`.
    void refreshSubTree(const VXMEObjectDataList* children, ListItem* parent, bool requestChildren,
        std::vector<UDInterface*>* requests);
    /// Refreshes the object's node from the record when the two differ. A node with a check box
    /// keeps its check attribute when the record brings no tree attributes, so the check state
    /// survives a label change. False when unchanged or unknown.
    bool updateNode(VXMEObjectMessageData* record);
    /// Removes the object's node and its descendants; false for an unknown object.
    bool removeSubtree(UDInterface* object);

    // Queries on nodes of host objects.
    /// The check-state word of the object's node; empty for an unknown object.
    std::string getCheckState(UDInterface* object) const;
    /// False for a null object or path or an unknown object; otherwise `found` becomes true and
    /// the answer is whether the node shows the picture of `path` and has its item flag set.
    bool isNodePixmapForReadOnly(UDInterface* object, const char* path, bool& found) const;
    /// Stores the host's accepted drop actions on the record's node; false for an unknown one.
    bool setAcceptedActions(UDInterface* object, unsigned actions);
    /// Clears drop statuses and/or accepted actions of every node.
    void clearDropState(bool statuses, bool actions);

    /// Node attribute bits that carry meaning in the tree.
    enum NodeBit : std::uint16_t {
        DisabledBit = 1u << 2,
        BooleanBit = 1u << 4,
        CheckBoxBit = 1u << 6,
    };

private:
    static bool isWithin(const ListItem* item, const ListItem* ancestor);
    /// Whether `records` name exactly the children of `parent`, in order, all the way down.
    static bool sameShape(const VXMEObjectDataList* records, const ListItem* parent);
    /// Updates the nodes below `parent` from `records` (of the same shape) in place.
    void refreshInPlace(const VXMEObjectDataList* records, ListItem* parent, FillResult* result);
    /// Collects `item` into `result` as fillSubTree does.
    void noteExpansion(ListItem* item, FillResult* result) const;

    std::set<QString> m_expanded;
    bool m_quietUpdates = false; // updateItem leaves the change notice to its caller
};
