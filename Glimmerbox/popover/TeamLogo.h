#pragma once

#include "model/Team.h"

class QWidget;

// A team's logo of `size` logical pixels, as the popover's rows and the detail scoreboard draw it.
QWidget* teamLogo(const Team& team, int size, QWidget* parent);
