#pragma once

/// The sliding pad panel of the word-book page: its height, driven one step per timer tick.
/// Closed it is 1 pixel high; open, 200.
class PadPanelSlide
{
public:
    enum class Step { Moving, Opened, Closed };

    /// Starts opening unless the panel is already open; returns whether the timer must run.
    bool StartOpening();
    /// Starts closing an open or opening panel; returns whether the timer must run.
    bool StartClosing();
    /// One tick: 30 pixels down while opening, 35 up while closing.
    Step Tick();

    int Height() const { return height_; }
    bool Open() const { return open_; }
    bool Opening() const { return opening_; }
    bool Moving() const { return moving_; }

private:
    int height_ = 1;
    bool open_ = false;
    bool opening_ = true;
    bool moving_ = false;
};
