#pragma once

#include "model/PlayByPlayEvent.h"

#include <QList>
#include <QWidget>

// The Plays tab: every play, newest first, or "No plays available".
class PlayByPlayView : public QWidget {
public:
    explicit PlayByPlayView(const QList<PlayByPlayEvent>& plays, QWidget* parent = nullptr);
};
