#pragma once

namespace lumeta {

// Puts the application's style behind one that hands out the toolbar extension icons as
// promises: every menu bar makes its overflow button's icon when it is made, and reading
// those files asks every image format plugin whether it knows them, loading each one,
// before the window is first painted. The pictures are read when the button is first
// drawn, which on a window wide enough for its menus is never. Call once, after the
// application object exists and before the first window is made.
void UseLazyExtensionIcons();

}  // namespace lumeta
