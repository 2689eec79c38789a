#pragma once
// The element chosen in the periodic table, shared with the element-properties window that shows it.

// The element whose button last held the focus when the table's activation changed; 0 until then.
inline int SelectedElement = 0;
