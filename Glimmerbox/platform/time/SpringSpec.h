#pragma once

// A spring animation's parameters: the response in seconds (the period of the undamped spring) and the
// damping fraction (1 = critically damped). An animated change carries one so that the view animates it
// exactly as the state change intends.
struct SpringSpec {
    double response = 0.35;
    double damping = 1.0;

    friend bool operator==(const SpringSpec&, const SpringSpec&) = default;
};
