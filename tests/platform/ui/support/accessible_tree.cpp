#include "accessible_tree.h"

#include <QMetaEnum>
#include <QWidget>

#include <algorithm>

namespace lumora::test {
namespace {

void Walk(QAccessibleInterface* node, int depth, std::vector<AccessibleNode>& out) {
    if (node == nullptr || !node->isValid()) {
        return;
    }
    out.push_back({depth, node->role(), node->text(QAccessible::Name).toStdString()});
    for (int i = 0; i < node->childCount(); ++i) {
        Walk(node->child(i), depth + 1, out);
    }
}

std::string RoleName(QAccessible::Role role) {
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    const char* name = roles.valueToKey(role);
    return name != nullptr ? name : std::to_string(static_cast<int>(role));
}

} // namespace

std::vector<AccessibleNode> AccessibleTree(QWidget& root) {
    std::vector<AccessibleNode> tree;
    Walk(QAccessible::queryAccessibleInterface(&root), 0, tree);
    return tree;
}

std::string DescribeTree(const std::vector<AccessibleNode>& tree) {
    std::string text;
    for (const AccessibleNode& node : tree) {
        text += std::string(static_cast<std::size_t>(node.depth) * 2, ' ') + RoleName(node.role) +
                " \"" + node.name + "\"\n";
    }
    return text;
}

std::vector<AccessibleNode> Unnamed(const std::vector<AccessibleNode>& tree) {
    std::vector<AccessibleNode> unnamed;
    std::copy_if(tree.begin(), tree.end(), std::back_inserter(unnamed),
                 [](const AccessibleNode& node) { return node.name.empty(); });
    return unnamed;
}

int CountOf(const std::vector<AccessibleNode>& tree, QAccessible::Role role,
            const std::string& name) {
    return static_cast<int>(std::count_if(tree.begin(), tree.end(), [&](const AccessibleNode& n) {
        return n.role == role && n.name == name;
    }));
}

} // namespace lumora::test
