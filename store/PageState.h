#pragma once

#include <QPersistentModelIndex>

// The page-state globals of the program, touched on the user-interface thread only.
// PageModified: the content of the shown page changed since it was loaded.
// CommentModified: the comment box changed since it was loaded.
// ShownItemIndex: the tree node whose page the editors hold (invalid for none).
// It is kept by identity, so nodes added or moved elsewhere never shift it; the
// absolute position is computed from the tree only where it is needed.
extern bool PageModified;
extern bool CommentModified;
extern QPersistentModelIndex ShownItemIndex;
