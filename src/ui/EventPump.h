#pragma once

// Lets long actions (shuffle animation, demo) keep the window responsive while they wait.
class EventPump {
public:
    virtual ~EventPump() = default;
    // Shows the current state and processes pending window events for about `seconds`.
    virtual void wait(double seconds) = 0;
};
