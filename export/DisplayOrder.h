#pragma once

class ReportTree;
struct ReportNode;

// Steps through the report tree in display order (a node, then its children,
// then its next sibling), one node at a time and without recursion, so that a
// walk over a report of any size and depth costs constant stack and constant
// time per step. Positions are those of ReportTree::absoluteIndex.
namespace DisplayOrder {

// The node at position 0, or nullptr for an empty tree.
ReportNode *first(const ReportTree &tree);
// The node after node, or nullptr after the last one.
ReportNode *next(const ReportTree &tree, const ReportNode *node);
// The node before node, or nullptr before the first one.
ReportNode *previous(const ReportTree &tree, const ReportNode *node);

} // namespace DisplayOrder
