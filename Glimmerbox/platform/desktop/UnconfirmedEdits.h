#pragma once

// Number and time fields take what is typed into them once it is confirmed (Return or leaving the field).
// The session may end while the user is still typing: this confirms whatever each window's focused field
// holds, so that the settings saved on the way out include it.
void commitUnconfirmedEdits();
