#pragma once
// What a screen reader meets on a screen, read through Qt's accessibility as
// Orca reads it over AT-SPI: every node with its depth, role and name.
#include <QAccessible>

#include <string>
#include <vector>

class QWidget;

namespace lumora::test {

struct AccessibleNode {
    int depth = 0;
    QAccessible::Role role = QAccessible::NoRole;
    std::string name;
    bool operator==(const AccessibleNode&) const = default;
};

// The tree under a widget (the widget at depth 0), children in their order.
std::vector<AccessibleNode> AccessibleTree(QWidget& root);

// One line per node, indented by depth: "role name" with Qt's role names
// ("Button", "List" ...), for messages and the record of a test.
std::string DescribeTree(const std::vector<AccessibleNode>& tree);

// The nodes of the tree that a screen reader would read without a name.
std::vector<AccessibleNode> Unnamed(const std::vector<AccessibleNode>& tree);

// How many nodes of a role have the name.
int CountOf(const std::vector<AccessibleNode>& tree, QAccessible::Role role,
            const std::string& name);

} // namespace lumora::test
