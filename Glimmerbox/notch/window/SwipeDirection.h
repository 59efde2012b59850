#pragma once

// Direction of the last change of the shown game: `left` to the next game, `right` to the previous one.
enum class SwipeDirection { none, left, right };
