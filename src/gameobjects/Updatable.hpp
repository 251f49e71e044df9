#pragma once

// Anything that advances with time. A scene keeps its animated objects in one list of these and
// advances each entry once per frame. Never destroyed through this base.
class Updatable
{
public:
    // elapsedTime: seconds since the previous call.
    virtual void Update(float elapsedTime) = 0;

protected:
    Updatable() = default;
    ~Updatable() = default;
    Updatable(const Updatable&) = default;
    Updatable& operator=(const Updatable&) = default;
};
