#pragma once

// What the detail panel shows below its header: the spinner only until the game is known, the error view
// whenever the last load failed (even over earlier data), else the scoreboard and the tabs.
enum class DetailBody { loading, error, content };

inline DetailBody detailBodyFor(bool isLoading, bool hasGame, bool hasError) {
    if (isLoading && !hasGame)
        return DetailBody::loading;
    if (hasError)
        return DetailBody::error;
    return DetailBody::content;
}
