#pragma once

#include <QWidget>

#include <memory>

// Owns the About window: brings a visible one to the front, otherwise builds a fresh one (a closed window is
// never reopened, so the version is read again).
class AboutWindowController {
public:
    static AboutWindowController& shared();

    void showAboutWindow();

    QWidget* window() const { return m_window.get(); }

private:
    std::unique_ptr<QWidget> m_window;
};
