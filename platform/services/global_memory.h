#pragma once
// Movable memory blocks, the form in which a print dialog passes its device-mode and device-name
// data. The layer's print dialog keeps its choice in the printer DC and hands out no blocks, so
// freeing one only accepts the null handle the dialog leaves in their place.
using HGLOBAL = void*;

// Null when freed (a null handle is freed at once); a block the layer did not give out is returned
// unfreed, as a failure.
inline HGLOBAL GlobalFree(HGLOBAL block) { return block; }
