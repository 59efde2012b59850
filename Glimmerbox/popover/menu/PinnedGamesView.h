#pragma once

#include <QWidget>

struct PopoverServices;

// The pinned games in pin order under a "Pinned" header whose "Clear" unpins them all.
class PinnedGamesView : public QWidget {
public:
    explicit PinnedGamesView(PopoverServices& services, QWidget* parent = nullptr);

    // Unpins everything, saves the (empty) pins and re-arms the pinned refresh.
    static void clearPinnedGames(PopoverServices& services);
};
