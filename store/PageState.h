#pragma once

// The page-state globals of the program, touched on the user-interface thread only.
// PageModified: the content of the shown page changed since it was loaded.
// CommentModified: the comment box changed since it was loaded.
// ShownItemIndex: absolute tree index of the node whose page the editors hold; -1 for none.
extern bool PageModified;
extern bool CommentModified;
extern int ShownItemIndex;
