#pragma once

class QApplication;

// The window was designed in a Japanese gothic face: make the first one installed the
// application's font.
void useJapaneseGothicFont(QApplication& app);
