#pragma once

class QWidget;

// The mouse wheel over a value control inside a scrolling page scrolls the page and never changes the
// control, focused or not: a picker keeps the focus after a choice made with the mouse, and scrolling on past
// it would change the setting again. The keyboard, the control's own popup and its arrows still change it.
void wheelScrollsPage(QWidget* control);
