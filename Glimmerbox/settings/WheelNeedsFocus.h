#pragma once

class QWidget;

// A value control inside a scrolling page takes the mouse wheel only once the user has chosen it (by a click
// or Tab); until then the wheel scrolls the page, so that scrolling past a control never changes a setting.
void wheelNeedsFocus(QWidget* control);
